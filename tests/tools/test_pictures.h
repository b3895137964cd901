// Synthetic pictures for the asset tool's tests: a noisy photo-like gradient, flat art with
// antialiased edges, and plain fills of any size.
#pragma once

#include "tools/assettool/picture.h"

Picture MakeNoisyPhoto(u32 width, u32 height, u32 channels, u32 seed);
Picture MakeFlatArt(u32 width, u32 height); // RGBA: transparent ground, shapes, soft edges
Picture MakeFill(u32 width, u32 height, u32 channels, u32 rgba);
// Every pixel different: worst case for palettes and runs.
Picture MakeCounting(u32 width, u32 height, u32 channels);
