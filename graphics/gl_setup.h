// GL state the game sets up once (smooth points and lines) and the texture filter values it
// passes to the loaders, so game code needs no GL header.
#pragma once

#include "engine/types.h"

constexpr u32 FILTER_LINEAR = 0x2601;               // GL_LINEAR
constexpr u32 FILTER_LINEAR_MIPMAP_LINEAR = 0x2703; // GL_LINEAR_MIPMAP_LINEAR

// Antialiased lines and points for everything drawn afterwards.
void glEnableSmoothing();
bool glSmoothingEnabled();
