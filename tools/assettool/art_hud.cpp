// Panels, bezels, the speed lever and the bar pieces of the console sheets.
#include "tools/assettool/art_hud.h"

#include <cmath>

namespace {
constexpr f64 PANEL_GAP = 2.5;    // sheet pixels left clear inside every panel edge
constexpr f64 PANEL_BORDER = 2.2; // bright border inside the gap
constexpr f64 PANEL_FILL_ALPHA = 0.42;
constexpr f64 PANEL_BAND = 7.0; // faint second line further in
} // namespace

void DrawHudPanel(cairo_t* cr, const ArtPoint* points, int count) {
    cairo_save(cr);
    PolygonPath(cr, points, count);
    cairo_clip_preserve(cr);
    SetColor(cr, Grey(0.85, PANEL_FILL_ALPHA));
    cairo_fill_preserve(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    SetColor(cr, Grey(1.0, 0.28));
    cairo_set_line_width(cr, 2 * (PANEL_GAP + PANEL_BAND));
    cairo_stroke_preserve(cr);
    SetColor(cr, Grey(1.0, PANEL_FILL_ALPHA));
    cairo_set_line_width(cr, 2 * (PANEL_GAP + PANEL_BAND - 1.2));
    cairo_stroke_preserve(cr);
    SetColor(cr, Grey(1.0, 0.97));
    cairo_set_line_width(cr, 2 * (PANEL_GAP + PANEL_BORDER));
    cairo_stroke_preserve(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_set_line_width(cr, 2 * PANEL_GAP);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void DrawBezel(cairo_t* cr, const ArtRect& r, bool reticle) {
    const f64 window = r.w * 0.09, radius = r.w * 0.12;
    cairo_save(cr);
    cairo_new_path(cr);
    RoundedRectPath(cr, r.x + 1, r.y + 1, r.w - 2, r.h - 2, radius);
    RoundedRectPath(cr, r.x + window, r.y + window, r.w - 2 * window, r.h - 2 * window,
                    radius * 0.5);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    FillVertical(cr, r.y, Grey(0.95), r.y + r.h, Grey(0.62), true);
    SetColor(cr, Grey(0.1, 0.8));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Glass sheen over the upper half of the window.
    cairo_new_path(cr);
    RoundedRectPath(cr, r.x + window, r.y + window, r.w - 2 * window, (r.h - 2 * window) * 0.45,
                    radius * 0.5);
    FillVertical(cr, r.y + window, Grey(1.0, 0.3), r.y + r.h * 0.5, Grey(1.0, 0.04));
    if (reticle) {
        const f64 cx = r.x + r.w / 2.0, cy = r.y + r.h / 2.0, arm = r.w * 0.3;
        SetColor(cr, Grey(1.0, 0.55));
        cairo_set_line_width(cr, 2.0);
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, arm * 0.6, 0, 2 * M_PI);
        cairo_move_to(cr, cx - arm, cy);
        cairo_line_to(cr, cx - arm * 0.3, cy);
        cairo_move_to(cr, cx + arm * 0.3, cy);
        cairo_line_to(cr, cx + arm, cy);
        cairo_move_to(cr, cx, cy - arm);
        cairo_line_to(cr, cx, cy - arm * 0.3);
        cairo_move_to(cr, cx, cy + arm * 0.3);
        cairo_line_to(cr, cx, cy + arm);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void DrawLever(cairo_t* cr, const ArtRect& r) {
    const f64 cx = r.x + r.w / 2.0;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 4, r.y + 17);
    cairo_line_to(cr, cx + 4, r.y + 17);
    cairo_line_to(cr, cx + 2, r.y + r.h - 7);
    cairo_line_to(cr, cx, r.y + r.h - 1);
    cairo_line_to(cr, cx - 2, r.y + r.h - 7);
    cairo_close_path(cr);
    FillVertical(cr, r.y, Grey(0.95), r.y + r.h, Grey(0.7), true);
    SetColor(cr, Grey(0.05, 0.8));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_new_path(cr);
    RoundedRectPath(cr, r.x + 2, r.y + 2, r.w - 4, 16, 5);
    FillVertical(cr, r.y + 2, Grey(1.0), r.y + 18, Grey(0.68), true);
    SetColor(cr, Grey(0.05, 0.85));
    cairo_stroke(cr);
    SetColor(cr, Grey(0.3, 0.9));
    cairo_set_line_width(cr, 1.6);
    for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, r.x + 7, r.y + 10 + i * 3.5);
        cairo_line_to(cr, r.x + r.w - 7, r.y + 10 + i * 3.5);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void DrawCapsule(cairo_t* cr, const ArtRect& r, bool filled) {
    const f64 inset = filled ? 1.0 : 1.8;
    const f64 h = r.h - 2 * inset;
    cairo_new_path(cr);
    RoundedRectPath(cr, r.x + inset, r.y + inset, r.w - 2 * inset, h, h / 2);
    if (filled) {
        FillVertical(cr, r.y, Grey(1.0), r.y + r.h, Grey(0.82));
    } else {
        SetColor(cr, Grey(1.0));
        cairo_set_line_width(cr, 2.4);
        cairo_stroke(cr);
    }
}

void DrawSlot(cairo_t* cr, f64 x, f64 y, f64 w, f64 h, int ticks) {
    cairo_new_path(cr);
    RoundedRectPath(cr, x, y, w, h, h * 0.3);
    SetColor(cr, Grey(0.0, 0.55));
    cairo_fill_preserve(cr);
    SetColor(cr, Grey(1.0, 0.9));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    SetColor(cr, Grey(1.0, 0.6));
    cairo_set_line_width(cr, 1.4);
    for (int k = 1; k < ticks; ++k) {
        const f64 tx = std::round(x + w * k / ticks) + 0.5;
        cairo_move_to(cr, tx, y + h);
        cairo_line_to(cr, tx, y + h + 4);
    }
    cairo_stroke(cr);
}
