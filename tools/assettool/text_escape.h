// The escapes shared by the readable text formats (LOC and key-binding sources): UTF-8 text
// stays as it is, line breaks and other control bytes become backslash escapes.
#pragma once

#include <string>

#include "engine/types.h"

// Length of the valid UTF-8 sequence at p (at most avail bytes), or 0 when it is not one.
size_t Utf8SequenceLength(const u8* p, size_t avail);
bool IsValidUtf8(const std::string& text);

// Escapes \ \n \r \t, other control bytes and bytes outside valid UTF-8 as \xHH, and a
// leading or trailing space as \x20, so that the text survives any editor.
std::string EscapeText(const std::string& raw);
// The inverse; on a bad escape *error names it and false is returned.
bool UnescapeText(const std::string& escaped, std::string* out, std::string* error);
