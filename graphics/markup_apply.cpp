// Applying colour tags: the colour a tag names becomes the current GL colour.
#include <GL/gl.h>

#include "engine/loop.h"
#include "graphics/markup.h"

namespace {
int ApplyColor(int length, const f32 color[4]) {
    if (length > 0) glColor4fv(color);
    return length;
}
} // namespace

int ApplyMarkupTagN(const char* text, int available, const f32 defaultColor[4]) {
    if (!defaultColor || !EngineIsEnabled(ENGINE_TEXT_MARKUP)) return 0;
    f32 color[4];
    return ApplyColor(ParseMarkupTag(text, available, defaultColor, color), color);
}

int ApplyMarkupTag(const char* text, const f32 defaultColor[4]) {
    return ApplyMarkupTagN(text, -1, defaultColor);
}

int ApplyMarkupTag32(const i32* text, int count, const f32 defaultColor[4]) {
    if (!defaultColor || !EngineIsEnabled(ENGINE_TEXT_MARKUP)) return 0;
    f32 color[4];
    return ApplyColor(ParseMarkupTag32(text, count, defaultColor, color), color);
}
