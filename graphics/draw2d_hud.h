// Primitives the heads-up consoles need beyond the flat shapes: textured polygon fans with a
// texture coordinate per vertex and strips shaded per vertex.
#pragma once

#include "engine/types.h"
#include "graphics/draw2d_game.h" // SetColorF

struct Texture;

struct FanVertex {
    f32 x, y; // virtual screen
    f32 s, t; // texture coordinates (0..1)
};

struct ShadedVertex {
    f32 x, y;
    u32 color; // packed, red in the lowest byte
};

// A convex polygon fanned from its first vertex in the current colour; with a null texture
// (or one that failed to load) it is drawn untextured.
void glDrawTexturedFan(const Texture* texture, const FanVertex* vertices, int count);
// A triangle strip (vertices alternate between the two edges) with a colour per vertex,
// untextured. The current colour is left as it was.
void glDrawShadedStrip(const ShadedVertex* vertices, int count);
