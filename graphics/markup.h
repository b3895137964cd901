// Colour tags inside drawn text: "</c>", "<color default>", "<color r,g,b>", "<c AABBGGRR>" and
// "<c name>". Recognised only while ENGINE_TEXT_MARKUP is on.
#pragma once

#include "engine/types.h"

// No tag is longer than this; the 32-bit forms gather at most this many entries.
constexpr int MARKUP_MAX_TAG = 30;

u32 ColorByName(const char* name, int length);
int MarkupTagLength(const char* text);
int ApplyMarkupTag(const char* text, const f32 defaultColor[4]);
// The same over a line buffer of 32-bit entries, one character per entry. Entries outside
// 1..255 end the gathered text.
int MarkupTagLength32(const i32* text, int count);
int ApplyMarkupTag32(const i32* text, int count, const f32 defaultColor[4]);

// The forms for text with a byte count: the tag must lie within the first `available` bytes
// (negative: up to the terminator).
int MarkupTagLengthN(const char* text, int available);
int ApplyMarkupTagN(const char* text, int available, const f32 defaultColor[4]);

// The tag grammar itself, whatever the engine switch says: returns the tag length (0 when no
// tag starts at text) and, for a tag, the colour it sets (RGBA, 0..1) in color.
int ParseMarkupTag(const char* text, int available, const f32 defaultColor[4], f32 color[4]);
int ParseMarkupTag32(const i32* text, int count, const f32 defaultColor[4], f32 color[4]);
