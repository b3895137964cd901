// The language flags of the menu, 69 x 42 and shown pixel for pixel: England's language by the
// Union flag, then Croatia, Czechia, Poland, Germany, Italy, Spain and Finland.
#include <cmath>

#include "tools/assettool/art.h"

namespace {

constexpr f64 W = FLAG_WIDTH, H = FLAG_HEIGHT;
const Rgba WHITE{1, 1, 1, 1};
const Rgba FLAG_RED{0.8, 0.08, 0.15, 1};
const Rgba FLAG_BLUE{0.0, 0.2, 0.5, 1};

void Rect(cairo_t* cr, f64 x, f64 y, f64 w, f64 h, Rgba c) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x, y, w, h);
    SetColor(cr, c);
    cairo_fill(cr);
}

void HorizontalBands(cairo_t* cr, std::initializer_list<Rgba> bands) {
    const f64 h = H / bands.size();
    int i = 0;
    for (const Rgba& c : bands) Rect(cr, 0, std::round(i++ * h), W, std::round(h) + 1, c);
}

void VerticalBands(cairo_t* cr, std::initializer_list<Rgba> bands) {
    const f64 w = W / bands.size();
    int i = 0;
    for (const Rgba& c : bands) Rect(cr, std::round(i++ * w), 0, std::round(w) + 1, H, c);
}

// A faint sheen and a thin frame so the flags look like finished buttons.
ArtImage Finish(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    cairo_new_path(cr);
    cairo_rectangle(cr, 0.5, 0.5, W - 1, H - 1);
    SetColor(cr, Grey(0.0, 0.35));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    return canvas.Image();
}

ArtImage MakeUnion() {
    Canvas canvas(FLAG_WIDTH, FLAG_HEIGHT);
    cairo_t* cr = canvas.cr();
    Rect(cr, 0, 0, W, H, {0.0, 0.14, 0.45, 1});
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    auto diagonals = [&](f64 width, Rgba c) {
        SetColor(cr, c);
        cairo_set_line_width(cr, width);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, W, H);
        cairo_move_to(cr, W, 0);
        cairo_line_to(cr, 0, H);
        cairo_stroke(cr);
    };
    diagonals(H * 0.2, WHITE);
    // The red saltire is offset anticlockwise in each quarter.
    cairo_save(cr);
    const f64 half = H * 0.0667;
    SetColor(cr, FLAG_RED);
    cairo_set_line_width(cr, half);
    const f64 dx = half / 2 * W / std::hypot(W, H) * 1.2,
              dy = half / 2 * H / std::hypot(W, H) * 1.9;
    cairo_move_to(cr, 0, 0 + dy);
    cairo_line_to(cr, W / 2, H / 2 + dy);
    cairo_move_to(cr, W, H - dy);
    cairo_line_to(cr, W / 2, H / 2 - dy);
    cairo_move_to(cr, W - dx, 0);
    cairo_line_to(cr, W / 2 - dx, H / 2);
    cairo_move_to(cr, dx, H);
    cairo_line_to(cr, W / 2 + dx, H / 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    Rect(cr, W / 2 - H / 6, 0, H / 3, H, WHITE);
    Rect(cr, 0, H / 2 - H / 6, W, H / 3, WHITE);
    Rect(cr, W / 2 - H / 10, 0, H / 5, H, FLAG_RED);
    Rect(cr, 0, H / 2 - H / 10, W, H / 5, FLAG_RED);
    return Finish(canvas);
}

ArtImage MakeCroatia() {
    Canvas canvas(FLAG_WIDTH, FLAG_HEIGHT);
    cairo_t* cr = canvas.cr();
    HorizontalBands(cr, {{0.85, 0.1, 0.15, 1}, WHITE, {0.1, 0.2, 0.55, 1}});
    // The chequered shield in the middle, five by five squares.
    const f64 sq = 2.6, sx = W / 2 - 2.5 * sq, sy = H / 2 - 2.9 * sq;
    cairo_new_path(cr);
    cairo_move_to(cr, sx, sy);
    cairo_line_to(cr, sx + 5 * sq, sy);
    cairo_line_to(cr, sx + 5 * sq, sy + 4 * sq);
    cairo_curve_to(cr, sx + 5 * sq, sy + 5.4 * sq, sx + 3.2 * sq, sy + 5.8 * sq, sx + 2.5 * sq,
                   sy + 6.3 * sq);
    cairo_curve_to(cr, sx + 1.8 * sq, sy + 5.8 * sq, sx, sy + 5.4 * sq, sx, sy + 4 * sq);
    cairo_close_path(cr);
    SetColor(cr, WHITE);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 5; ++col)
            if ((row + col) % 2 == 0)
                Rect(cr, sx + col * sq, sy + row * sq, sq, sq, {0.85, 0.1, 0.15, 1});
    cairo_restore(cr);
    SetColor(cr, {0.1, 0.2, 0.55, 1});
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    return Finish(canvas);
}

ArtImage MakeCzech() {
    Canvas canvas(FLAG_WIDTH, FLAG_HEIGHT);
    cairo_t* cr = canvas.cr();
    HorizontalBands(cr, {WHITE, {0.84, 0.08, 0.12, 1}});
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, W / 2, H / 2);
    cairo_line_to(cr, 0, H);
    cairo_close_path(cr);
    SetColor(cr, {0.07, 0.27, 0.49, 1});
    cairo_fill(cr);
    return Finish(canvas);
}

ArtImage MakePoland() {
    Canvas canvas(FLAG_WIDTH, FLAG_HEIGHT);
    HorizontalBands(canvas.cr(), {WHITE, {0.86, 0.08, 0.24, 1}});
    return Finish(canvas);
}

ArtImage MakeGermany() {
    Canvas canvas(FLAG_WIDTH, FLAG_HEIGHT);
    HorizontalBands(canvas.cr(), {{0, 0, 0, 1}, {0.87, 0, 0, 1}, {1.0, 0.81, 0, 1}});
    return Finish(canvas);
}

ArtImage MakeItaly() {
    Canvas canvas(FLAG_WIDTH, FLAG_HEIGHT);
    VerticalBands(canvas.cr(), {{0, 0.57, 0.27, 1}, WHITE, {0.81, 0.17, 0.22, 1}});
    return Finish(canvas);
}

ArtImage MakeSpain() {
    Canvas canvas(FLAG_WIDTH, FLAG_HEIGHT);
    cairo_t* cr = canvas.cr();
    const Rgba red{0.67, 0.08, 0.11, 1}, gold{0.95, 0.75, 0.0, 1};
    Rect(cr, 0, 0, W, H, red);
    Rect(cr, 0, H / 4, W, H / 2, gold);
    // A simplified arms: crowned shield between two pillars, toward the hoist.
    const f64 cx = W * 0.32, cy = H / 2;
    Rect(cr, cx - 9, cy - 6, 2.2, 12, Grey(0.85));
    Rect(cr, cx + 6.8, cy - 6, 2.2, 12, Grey(0.85));
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 5, cy - 5);
    cairo_line_to(cr, cx + 5, cy - 5);
    cairo_line_to(cr, cx + 5, cy + 2);
    cairo_curve_to(cr, cx + 5, cy + 5, cx + 2, cy + 6.5, cx, cy + 7);
    cairo_curve_to(cr, cx - 2, cy + 6.5, cx - 5, cy + 5, cx - 5, cy + 2);
    cairo_close_path(cr);
    SetColor(cr, red);
    cairo_fill_preserve(cr);
    SetColor(cr, {0.45, 0.3, 0.05, 1});
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    Rect(cr, cx, cy - 5, 5, 5.5, {0.9, 0.85, 0.6, 1});
    Rect(cr, cx - 4, cy - 8.5, 8, 2.5, gold);
    return Finish(canvas);
}

ArtImage MakeFinland() {
    Canvas canvas(FLAG_WIDTH, FLAG_HEIGHT);
    cairo_t* cr = canvas.cr();
    const Rgba blue{0.0, 0.21, 0.5, 1};
    Rect(cr, 0, 0, W, H, WHITE);
    const f64 bar = H * 3 / 11;
    Rect(cr, W * 5 / 18 - bar / 2 + bar / 2, 0, bar, H, blue);
    Rect(cr, 0, H / 2 - bar / 2, W, bar, blue);
    return Finish(canvas);
}

} // namespace

ArtImage ArtFlagEng() {
    return MakeUnion();
}
ArtImage ArtFlagCro() {
    return MakeCroatia();
}
ArtImage ArtFlagCz() {
    return MakeCzech();
}
ArtImage ArtFlagPl() {
    return MakePoland();
}
ArtImage ArtFlagDe() {
    return MakeGermany();
}
ArtImage ArtFlagIt() {
    return MakeItaly();
}
ArtImage ArtFlagSpa() {
    return MakeSpain();
}
ArtImage ArtFlagFin() {
    return MakeFinland();
}
