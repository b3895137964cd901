// Test pictures and file writers for the decode benchmark: a synthetic space scene with
// gradients, noise, stars and a shaded planet, and flat sprite art, stored as TGA, BMP and DSX
// in memory.
#pragma once

#include <vector>

#include "engine/types.h"

struct BenchPicture {
    u32 width = 0;
    u32 height = 0;
    std::vector<u8> rgba; // top row first, R, G, B, A
};

BenchPicture MakeSpacePicture(u32 width, u32 height);
// Flat-shaded sprite art with a transparent background.
BenchPicture MakeSpritePicture(u32 width, u32 height);

// Bottom-up files, as paint programs write them; 24 or 32 bits per pixel.
std::vector<u8> WriteTGA(const BenchPicture& picture, u32 bits, bool runLength);
std::vector<u8> WriteBMP24(const BenchPicture& picture);
// A DSX file: regions split down to at most 64 x 64 pixels, each coded solid, with a local
// palette, run-length or raw, whichever is smallest of those tried.
std::vector<u8> WriteDSX(const BenchPicture& picture, bool rgba);
