// Pieces of the ship drawing shared between its source files: the cloak shimmer of the sprite's
// rows and the firing-arc sectors.
#pragma once

#include "engine/types.h"

struct ShipClass;

constexpr int SHIMMER_ROWS = 10;
struct CloakRow {
    f32 dx, dy; // displacement of the row
    f32 height; // drawn height; rows follow each other from the sprite's top
};
// The rows' shimmer at cloak level c for a sprite of half size `size`; a negative c (no cloak
// transition) gives the plain rows.
void CloakShimmer(f32 c, f32 size, CloakRow rows[SHIMMER_ROWS]);

// The firing-arc sectors of every mount while SPACE is held and the game has the input.
void DrawFiringArcs(const ShipClass& c);
