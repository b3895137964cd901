// A small font built in memory for GUI tests: printable ASCII plus U+00E9, every glyph 8
// units wide (advance 8) and 16 high. With a GL context its page is a real texture in which
// each glyph is a solid 6 x 16 block (the space is empty), so drawn text shows as blocks.
#pragma once

struct Font;

constexpr float TEST_GLYPH_ADVANCE = 8.0f;
constexpr float TEST_LINE_HEIGHT = 16.0f;

Font* MakeTestFont(bool withTexture);
void FreeTestFont(Font* font);
