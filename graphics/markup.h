// Colour tags inside drawn text: "</c>", "<color default>", "<color r,g,b>", "<c AABBGGRR>" and
// "<c name>". Recognised only while ENGINE_TEXT_MARKUP is on.
#pragma once

#include "engine/types.h"

u32 ColorByName(const char* name, int length);
int MarkupTagLength(const char* text);
int ApplyMarkupTag(const char* text, const f32 defaultColor[4]);
// The same over a line buffer of 32-bit entries, one character per entry.
int MarkupTagLength32(const i32* text, int count);
int ApplyMarkupTag32(const i32* text, int count, const f32 defaultColor[4]);
