// Effects and pointers: the disruptor bolt, the animated pulse torpedo sheet, the lancer beam and
// its spark, the two cursors and the pilot portrait of the chat.
#include <cmath>

#include "tools/assettool/art.h"

namespace {

// A glow stretched along y: colour c at the centre (cx, cy), fading out over radii rx, ry.
void StretchedGlow(cairo_t* cr, f64 cx, f64 cy, f64 rx, f64 ry, Rgba c) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    FillGlow(cr, 0, 0, 1, c);
    cairo_restore(cr);
}

ArtImage MakeDisruptor() {
    Canvas canvas(DISRUPTOR_WIDTH, DISRUPTOR_HEIGHT);
    cairo_t* cr = canvas.cr();
    const f64 cx = DISRUPTOR_WIDTH / 2.0, head = DISRUPTOR_HEIGHT / 4.0;
    // Trail behind the head, then the hot head itself.
    StretchedGlow(cr, cx, head + 18, 7, 26, {1.0, 0.35, 0.1, 0.8});
    StretchedGlow(cr, cx, head + 8, 5, 16, {1.0, 0.7, 0.2, 0.9});
    FillGlow(cr, cx, head, 12, {1.0, 0.5, 0.15, 1.0});
    StretchedGlow(cr, cx, head + 1, 3.2, 6, {1.0, 1.0, 0.85, 1.0});
    return canvas.Image();
}

// Nine frames of a pulsing ball of energy with four rotating spikes.
void TorpedoFrame(cairo_t* cr, int frame) {
    const f64 size = TORPEDO_FRAME_SIZE, c = size / 2;
    const f64 phase = frame / 9.0 * 2 * M_PI;
    const f64 pulse = 0.5 + 0.5 * std::sin(phase);
    cairo_save(cr);
    cairo_translate(cr, (frame % TORPEDO_FRAMES_PER_ROW) * size,
                    (frame / TORPEDO_FRAMES_PER_ROW) * size);
    cairo_rectangle(cr, 0, 0, size, size);
    cairo_clip(cr);
    FillGlow(cr, c, c, 17 + 3 * pulse, {0.45, 0.3, 1.0, 0.85});
    cairo_translate(cr, c, c);
    cairo_rotate(cr, frame * M_PI / 18);
    for (int i = 0; i < 4; ++i) {
        cairo_rotate(cr, M_PI / 2);
        cairo_new_path(cr);
        cairo_move_to(cr, -2.2, 0);
        cairo_line_to(cr, 0, -(12 + 5 * pulse));
        cairo_line_to(cr, 2.2, 0);
        cairo_close_path(cr);
        SetColor(cr, {0.85, 0.8, 1.0, 0.75});
        cairo_fill(cr);
    }
    cairo_restore(cr);
    const f64 ox = (frame % TORPEDO_FRAMES_PER_ROW) * size + c;
    const f64 oy = (frame / TORPEDO_FRAMES_PER_ROW) * size + c;
    FillGlow(cr, ox, oy, 8 + 2 * pulse, {1.0, 1.0, 1.0, 1.0});
    cairo_new_path(cr);
    cairo_arc(cr, ox, oy, 3.2 + pulse, 0, 2 * M_PI);
    SetColor(cr, Grey(1.0));
    cairo_fill(cr);
}

ArtImage MakeTorpedo() {
    Canvas canvas(TORPEDO_SHEET_SIZE, TORPEDO_SHEET_SIZE);
    for (int f = 0; f < TORPEDO_FRAMES_PER_ROW * TORPEDO_FRAMES_PER_ROW; ++f)
        TorpedoFrame(canvas.cr(), f);
    return canvas.Image();
}

// The beam's cross-section: clear edges, a cyan glow and a white core; every row the same.
ArtImage MakeLancer() {
    Canvas canvas(LANCER_WIDTH, LANCER_HEIGHT);
    cairo_t* cr = canvas.cr();
    const f64 w = LANCER_WIDTH;
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, w, 0);
    cairo_pattern_add_color_stop_rgba(p, 0.0, 0.2, 0.6, 1.0, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 0.25, 0.3, 0.75, 1.0, 0.45);
    cairo_pattern_add_color_stop_rgba(p, 0.42, 0.75, 0.95, 1.0, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 1.0, 1.0, 1.0, 1.0);
    cairo_pattern_add_color_stop_rgba(p, 0.58, 0.75, 0.95, 1.0, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 0.75, 0.3, 0.75, 1.0, 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1.0, 0.2, 0.6, 1.0, 0.0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    return canvas.Image();
}

ArtImage MakeSpark() {
    Canvas canvas(SPARK_SIZE, SPARK_SIZE);
    cairo_t* cr = canvas.cr();
    const f64 c = SPARK_SIZE / 2.0;
    FillGlow(cr, c, c, c, {0.4, 0.8, 1.0, 0.9});
    for (int i = 0; i < 2; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, c, 1);
        cairo_line_to(cr, c + 1.5, c);
        cairo_line_to(cr, c, SPARK_SIZE - 1);
        cairo_line_to(cr, c - 1.5, c);
        cairo_close_path(cr);
        cairo_move_to(cr, 1, c);
        cairo_line_to(cr, c, c - 1.5);
        cairo_line_to(cr, SPARK_SIZE - 1, c);
        cairo_line_to(cr, c, c + 1.5);
        cairo_close_path(cr);
        SetColor(cr, Grey(1.0, 0.8));
        cairo_fill(cr);
    }
    FillGlow(cr, c, c, 6, Grey(1.0));
    return canvas.Image();
}

// The menu pointer: its tip is the hot spot, 8 and 5 units into the 32-unit square it is drawn in.
ArtImage MakeMenuCursor() {
    Canvas canvas(CURSOR_SIZE, CURSOR_SIZE);
    cairo_t* cr = canvas.cr();
    const f64 s = CURSOR_SIZE / 32.0, tipX = 8 * s, tipY = 5 * s;
    auto arrow = [&](f64 dx, f64 dy) {
        cairo_new_path(cr);
        cairo_move_to(cr, tipX + dx, tipY + dy);
        cairo_line_to(cr, tipX + dx + 15 * s, tipY + dy + 15 * s);
        cairo_line_to(cr, tipX + dx + 8.5 * s, tipY + dy + 15.5 * s);
        cairo_line_to(cr, tipX + dx + 12 * s, tipY + dy + 23 * s);
        cairo_line_to(cr, tipX + dx + 8.5 * s, tipY + dy + 24.5 * s);
        cairo_line_to(cr, tipX + dx + 5 * s, tipY + dy + 17 * s);
        cairo_line_to(cr, tipX + dx, tipY + dy + 21.5 * s);
        cairo_close_path(cr);
    };
    arrow(2.5, 3);
    SetColor(cr, Grey(0.0, 0.35));
    cairo_fill(cr);
    arrow(0, 0);
    FillVertical(cr, tipY, Grey(1.0), tipY + 24 * s, {0.72, 0.8, 0.88, 1.0}, true);
    SetColor(cr, {0.05, 0.08, 0.12, 1.0});
    cairo_set_line_width(cr, 2.4);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    return canvas.Image();
}

// The weapon crosshair, white so the game can tint it by the weapons in arc.
ArtImage MakeGameCursor() {
    Canvas canvas(CURSOR_SIZE, CURSOR_SIZE);
    cairo_t* cr = canvas.cr();
    const f64 c = CURSOR_SIZE / 2.0, r = CURSOR_SIZE * 0.3;
    for (int pass = 0; pass < 2; ++pass) {
        SetColor(cr, pass ? Grey(1.0) : Grey(0.0, 0.55));
        cairo_set_line_width(cr, pass ? 3.0 : 6.0);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int q = 0; q < 4; ++q) {
            const f64 a = q * M_PI / 2;
            cairo_new_path(cr);
            cairo_arc(cr, c, c, r, a + 0.3, a + M_PI / 2 - 0.3);
            cairo_stroke(cr);
            cairo_move_to(cr, c + std::cos(a) * (r - 7), c + std::sin(a) * (r - 7));
            cairo_line_to(cr, c + std::cos(a) * (r + 9), c + std::sin(a) * (r + 9));
            cairo_stroke(cr);
        }
        cairo_new_path(cr);
        cairo_arc(cr, c, c, pass ? 2.2 : 3.5, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    return canvas.Image();
}

// A pilot in a flight helmet with a mirrored visor, on a dark blue backdrop.
ArtImage MakeAvatar() {
    Canvas canvas(AVATAR_SIZE, AVATAR_SIZE);
    cairo_t* cr = canvas.cr();
    const f64 s = AVATAR_SIZE / 64.0;
    cairo_scale(cr, s, s);
    RoundedRectPath(cr, 1, 1, 62, 62, 8);
    FillVertical(cr, 0, {0.12, 0.2, 0.34, 1}, 64, {0.04, 0.06, 0.12, 1}, true);
    SetColor(cr, Grey(0.75, 0.9));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    RoundedRectPath(cr, 2, 2, 60, 60, 7);
    cairo_clip(cr);
    // Shoulders and suit collar.
    cairo_new_path(cr);
    cairo_move_to(cr, 4, 64);
    cairo_curve_to(cr, 6, 48, 18, 44, 32, 44);
    cairo_curve_to(cr, 46, 44, 58, 48, 60, 64);
    cairo_close_path(cr);
    SetColor(cr, {0.3, 0.33, 0.3, 1});
    cairo_fill(cr);
    cairo_rectangle(cr, 10, 54, 8, 3);
    SetColor(cr, {0.9, 0.5, 0.1, 1});
    cairo_fill(cr);
    // Helmet shell and visor.
    cairo_new_path(cr);
    cairo_arc(cr, 32, 28, 18, 0, 2 * M_PI);
    SetColor(cr, {0.88, 0.88, 0.86, 1});
    cairo_fill_preserve(cr);
    SetColor(cr, Grey(0.2));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 36, 28, 18, M_PI / 2, 3 * M_PI / 2);
    cairo_close_path(cr);
    SetColor(cr, {0.0, 0.0, 0.0, 0.12});
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 17, 24);
    cairo_curve_to(cr, 20, 18, 44, 18, 47, 24);
    cairo_line_to(cr, 45, 34);
    cairo_curve_to(cr, 40, 38, 24, 38, 19, 34);
    cairo_close_path(cr);
    SetColor(cr, {0.95, 0.6, 0.15, 1});
    cairo_fill_preserve(cr);
    SetColor(cr, Grey(0.15));
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 21, 24);
    cairo_curve_to(cr, 25, 21, 30, 21, 33, 22);
    cairo_line_to(cr, 25, 31);
    cairo_close_path(cr);
    SetColor(cr, Grey(1.0, 0.55));
    cairo_fill(cr);
    cairo_rectangle(cr, 30, 11, 4, 8);
    SetColor(cr, {0.25, 0.4, 0.7, 1});
    cairo_fill(cr);
    return canvas.Image();
}

} // namespace

ArtImage ArtDisruptor() {
    return MakeDisruptor();
}
ArtImage ArtTorpedo() {
    return MakeTorpedo();
}
ArtImage ArtLancer() {
    return MakeLancer();
}
ArtImage ArtSpark() {
    return MakeSpark();
}
ArtImage ArtMenuCursor() {
    return MakeMenuCursor();
}
ArtImage ArtGameCursor() {
    return MakeGameCursor();
}
ArtImage ArtAvatar() {
    return MakeAvatar();
}
