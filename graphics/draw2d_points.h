// Points of a chosen size in the 800 x 600 virtual screen, drawn in the current GL colour.
#pragma once

#include "engine/types.h"

// Draws one point of the given size in pixels; the point size is 1 again afterwards.
void glDrawPointSized(f32 x, f32 y, f32 size);
