// Writing a rendered font as a DSF file: glyph cells packed on pages of at most 256 x 256
// texels, a glyph table sorted by code point with the ASCII-direct flag.
#pragma once

#include <string>
#include <vector>

#include "tools/assettool/font_render.h"

constexpr u32 DSF_PAGE_MAX_SIDE = 256;

// The glyphs must be sorted and, for the ASCII-direct flag, start with 32..127.
bool WriteDSF(const RenderedFont& font, std::vector<u8>* out, std::string* error);
