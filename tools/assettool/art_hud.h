// Building blocks shared by the console sheets: tinted panels, bezels, the lever and the bar
// pieces. Panels are drawn in light greys so the game's HUD tint colours them.
#pragma once

#include "tools/assettool/art_canvas.h"

// A translucent HUD panel filling the outline, with a bright border and a clear gap at its edge.
void DrawHudPanel(cairo_t* cr, const ArtPoint* points, int count);
// A square bezel with a clear window, drawn over the game's tinted square.
void DrawBezel(cairo_t* cr, const ArtRect& region, bool reticle);
void DrawLever(cairo_t* cr, const ArtRect& region);
// A capsule: outlined only, or filled.
void DrawCapsule(cairo_t* cr, const ArtRect& region, bool filled);
// A dark recessed slot with quarter ticks, for a meter or bar drawn on top by the game.
void DrawSlot(cairo_t* cr, f64 x, f64 y, f64 w, f64 h, int ticks);
