// The DSF bitmap-font file format: a pure parser over a byte span (no GL, no files), shared by
// the font loader, the asset tool and the fuzz target.
#pragma once

#include <cstddef>

#include "graphics/font.h"

// Layout of the file.
constexpr size_t DSF_HEADER_SIZE = 28;
constexpr size_t DSF_GLYPH_SIZE = 16;
constexpr size_t DSF_PAGE_HEADER_SIZE = 4; // int16 width, int16 height
constexpr f32 DSF_MAX_VERSION = 0.9f;

// Limits no file may pass, whatever its header claims.
constexpr u32 DSF_MAX_PAGE_TEXELS = 65536; // the loader's work buffer: 256 x 256
constexpr u32 DSF_MAX_PAGES = 255;
constexpr u32 DSF_MAX_GLYPHS = 65536;
constexpr size_t DSF_MAX_FILE_SIZE = size_t(32) << 20;
constexpr f32 DSF_MAX_SCALE = 64.0f;
// With the ASCII-direct flag, entries 0..95 are the code points 32..127.
constexpr i32 DSF_ASCII_FIRST = 32;
constexpr u32 DSF_ASCII_COUNT = 96;

struct DsfPageInfo {
    u16 imageWidth;    // w as stored
    u16 imageHeight;   // h as stored
    u16 textureWidth;  // W: w widened to a power of two
    u16 textureHeight; // T
    size_t rowsOffset; // first byte of the h rows of w alpha bytes
    bool extraRow;     // T != h: one more row of W bytes follows and becomes texture row h
};

struct DsfInfo {
    u8 pageCount;
    u32 glyphCount;
    i16 lineHeight;
    f32 scale;
    u8 asciiDirect; // cleared when the table does not actually start with 32..127
    DsfPageInfo pages[DSF_MAX_PAGES];
};

// Checks the whole file: header, glyph table and every page must lie inside the span and pass
// the limits above. False on anything else; *out is then unspecified.
bool ParseDSF(const u8* data, size_t size, DsfInfo* out);
// Why the last refused file on this thread was refused: a short phrase such as "version above
// 0.9", kept until the next refusal.
const char* DsfFailureReason();

// Copies the glyph table of a parsed file into out (info.glyphCount entries).
void ReadDSFGlyphs(const u8* data, const DsfInfo& info, Glyph* out);

// Expands one parsed page into luminance-alpha texels (luminance 255, alpha from the file):
// textureWidth x textureHeight x 2 bytes, columns past w transparent, rows past the stored ones
// transparent.
void ExpandDSFPage(const u8* data, const DsfPageInfo& page, u8* texels);
