// What the readable text formats (LOC and key-binding sources) share: their line structure, and
// escapes that keep UTF-8 text as it is and turn line breaks and control bytes into backslashes.
#pragma once

#include <functional>
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

// Calls handle for every line of a source file that is neither blank nor a "#" comment (a UTF-8
// byte-order mark and "\r\n" line ends allowed). When handle refuses a line, *error becomes
// "line N: " and its reason, and false is returned.
using SourceLineHandler = std::function<bool(const std::string& line, std::string* reason)>;
bool ForEachSourceLine(const u8* data, size_t size, const SourceLineHandler& handle,
                       std::string* error);
