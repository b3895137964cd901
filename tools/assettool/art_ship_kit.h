// Drawing kit for the ship sprites: mirrored hull shapes in world units (the sprite covers
// -64..64, nose up), flat shading lit from the upper left, panel lines, windows and engines.
#pragma once

#include <initializer_list>

#include "tools/assettool/art_canvas.h"

struct HullColors {
    Rgba base;
    Rgba shadow; // laid over the starboard half
    Rgba line;   // outline and panel lines
};

class ShipKit {
  public:
    explicit ShipKit(Canvas& canvas); // sets up the world transform
    cairo_t* cr() const { return cr_; }

    // A closed shape through (x, y) pairs on the right side, top to bottom, mirrored to the left.
    void MirrorPath(std::initializer_list<f64> rightSide) const;
    // A closed shape through the listed (x, y) pairs as given.
    void Path(std::initializer_list<f64> xy, bool mirrored = false) const;
    // A part on the right side and its mirror image on the left.
    void Twin(std::initializer_list<f64> xy, const HullColors& c) const;
    // Fills the current path as a hull part: base colour, its starboard half shaded, lit port rim,
    // dark outline. The path is consumed.
    void Part(const HullColors& c) const;
    void Ellipse(f64 cx, f64 cy, f64 rx, f64 ry) const;
    // A panel line and its mirror image.
    void PanelLine(f64 x0, f64 y0, f64 x1, f64 y1, const Rgba& c, f64 width = 0.5) const;
    void Window(f64 x, f64 y, const Rgba& c) const; // and its mirror
    void Engine(f64 x, f64 y, f64 r, const Rgba& glow) const;
    void Hardpoint(f64 x, f64 y, f64 r, const Rgba& c) const;

  private:
    cairo_t* cr_;
};
