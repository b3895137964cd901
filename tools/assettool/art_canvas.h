// A drawing surface for the art generators: a Cairo image surface with the few path and paint
// helpers the HUD, ship and effect art share, and the conversion to straight-alpha RGBA.
#pragma once

#include <cairo.h>

#include <vector>

#include "engine/types.h"
#include "game/shell/console_art.h"

// Straight (not premultiplied) RGBA pixels, row 0 at the top.
struct ArtImage {
    int width = 0;
    int height = 0;
    std::vector<u8> rgba;
};

struct Rgba {
    f64 r, g, b, a;
};

class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    int width() const { return width_; }
    int height() const { return height_; }
    ArtImage Image() const;

  private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

void SetColor(cairo_t* cr, Rgba c);
Rgba Grey(f64 level, f64 alpha = 1.0);
// Closed polygon path through the points (no scaling).
void PolygonPath(cairo_t* cr, const ArtPoint* points, int count);
void RoundedRectPath(cairo_t* cr, f64 x, f64 y, f64 w, f64 h, f64 r);
// A round glow: colour at the centre fading to nothing at radius r.
void FillGlow(cairo_t* cr, f64 x, f64 y, f64 r, Rgba c);
// Fills the current path with a vertical linear gradient from top to bottom.
void FillVertical(cairo_t* cr, f64 y0, Rgba top, f64 y1, Rgba bottom, bool preserve = false);
// Clears a band of `width` just inside the current path's edge, so neighbouring shapes that share
// an edge show a gap between them. The path is consumed.
void CarveEdge(cairo_t* cr, f64 width);
// Keeps drawing inside the region (x, y, w, h) of the canvas.
void ClipRect(cairo_t* cr, const ArtRect& r);
