// Reads the structure of a DSX file without decoding its pixels: header, palette and how
// many regions and bytes each block coding takes. Bounded like the decoder: any field that
// points past the data or past its region fails the inspection.
#pragma once

#include <string>

#include "tools/assettool/dsx_format.h"

struct DsxInfo {
    u32 width = 0;
    u32 height = 0;
    u32 bitsPerPixel = 0;
    u32 paletteEntries = 0;
    size_t regions[dsx_tool::DSX_CODINGS] = {};
    size_t bytes[dsx_tool::DSX_CODINGS] = {}; // opcode and data of the leaves of each coding
    size_t streamBytes = 0;
    size_t trailingBytes = 0; // after the last region
};

bool InspectDSX(const u8* data, size_t size, DsxInfo* out, std::string* error);
const char* DsxCodingName(u32 coding);
