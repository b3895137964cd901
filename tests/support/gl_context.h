// GL test support: one real 800 x 600 window with the engine's GL context for the whole test
// program (under Xvfb), and pixel read-back from the back buffer before any swap.
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "engine/types.h"

// Opens the window and context on first use; later calls reuse them. The engine's log goes to
// the current folder.
void GLTestEnsureContext();

// Clears the colour buffer to a colour (0..1 floats).
void GLTestClear(float r, float g, float b, float a = 1.0f);

struct RGBA {
    u8 r, g, b, a;
    bool operator==(const RGBA& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};

// Reads one pixel of the client area, x and y in client pixels with y growing downwards.
RGBA GLTestPixel(int x, int y);
// Reads the whole client area, top row first, 4 bytes per pixel.
std::vector<u8> GLTestReadAll(int* width, int* height);
// True when two colours differ by at most tolerance in every channel.
bool ColorNear(const RGBA& a, const RGBA& b, int tolerance);

inline std::ostream& operator<<(std::ostream& os, const RGBA& c) {
    return os << "RGBA(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << "," << int(c.a)
              << ")";
}
