// Formatted strings in rotating buffers, path extensions and UTF-8 encoding.
#pragma once

#include "engine/types.h"

constexpr int STRFORMAT_BUFFERS = 5;
constexpr int STRFORMAT_SIZE = 1024;

// Formats into the next of five rotating 1024-byte buffers (results are cut at 1023 bytes), so
// up to five results may be used together; a sixth call overwrites the oldest.
const char* StrFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The lower-case extension of a path: the text after the last '.' or '|' (the whole path when
// it has neither), at most 19 characters.
void PathExtension(const char* path, char* out /* 20 bytes */);

// Writes the UTF-8 form of a code point and a terminating zero at buffer[position]; returns
// the bytes written (without the zero).
int EncodeUTF8(char* buffer, int position, u32 codePoint);
// EncodeUTF8 at the end of a zero-terminated string.
int AppendUTF8(char* string, u32 codePoint);
