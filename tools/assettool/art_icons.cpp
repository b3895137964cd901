// The HUD glyphs. Each is laid out in units where the region's shorter side spans -1..1 (with a
// small margin), drawn white over a thin dark edge so it reads on any background.
#include "tools/assettool/art_icons.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr f64 MARGIN = 0.86;     // share of the half side a glyph may use
constexpr f64 EDGE_PIXELS = 2.2; // dark edge around every glyph, in pixels
constexpr f64 EDGE_ALPHA = 0.6;

struct Pen {
    cairo_t* cr;
    f64 unit; // pixels per glyph unit
    f64 Px(f64 pixels) const { return pixels / unit; }

    // Fills the current path white over a dark edge.
    void Fill(f64 alpha = 1.0) const {
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_source_rgba(cr, 0, 0, 0, EDGE_ALPHA * alpha);
        cairo_set_line_width(cr, Px(EDGE_PIXELS));
        cairo_stroke_preserve(cr);
        cairo_set_source_rgba(cr, 1, 1, 1, alpha);
        cairo_fill(cr);
    }
    // Strokes the current path white (width in units) over a dark edge.
    void Stroke(f64 width, f64 alpha = 1.0) const {
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_source_rgba(cr, 0, 0, 0, EDGE_ALPHA * alpha);
        cairo_set_line_width(cr, width + Px(EDGE_PIXELS));
        cairo_stroke_preserve(cr);
        cairo_set_source_rgba(cr, 1, 1, 1, alpha);
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
    }
    void Line(f64 x0, f64 y0, f64 x1, f64 y1, f64 width, f64 alpha = 1.0) const {
        cairo_new_path(cr);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        Stroke(width, alpha);
    }
    void Circle(f64 x, f64 y, f64 r) const {
        cairo_new_path(cr);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    }
    void Arc(f64 x, f64 y, f64 r, f64 fromDeg, f64 toDeg) const {
        cairo_new_path(cr);
        cairo_arc(cr, x, y, r, fromDeg * M_PI / 180, toDeg * M_PI / 180);
    }
    void Poly(std::initializer_list<f64> xy) const {
        cairo_new_path(cr);
        for (auto it = xy.begin(); it != xy.end(); it += 2) cairo_line_to(cr, it[0], it[1]);
        cairo_close_path(cr);
    }
};

void Warp(const Pen& p) {
    p.Poly({1.05, 0, 0.05, -0.75, 0.3, 0, 0.05, 0.75});
    p.Fill();
    p.Line(-1.15, -0.42, -0.2, -0.42, 0.16);
    p.Line(-1.35, 0, -0.05, 0, 0.16);
    p.Line(-1.15, 0.42, -0.2, 0.42, 0.16);
}

void Cloak(const Pen& p) {
    cairo_new_path(p.cr);
    cairo_move_to(p.cr, -1.2, 0);
    cairo_curve_to(p.cr, -0.6, -0.85, 0.6, -0.85, 1.2, 0);
    cairo_curve_to(p.cr, 0.6, 0.85, -0.6, 0.85, -1.2, 0);
    cairo_close_path(p.cr);
    p.Stroke(0.15);
    p.Circle(0, 0, 0.3);
    p.Fill();
    p.Line(-0.95, 0.8, 0.95, -0.8, 0.16);
}

void Hexagon(const Pen& p, f64 cx, f64 cy, f64 r) {
    cairo_new_path(p.cr);
    for (int i = 0; i < 6; ++i) {
        const f64 a = (60.0 * i + 30) * M_PI / 180;
        cairo_line_to(p.cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
    }
    cairo_close_path(p.cr);
}

void Plating(const Pen& p) {
    const f64 r = 0.5, dx = r * std::sqrt(3.0) + 0.08;
    Hexagon(p, -dx / 2, 0.38, r);
    p.Fill();
    Hexagon(p, dx / 2, 0.38, r);
    p.Fill();
    Hexagon(p, 0, -0.5, r);
    p.Fill();
}

void WarpCore(const Pen& p) {
    cairo_new_path(p.cr);
    RoundedRectPath(p.cr, -0.62, -2.2, 1.24, 4.4, 0.6);
    p.Stroke(0.18);
    for (int i = -1; i <= 1; ++i) {
        cairo_new_path(p.cr);
        cairo_rectangle(p.cr, -0.38, i * 1.15 - 0.28, 0.76, 0.56);
        p.Fill(i == 0 ? 1.0 : 0.75);
    }
}

void Signal(const Pen& p) {
    p.Circle(0, 0.05, 0.2);
    p.Fill();
    p.Line(0, 0.25, 0, 0.95, 0.16);
    for (int i = 1; i <= 2; ++i) {
        const f64 r = 0.38 * i + 0.05;
        p.Arc(0, 0.05, r, -40, 40);
        p.Stroke(0.14);
        p.Arc(0, 0.05, r, 140, 220);
        p.Stroke(0.14);
    }
}

void Scanner(const Pen& p) {
    p.Circle(0, 0, 0.92);
    p.Stroke(0.13);
    cairo_new_path(p.cr);
    cairo_move_to(p.cr, 0, 0);
    cairo_arc(p.cr, 0, 0, 0.8, -100 * M_PI / 180, -40 * M_PI / 180);
    cairo_close_path(p.cr);
    p.Fill(0.55);
    p.Line(0, 0, 0.61, -0.51, 0.12);
    p.Circle(-0.35, 0.35, 0.11);
    p.Fill();
    p.Circle(0.3, 0.45, 0.08);
    p.Fill();
}

void TargetLock(const Pen& p) {
    p.Circle(0, -0.55, 0.62);
    p.Stroke(0.13);
    p.Line(0, -1.45, 0, -1.02, 0.12);
    p.Line(0, -0.08, 0, 0.35, 0.12);
    p.Line(-0.95, -0.55, -0.5, -0.55, 0.12);
    p.Line(0.5, -0.55, 0.95, -0.55, 0.12);
    p.Circle(0, -0.55, 0.13);
    p.Fill();
    p.Poly({-0.7, 0.75, 0.7, 0.75, 0, 1.4});
    p.Fill();
}

void Shield(const Pen& p) {
    cairo_new_path(p.cr);
    cairo_move_to(p.cr, -0.82, -0.95);
    cairo_line_to(p.cr, 0.82, -0.95);
    cairo_curve_to(p.cr, 0.85, 0.05, 0.55, 0.7, 0, 1.15);
    cairo_curve_to(p.cr, -0.55, 0.7, -0.85, 0.05, -0.82, -0.95);
    cairo_close_path(p.cr);
    p.Fill();
    cairo_set_source_rgba(p.cr, 0, 0, 0, 0.45);
    cairo_set_line_width(p.cr, 0.12);
    cairo_move_to(p.cr, 0, -0.8);
    cairo_line_to(p.cr, 0, 0.9);
    cairo_move_to(p.cr, -0.7, -0.2);
    cairo_line_to(p.cr, 0.7, -0.2);
    cairo_stroke(p.cr);
}

void Cannon(const Pen& p) {
    cairo_new_path(p.cr);
    RoundedRectPath(p.cr, -1.75, -0.7, 1.0, 1.4, 0.2);
    p.Fill();
    cairo_new_path(p.cr);
    cairo_rectangle(p.cr, -0.8, -0.24, 1.55, 0.48);
    p.Fill();
    p.Line(1.05, 0, 1.25, 0, 0.3, 0.9);
    p.Line(1.55, 0, 1.7, 0, 0.3, 0.7);
}

void Torpedo(const Pen& p) {
    p.Poly({-0.32, -0.3, 0.32, -0.3, 0, 1.0});
    p.Fill(0.7);
    p.Circle(0, -0.3, 0.52);
    p.Fill();
}

void Engine(const Pen& p) {
    p.Poly({-0.45, -0.95, 0.45, -0.95, 0.8, 0.05, -0.8, 0.05});
    p.Fill();
    p.Poly({-0.62, 0.22, -0.38, 1.0, -0.14, 0.22});
    p.Fill(0.8);
    p.Poly({-0.2, 0.22, 0, 1.1, 0.2, 0.22});
    p.Fill(0.9);
    p.Poly({0.14, 0.22, 0.38, 1.0, 0.62, 0.22});
    p.Fill(0.8);
}

void ShieldBubble(const Pen& p) {
    p.Poly({0, -0.45, 0.32, 0.38, 0, 0.22, -0.32, 0.38});
    p.Fill();
    for (int i = 0; i < 4; ++i) {
        p.Arc(0, 0, 0.88, i * 90 - 90 - 33, i * 90 - 90 + 33);
        p.Stroke(0.16);
    }
}

void Sensors(const Pen& p) {
    cairo_new_path(p.cr);
    cairo_move_to(p.cr, -0.85, -0.45);
    cairo_curve_to(p.cr, -0.6, 0.45, 0.15, 0.75, 0.75, 0.55);
    cairo_close_path(p.cr);
    p.Fill();
    p.Line(-0.05, 0.25, 0.35, -0.2, 0.12);
    p.Line(-0.2, 0.8, -0.45, 1.0, 0.18);
    for (int i = 1; i <= 2; ++i) {
        p.Arc(0.35, -0.2, 0.28 * i, -110, 20);
        p.Stroke(0.11, 0.9);
    }
}

void Keyboard(const Pen& p) {
    cairo_new_path(p.cr);
    RoundedRectPath(p.cr, -1.0, -0.62, 2.0, 1.24, 0.16);
    p.Stroke(0.1);
    const f64 key = 0.2, gap = 0.07;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 7; ++col) {
            const f64 x = -0.86 + col * (key + gap) + (row == 1 ? 0.08 : 0);
            if (x + key > 0.9) continue;
            cairo_new_path(p.cr);
            cairo_rectangle(p.cr, x, -0.48 + row * (key + gap), key, key);
            p.Fill();
        }
    cairo_new_path(p.cr);
    cairo_rectangle(p.cr, -0.45, 0.33, 0.9, 0.15);
    p.Fill();
}

void Question(const Pen& p) {
    p.Circle(0, 0, 0.92);
    p.Stroke(0.12);
    cairo_new_path(p.cr);
    cairo_arc(p.cr, 0, -0.25, 0.3, M_PI, 2.35 * M_PI);
    cairo_curve_to(p.cr, 0.1, 0.02, 0, 0.08, 0, 0.28);
    p.Stroke(0.17);
    p.Circle(0, 0.56, 0.1);
    p.Fill();
}

void Zoom(const Pen& p, bool in) {
    p.Circle(-0.2, -0.2, 0.55);
    p.Stroke(0.15);
    p.Line(0.2, 0.2, 0.8, 0.8, 0.22);
    p.Line(-0.45, -0.2, 0.05, -0.2, 0.13);
    if (in) p.Line(-0.2, -0.45, -0.2, 0.05, 0.13);
}

void Pause(const Pen& p) {
    cairo_new_path(p.cr);
    cairo_rectangle(p.cr, -0.55, -0.7, 0.35, 1.4);
    cairo_rectangle(p.cr, 0.2, -0.7, 0.35, 1.4);
    p.Fill();
}

void Balance(const Pen& p) {
    for (int i = 0; i < 4; ++i) {
        p.Arc(0, 0, 0.72, i * 90 + 10, i * 90 + 80);
        p.Stroke(0.2);
    }
    p.Circle(0, 0, 0.2);
    p.Fill();
}

// A small hull with its four shield arcs; the named facing is bright, the others faint.
void Facing(const Pen& p, int facing) {
    p.Poly({0, -0.4, 0.28, 0.35, 0, 0.2, -0.28, 0.35});
    p.Fill(0.8);
    for (int i = 0; i < 4; ++i) {
        p.Arc(0, 0, 0.85, i * 90 - 90 - 38, i * 90 - 90 + 38);
        p.Stroke(i == facing ? 0.24 : 0.1, i == facing ? 1.0 : 0.4);
    }
}

void Dispatch(const Pen& p, Glyph g) {
    switch (g) {
    case Glyph::Warp: Warp(p); break;
    case Glyph::Cloak: Cloak(p); break;
    case Glyph::Plating: Plating(p); break;
    case Glyph::WarpCore: WarpCore(p); break;
    case Glyph::Signal: Signal(p); break;
    case Glyph::Scanner: Scanner(p); break;
    case Glyph::TargetLock: TargetLock(p); break;
    case Glyph::Shield: Shield(p); break;
    case Glyph::Cannon: Cannon(p); break;
    case Glyph::Torpedo: Torpedo(p); break;
    case Glyph::Engine: Engine(p); break;
    case Glyph::ShieldBubble: ShieldBubble(p); break;
    case Glyph::Sensors: Sensors(p); break;
    case Glyph::Keyboard: Keyboard(p); break;
    case Glyph::Question: Question(p); break;
    case Glyph::ZoomIn: Zoom(p, true); break;
    case Glyph::ZoomOut: Zoom(p, false); break;
    case Glyph::Pause: Pause(p); break;
    case Glyph::Balance: Balance(p); break;
    case Glyph::FacingFront: Facing(p, 0); break;
    case Glyph::FacingRight: Facing(p, 1); break;
    case Glyph::FacingRear: Facing(p, 2); break;
    case Glyph::FacingLeft: Facing(p, 3); break;
    }
}

} // namespace

void DrawGlyphBox(cairo_t* cr, Glyph glyph, f64 x, f64 y, f64 w, f64 h) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    const f64 unit = std::min(w, h) / 2 * MARGIN;
    cairo_translate(cr, x + w / 2, y + h / 2);
    cairo_scale(cr, unit, unit);
    Dispatch(Pen{cr, unit}, glyph);
    cairo_restore(cr);
}

void DrawGlyph(cairo_t* cr, Glyph glyph, const ArtRect& region) {
    DrawGlyphBox(cr, glyph, region.x, region.y, region.w, region.h);
}
