// Small services used everywhere: formatted strings, error reports, folder scans, screenshots,
// colours, hit tests, sorting and UTF-8 encoding.
#pragma once

#include "engine/types.h"

constexpr int STRFORMAT_BUFFERS = 5;
constexpr int STRFORMAT_SIZE = 1024;

// Formats into the next of five rotating 1024-byte buffers (results are cut at 1023 bytes).
const char* StrFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

int ReportError(const char* message, const char* location);

bool OpenDir(const char* folder, const char* pattern);
const char* NextDirEntry();
void CloseDir();

void glScreenShot(const char* path);
// The two screenshot layouts, from RGB rows stored bottom row first.
bool WriteBMP24(const char* path, int width, int height, const u8* rgbBottomUp);
bool WriteTGA24(const char* path, int width, int height, const u8* rgbBottomUp);

// The lower-case extension of a path: the text after the last '.' or '|' (the whole path when
// it has neither), at most 19 characters.
void PathExtension(const char* path, char* out /* 20 bytes */);

constexpr u32 MakeRGBA(u8 r, u8 g, u8 b, u8 a) {
    return u32(r) | u32(g) << 8 | u32(b) << 16 | u32(a) << 24;
}
constexpr u32 MakeRGB(u8 r, u8 g, u8 b) {
    return MakeRGBA(r, g, b, 255);
}
constexpr u8 ColorR(u32 c) {
    return u8(c);
}
constexpr u8 ColorG(u32 c) {
    return u8(c >> 8);
}
constexpr u8 ColorB(u32 c) {
    return u8(c >> 16);
}
constexpr u8 ColorA(u32 c) {
    return u8(c >> 24);
}

bool PointInRect(f32 x, f32 y, f32 left, f32 top, f32 width, f32 height);
bool PointInRoundRect(f32 x, f32 y, f32 left, f32 top, f32 width, f32 height, f32 roundness);
bool PointInCircle(f32 x1, f32 y1, f32 x2, f32 y2, f32 radius);
bool PointInEllipse(f32 x1, f32 y1, f32 x2, f32 y2, f32 radiusX, f32 radiusY);

void* TempValue(u32 value);
void* TempRGB(u8 r, u8 g, u8 b);
void* TempValue2(u32 value);

void ClearBuffers();
f32 GetGLFloat(u32 name);
bool IsNaN(f64 value);
void SortByGLType(void* array, u32 count, u32 glType);

// Writes the UTF-8 form of a code point and a terminating zero at buffer[position]; returns
// the bytes written (without the zero).
int EncodeUTF8(char* buffer, int position, u32 codePoint);
int AppendUTF8(char* string, u32 codePoint);
