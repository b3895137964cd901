// The lossless DSX encoder: picks the cheapest block coding for every region of the fixed
// split tree and splits a region wherever its two halves cost less than one coding of it.
#pragma once

#include <string>
#include <vector>

#include "tools/assettool/picture.h"

struct DsxEncodeResult {
    std::vector<u8> bytes;
    size_t regionsByCoding[13] = {}; // leaves per coding, splits under DSX_SPLIT
    size_t paletteEntries = 0;
};

// The picture's channel count (3 or 4) decides RGB or RGBA. Fails only on an empty or
// oversized picture.
bool EncodeDSX(const Picture& picture, DsxEncodeResult* out, std::string* error);
