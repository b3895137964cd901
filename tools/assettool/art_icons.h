// The HUD's glyphs: white shapes with a thin dark edge, tinted by the game where it wants
// colour. Each glyph fills the region it is given, keeping its own proportions.
#pragma once

#include "tools/assettool/art_canvas.h"

enum class Glyph {
    Warp,
    Cloak,
    Plating,
    WarpCore,
    Signal,
    Scanner,
    TargetLock,
    Shield,
    Cannon,
    Torpedo,
    Engine,
    ShieldBubble,
    Sensors,
    Keyboard,
    Question,
    ZoomIn,
    ZoomOut,
    Pause,
    Balance,
    FacingFront,
    FacingRight,
    FacingRear,
    FacingLeft,
};

void DrawGlyph(cairo_t* cr, Glyph glyph, const ArtRect& region);
// Draws the glyph at an arbitrary box (used where the game draws it from a separate file).
void DrawGlyphBox(cairo_t* cr, Glyph glyph, f64 x, f64 y, f64 w, f64 h);
