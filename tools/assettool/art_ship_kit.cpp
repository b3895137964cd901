// The ship drawing kit: world transform, mirrored paths and the flat-shaded hull parts.
#include "tools/assettool/art_ship_kit.h"

#include <cmath>

#include "game/shell/console_art.h"

namespace {
constexpr f64 WORLD_HALF = 64.0; // sprite half edge in world units
constexpr f64 OUTLINE = 0.7;     // world units
constexpr f64 RIM_LIGHT = 1.6;
} // namespace

ShipKit::ShipKit(Canvas& canvas) : cr_(canvas.cr()) {
    const f64 scale = SHIP_SPRITE_SIZE / (2 * WORLD_HALF);
    cairo_translate(cr_, SHIP_SPRITE_SIZE / 2.0, SHIP_SPRITE_SIZE / 2.0);
    cairo_scale(cr_, scale, scale);
}

void ShipKit::MirrorPath(std::initializer_list<f64> rightSide) const {
    cairo_new_path(cr_);
    for (auto it = rightSide.begin(); it != rightSide.end(); it += 2)
        cairo_line_to(cr_, it[0], it[1]);
    for (auto it = rightSide.end(); it != rightSide.begin(); it -= 2)
        cairo_line_to(cr_, -it[-2], it[-1]);
    cairo_close_path(cr_);
}

void ShipKit::Path(std::initializer_list<f64> xy, bool mirrored) const {
    const f64 side = mirrored ? -1 : 1;
    cairo_new_path(cr_);
    for (auto it = xy.begin(); it != xy.end(); it += 2) cairo_line_to(cr_, side * it[0], it[1]);
    cairo_close_path(cr_);
}

void ShipKit::Twin(std::initializer_list<f64> xy, const HullColors& c) const {
    Path(xy);
    Part(c);
    Path(xy, true);
    Part(c);
}

void ShipKit::Part(const HullColors& c) const {
    cairo_save(cr_);
    cairo_path_t* path = cairo_copy_path(cr_);
    f64 x0, y0, x1, y1;
    cairo_path_extents(cr_, &x0, &y0, &x1, &y1);
    const f64 middle = (x0 + x1) / 2;
    cairo_clip_preserve(cr_);
    SetColor(cr_, c.base);
    cairo_fill(cr_);
    SetColor(cr_, c.shadow);
    cairo_rectangle(cr_, middle, -WORLD_HALF, WORLD_HALF, 2 * WORLD_HALF);
    cairo_fill(cr_);
    // Lit rim on the port (left) side.
    cairo_rectangle(cr_, middle - 2 * WORLD_HALF, -WORLD_HALF, 2 * WORLD_HALF, 2 * WORLD_HALF);
    cairo_clip(cr_);
    cairo_append_path(cr_, path);
    SetColor(cr_, Grey(1.0, 0.3));
    cairo_set_line_width(cr_, RIM_LIGHT * 2);
    cairo_stroke(cr_);
    cairo_restore(cr_);
    cairo_new_path(cr_);
    cairo_append_path(cr_, path);
    SetColor(cr_, c.line);
    cairo_set_line_width(cr_, OUTLINE);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr_);
    cairo_path_destroy(path);
}

void ShipKit::Ellipse(f64 cx, f64 cy, f64 rx, f64 ry) const {
    cairo_new_path(cr_);
    cairo_save(cr_);
    cairo_translate(cr_, cx, cy);
    cairo_scale(cr_, rx, ry);
    cairo_arc(cr_, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr_);
}

void ShipKit::PanelLine(f64 x0, f64 y0, f64 x1, f64 y1, const Rgba& c, f64 width) const {
    SetColor(cr_, c);
    cairo_set_line_width(cr_, width);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    cairo_new_path(cr_);
    cairo_move_to(cr_, x0, y0);
    cairo_line_to(cr_, x1, y1);
    cairo_move_to(cr_, -x0, y0);
    cairo_line_to(cr_, -x1, y1);
    cairo_stroke(cr_);
}

void ShipKit::Window(f64 x, f64 y, const Rgba& c) const {
    SetColor(cr_, c);
    cairo_new_path(cr_);
    cairo_arc(cr_, x, y, 0.7, 0, 2 * M_PI);
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, -x, y, 0.7, 0, 2 * M_PI);
    cairo_fill(cr_);
}

void ShipKit::Engine(f64 x, f64 y, f64 r, const Rgba& glow) const {
    FillGlow(cr_, x, y, r * 2.6, {glow.r, glow.g, glow.b, 0.7});
    Ellipse(x, y, r, r * 0.6);
    SetColor(cr_, {glow.r * 0.5 + 0.5, glow.g * 0.5 + 0.5, glow.b * 0.5 + 0.5, 1.0});
    cairo_fill(cr_);
    Ellipse(x, y, r * 0.5, r * 0.3);
    SetColor(cr_, Grey(1.0));
    cairo_fill(cr_);
}

void ShipKit::Hardpoint(f64 x, f64 y, f64 r, const Rgba& c) const {
    cairo_new_path(cr_);
    cairo_arc(cr_, x, y, r, 0, 2 * M_PI);
    SetColor(cr_, c);
    cairo_fill_preserve(cr_);
    SetColor(cr_, Grey(0.05, 0.8));
    cairo_set_line_width(cr_, 0.5);
    cairo_stroke(cr_);
}
