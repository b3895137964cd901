// The power display sheet (frame, meter slots, bar pieces, health ring and cost markers) and the
// score display surface.
#include <cmath>

#include "tools/assettool/art.h"
#include "tools/assettool/art_hud.h"
#include "tools/assettool/art_icons.h"

namespace {

// Screen units to power sheet pixels, the inverse of the frame's drawing transform.
ArtPoint PowerPixels(f64 x, f64 y) {
    return {f32((x - POWER_FRAME_ORIGIN.x) / POWER_FRAME_SCALE - POWER_FRAME_OFFSET.x),
            f32((y - POWER_FRAME_ORIGIN.y) / POWER_FRAME_SCALE - POWER_FRAME_OFFSET.y)};
}
f64 PowerLength(f64 screen) {
    return screen / POWER_FRAME_SCALE;
}

constexpr f64 METER_SLOT_LENGTH = 60; // screen units: the bar, its caps and a little room
constexpr f64 RESERVE_SLOT_LENGTH = 189;
constexpr f64 SYSTEM_GLYPH = 12;            // screen units
constexpr ArtPoint HEALTH_CENTRE{400, 567}; // clear of the upper meters
constexpr f64 HEALTH_RING = 13.5;

void DrawMeterSlots(cairo_t* cr) {
    for (const ArtPoint& m : POWER_SLIDER_START) {
        const ArtPoint p = PowerPixels(m.x - 1, m.y - 1);
        DrawSlot(cr, p.x, p.y, PowerLength(METER_SLOT_LENGTH), PowerLength(POWER_BAR_HEIGHT + 2),
                 4);
    }
    const ArtPoint r = PowerPixels(RESERVE_BAR_POS.x - 1, RESERVE_BAR_POS.y - 1);
    DrawSlot(cr, r.x, r.y, PowerLength(RESERVE_SLOT_LENGTH), PowerLength(POWER_BAR_HEIGHT + 2), 8);
}

void DrawSystemGlyphs(cairo_t* cr) {
    // Weapons, shields, engines and sensors beside their meters (left of 0 and 2, right of 1
    // and 3).
    const Glyph glyphs[4] = {Glyph::Cannon, Glyph::ShieldBubble, Glyph::Engine, Glyph::Sensors};
    for (int i = 0; i < 4; ++i) {
        const ArtPoint m = POWER_SLIDER_START[i];
        const bool left = i == 0 || i == 2;
        const f64 x = left ? m.x - SYSTEM_GLYPH - 3 : m.x + METER_SLOT_LENGTH + 2;
        const ArtPoint p = PowerPixels(x, m.y - 1);
        DrawGlyphBox(cr, glyphs[i], p.x, p.y, PowerLength(SYSTEM_GLYPH), PowerLength(SYSTEM_GLYPH));
    }
}

void DrawHealthBackdrop(cairo_t* cr) {
    const ArtPoint c = PowerPixels(HEALTH_CENTRE.x, HEALTH_CENTRE.y);
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, PowerLength(HEALTH_RING), 0, 2 * M_PI);
    SetColor(cr, Grey(0.0, 0.5));
    cairo_fill_preserve(cr);
    SetColor(cr, Grey(1.0, 0.85));
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
}

// The bar pieces share one vertical profile so they join seamlessly; the middle piece is the
// same in every column because the game stretches it.
void BarPath(cairo_t* cr, const ArtRect& r, int kind) {
    const f64 top = r.y + 1, h = r.h - 2, radius = h / 2;
    cairo_new_path(cr);
    if (kind == 0) {
        cairo_move_to(cr, r.x + r.w, top);
        cairo_arc_negative(cr, r.x + radius + 1, top + radius, radius, -M_PI / 2, -3 * M_PI / 2);
        cairo_line_to(cr, r.x + r.w, top + h);
    } else if (kind == 1) {
        cairo_rectangle(cr, r.x, top, r.w, h);
    } else {
        cairo_move_to(cr, r.x, top);
        cairo_line_to(cr, r.x + r.w - 6, top);
        cairo_line_to(cr, r.x + r.w - 1, top + h / 2);
        cairo_line_to(cr, r.x + r.w - 6, top + h);
        cairo_line_to(cr, r.x, top + h);
    }
    cairo_close_path(cr);
}

void DrawBarPieces(cairo_t* cr) {
    const ArtRect pieces[3] = {POWER_BAR_LEFT, POWER_BAR_MIDDLE, POWER_BAR_RIGHT};
    for (int k = 0; k < 3; ++k) {
        BarPath(cr, pieces[k], k);
        const f64 y = pieces[k].y;
        cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + pieces[k].h);
        cairo_pattern_add_color_stop_rgba(p, 0.0, 1, 1, 1, 1);
        cairo_pattern_add_color_stop_rgba(p, 0.35, 0.95, 0.95, 0.95, 1);
        cairo_pattern_add_color_stop_rgba(p, 0.5, 0.78, 0.78, 0.78, 1);
        cairo_pattern_add_color_stop_rgba(p, 1.0, 0.7, 0.7, 0.7, 1);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
}

// A cost marker: a pin pointing up at the reserve bar, with a small sign of what it costs for.
void DrawMarker(cairo_t* cr, const ArtRect& r, int sign) {
    const f64 cx = r.x + r.w / 2.0;
    cairo_new_path(cr);
    cairo_move_to(cr, cx, r.y + 1);
    cairo_line_to(cr, r.x + r.w - 2, r.y + 9);
    cairo_line_to(cr, r.x + r.w - 2, r.y + r.h - 2);
    cairo_line_to(cr, r.x + 2, r.y + r.h - 2);
    cairo_line_to(cr, r.x + 2, r.y + 9);
    cairo_close_path(cr);
    SetColor(cr, Grey(1.0));
    cairo_fill_preserve(cr);
    SetColor(cr, Grey(0.0, 0.7));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    SetColor(cr, Grey(0.0, 0.85));
    cairo_set_line_width(cr, 1.8);
    const f64 cy = r.y + 17;
    cairo_new_path(cr);
    if (sign == 0) { // warp: double chevron
        for (int i = 0; i < 2; ++i) {
            cairo_move_to(cr, cx - 4, cy - 1 + i * 4);
            cairo_line_to(cr, cx, cy - 5 + i * 4);
            cairo_line_to(cr, cx + 4, cy - 1 + i * 4);
        }
        cairo_stroke(cr);
    } else if (sign == 1) { // reserve: a bar
        cairo_rectangle(cr, cx - 4, cy - 2, 8, 4);
        cairo_fill(cr);
    } else if (sign == 2) { // cloak: a hollow ring
        cairo_arc(cr, cx, cy, 3.5, 0, 2 * M_PI);
        cairo_stroke(cr);
    } else { // polarise: a hexagon
        for (int i = 0; i < 6; ++i)
            cairo_line_to(cr, cx + 4 * std::cos((60 * i + 30) * M_PI / 180),
                          cy + 4 * std::sin((60 * i + 30) * M_PI / 180));
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

void DrawHealthIcon(cairo_t* cr) {
    const ArtRect& r = POWER_HEALTH_ICON;
    // Centred 2 units below the icon's middle, like the ring behind it.
    const f64 scale = r.w / HEALTH_ICON_SIZE.x;
    const f64 cx = r.x + r.w / 2.0, cy = r.y + r.h / 2.0 + 2 * scale, radius = HEALTH_RING * scale;
    SetColor(cr, Grey(1.0));
    cairo_set_line_width(cr, 3.0);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2.0);
    for (int deg = 0; deg < 360; deg += 30) {
        const f64 a = deg * M_PI / 180;
        cairo_move_to(cr, cx + std::cos(a) * (radius - 6), cy + std::sin(a) * (radius - 6));
        cairo_line_to(cr, cx + std::cos(a) * (radius - 2), cy + std::sin(a) * (radius - 2));
    }
    cairo_stroke(cr);
}

ArtImage MakePowerSheet() {
    Canvas canvas(CONSOLE_SHEET_SIZE, CONSOLE_SHEET_SIZE);
    cairo_t* cr = canvas.cr();
    for (const FramePolygon& f : POWER_FRAME) DrawHudPanel(cr, f.points, f.pointCount);
    DrawMeterSlots(cr);
    DrawSystemGlyphs(cr);
    DrawHealthBackdrop(cr);
    DrawBarPieces(cr);
    DrawHealthIcon(cr);
    DrawMarker(cr, MARKER_WARP, 0);
    DrawMarker(cr, MARKER_RESERVE, 1);
    DrawMarker(cr, MARKER_CLOAK, 2);
    DrawMarker(cr, MARKER_POLARIZE, 3);
    return canvas.Image();
}

// Score panel: the game writes the figures over it (the total at the centre, the two sides'
// scores left and right of it, the places at the ends).
ArtImage MakeScoreDisplay() {
    Canvas canvas(SCORE_WIDTH, SCORE_HEIGHT);
    cairo_t* cr = canvas.cr();
    const f64 s = SCORE_WIDTH / SCORE_DRAW_SIZE.x; // surface pixels per screen unit
    const f64 w = SCORE_WIDTH, bottom = 42 * s, centreW = 62 * s;
    const ArtPoint panel[] = {
        {0, 0}, {f32(w), 0}, {f32(w - 16 * s), f32(bottom)}, {f32(16 * s), f32(bottom)}};
    PolygonPath(cr, panel, 4);
    SetColor(cr, {0.05, 0.07, 0.1, 0.72});
    cairo_fill_preserve(cr);
    SetColor(cr, Grey(0.85, 0.8));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    const f64 cx = w / 2;
    const ArtPoint centre[] = {{f32(cx - centreW / 2), 0},
                               {f32(cx + centreW / 2), 0},
                               {f32(cx + centreW / 2 - 6 * s), f32(bottom + 12 * s)},
                               {f32(cx - centreW / 2 + 6 * s), f32(bottom + 12 * s)}};
    PolygonPath(cr, centre, 4);
    SetColor(cr, {0.1, 0.13, 0.18, 0.9});
    cairo_fill_preserve(cr);
    SetColor(cr, Grey(0.95, 0.95));
    cairo_stroke(cr);
    // Side stripes: the local side in light grey, the opponents in their orange.
    const f64 stripeY = bottom - 5 * s, stripeH = 2.5 * s;
    SetColor(cr, Grey(0.85, 0.85));
    cairo_rectangle(cr, 22 * s, stripeY, cx - centreW / 2 - 28 * s, stripeH);
    cairo_fill(cr);
    SetColor(cr, {1.0, 0.5, 0.0, 0.9});
    cairo_rectangle(cr, cx + centreW / 2 + 6 * s, stripeY, cx - centreW / 2 - 28 * s, stripeH);
    cairo_fill(cr);
    // Place badges at both ends.
    for (f64 x : {34.0, 243.0}) {
        cairo_new_path(cr);
        RoundedRectPath(cr, x * s, 4 * s, 28 * s, 27 * s, 4 * s);
        SetColor(cr, Grey(1.0, 0.08));
        cairo_fill_preserve(cr);
        SetColor(cr, Grey(0.8, 0.5));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    return canvas.Image();
}

} // namespace

ArtImage ArtPowerSheet() {
    return MakePowerSheet();
}
ArtImage ArtScoreDisplay() {
    return MakeScoreDisplay();
}
