// The three ship sprites, seen from above with the nose up. Their weapon mounts, emitters and
// engines sit where the ship classes place their mounts.
#include "tools/assettool/art.h"
#include "tools/assettool/art_ship_kit.h"

namespace {

const Rgba WINDOW_LIGHT{1.0, 0.93, 0.7, 0.95};
const Rgba DARK_METAL{0.16, 0.18, 0.21, 1.0};

// Tessaly: a heavy cruiser with an armoured bow plate carrying the lancer strip, a central spine
// and two engine pods on swept pylons.
ArtImage MakeTessaly() {
    Canvas canvas(SHIP_SPRITE_SIZE, SHIP_SPRITE_SIZE);
    ShipKit k(canvas);
    const HullColors hull{{0.74, 0.77, 0.81, 1}, {0.2, 0.24, 0.32, 0.3}, {0.1, 0.12, 0.15, 1}};
    const HullColors dark{{0.42, 0.46, 0.52, 1}, {0.1, 0.12, 0.18, 0.35}, {0.08, 0.1, 0.12, 1}};
    const HullColors trim{{0.22, 0.38, 0.66, 1}, {0.05, 0.08, 0.2, 0.35}, {0.05, 0.08, 0.15, 1}};
    const Rgba line{0.25, 0.28, 0.33, 0.55};
    // Pylons and pods first so the hull overlaps their roots.
    k.MirrorPath({10, 14, 27, 22, 30, 30, 12, 34});
    k.Part(dark);
    k.Twin({27, 12, 32, 16, 33, 54, 30, 60, 25, 60, 23, 54, 23, 16}, hull);
    k.PanelLine(28, 20, 28, 52, line);
    k.Twin({23.5, 40, 32.6, 40, 32.7, 44, 23.5, 44}, trim);
    k.Engine(28, 60, 3.2, {0.35, 0.8, 1.0, 1});
    k.Engine(-28, 60, 3.2, {0.35, 0.8, 1.0, 1});
    // Spine and rear hull.
    k.MirrorPath({7, -8, 9, 6, 16, 14, 17, 36, 12, 46, 5, 48});
    k.Part(hull);
    k.MirrorPath({6, 16, 11, 18, 11, 36, 6, 40});
    k.Part(dark);
    k.PanelLine(11, 24, 17, 24, line);
    k.PanelLine(9, 6, 9, 46, line, 0.4);
    k.Engine(0, 48, 3.8, {0.35, 0.8, 1.0, 1});
    // Bow plate with its emitter strip.
    k.MirrorPath({0, -62, 14, -58, 26, -48, 31, -35, 29, -18, 20, -6, 8, -2});
    k.Part(hull);
    k.MirrorPath({0, -60.5, 13, -56.5, 24.5, -47, 29.3, -35, 28, -32, 23, -44, 12, -52, 0, -55});
    k.Part(trim);
    k.PanelLine(0, -46, 16, -40, line);
    k.PanelLine(16, -40, 22, -26, line);
    k.PanelLine(22, -26, 14, -12, line);
    k.MirrorPath({0, -44, 8, -41, 11, -33, 8, -24, 0, -21});
    k.Part(dark);
    k.Ellipse(0, -33, 4.5, 5.5);
    k.Part(hull);
    for (int i = 0; i < 4; ++i) k.Window(14 + i * 2.5, -30 + i * 4, WINDOW_LIGHT);
    k.Window(3, -14, WINDOW_LIGHT);
    k.Window(3, -10, WINDOW_LIGHT);
    // Torpedo tubes and lancer emitters.
    k.Hardpoint(0, -51, 1.6, DARK_METAL);
    k.Hardpoint(-25, -35, 1.6, DARK_METAL);
    k.Hardpoint(24, -35, 1.6, DARK_METAL);
    k.Hardpoint(0, 28, 1.8, DARK_METAL);
    k.Hardpoint(0, 20, 1.5, DARK_METAL);
    k.Hardpoint(18, 32, 1.8, {0.95, 0.45, 0.25, 1});
    k.Hardpoint(-18, 32, 1.8, {0.95, 0.45, 0.25, 1});
    return canvas.Image();
}

// Shrike: a fast raider with forward-swept wings, disruptor cannons at the wing tips and a
// torpedo tube under the nose.
ArtImage MakeShrike() {
    Canvas canvas(SHIP_SPRITE_SIZE, SHIP_SPRITE_SIZE);
    ShipKit k(canvas);
    const HullColors hull{{0.45, 0.49, 0.44, 1}, {0.1, 0.12, 0.08, 0.32}, {0.07, 0.08, 0.06, 1}};
    const HullColors plate{{0.58, 0.6, 0.52, 1}, {0.12, 0.14, 0.08, 0.3}, {0.07, 0.08, 0.06, 1}};
    const HullColors accent{{0.86, 0.55, 0.16, 1}, {0.3, 0.12, 0.0, 0.3}, {0.2, 0.1, 0.02, 1}};
    const HullColors gun{{0.28, 0.3, 0.3, 1}, {0.05, 0.05, 0.05, 0.3}, {0.05, 0.05, 0.05, 1}};
    const Rgba line{0.16, 0.18, 0.14, 0.6};
    // Wings and wing-tip cannons.
    k.MirrorPath({6, -4, 24, -16, 50, -30, 60, -30, 61, -14, 40, -2, 16, 22, 6, 24});
    k.Part(hull);
    k.Twin({14, -6, 46, -26, 52, -24, 20, 0}, plate);
    k.PanelLine(20, 8, 54, -18, line);
    k.PanelLine(12, -2, 14, 18, line);
    k.Twin({53, -38, 56, -40, 59, -38, 59, -12, 53, -12}, gun);
    k.Twin({52, -16, 60, -16, 60, -12, 52, -12}, accent);
    k.Hardpoint(56, -38, 1.4, {1.0, 0.6, 0.2, 1});
    k.Hardpoint(-56, -38, 1.4, {1.0, 0.6, 0.2, 1});
    // Fuselage and engines.
    k.MirrorPath({3, -46, 7, -38, 9, -16, 11, 10, 12, 34, 9, 42, 4, 44});
    k.Part(plate);
    k.MirrorPath({4, -28, 7, -22, 7, -8, 4, -4});
    k.Part(accent);
    k.Ellipse(0, -17, 4.2, 8);
    k.Part({{0.2, 0.3, 0.32, 1}, {0.0, 0.05, 0.08, 0.35}, {0.05, 0.06, 0.05, 1}});
    k.Ellipse(-1.4, -20, 1.2, 3.2);
    SetColor(k.cr(), Grey(1.0, 0.45));
    cairo_fill(k.cr());
    k.PanelLine(6, 0, 6, 36, line);
    k.PanelLine(0, 4, 6, 4, line, 0.4);
    k.PanelLine(0, 20, 9, 20, line, 0.4);
    k.Engine(6, 44, 3.0, {1.0, 0.55, 0.15, 1});
    k.Engine(-6, 44, 3.0, {1.0, 0.55, 0.15, 1});
    k.Hardpoint(0, -30, 1.5, DARK_METAL);
    return canvas.Image();
}

// Meridian: a long carrier with a crescent emitter wing at the bow, hangar blisters along its
// spine and a triple engine block.
ArtImage MakeMeridian() {
    Canvas canvas(SHIP_SPRITE_SIZE, SHIP_SPRITE_SIZE);
    ShipKit k(canvas);
    const HullColors hull{{0.86, 0.84, 0.78, 1}, {0.25, 0.22, 0.15, 0.28}, {0.14, 0.13, 0.1, 1}};
    const HullColors dark{{0.5, 0.5, 0.47, 1}, {0.1, 0.1, 0.06, 0.3}, {0.1, 0.1, 0.08, 1}};
    const HullColors teal{{0.12, 0.58, 0.6, 1}, {0.0, 0.12, 0.15, 0.3}, {0.02, 0.12, 0.14, 1}};
    const Rgba line{0.35, 0.33, 0.28, 0.55};
    // Spine.
    k.MirrorPath({5, -40, 11, -26, 12, 40, 10, 56, 4, 60});
    k.Part(hull);
    // Hangar blisters.
    k.Twin({11, 0, 19, 4, 21, 32, 17, 40, 11, 40}, dark);
    k.Twin({17.5, 10, 20.3, 12, 20.8, 30, 17.5, 32}, teal);
    for (int i = 0; i < 4; ++i) k.PanelLine(12, 6 + i * 8, 18, 6 + i * 8, line, 0.45);
    // Engine block.
    k.MirrorPath({2, 50, 11, 50, 13, 58, 2, 58});
    k.Part(dark);
    k.Engine(0, 59, 3.0, {0.55, 0.75, 1.0, 1});
    k.Engine(8, 59, 2.6, {0.55, 0.75, 1.0, 1});
    k.Engine(-8, 59, 2.6, {0.55, 0.75, 1.0, 1});
    // Crescent emitter wing.
    cairo_t* cr = k.cr();
    cairo_new_path(cr);
    cairo_move_to(cr, -36, -8);
    cairo_curve_to(cr, -34, -34, -16, -46, 0, -46);
    cairo_curve_to(cr, 16, -46, 34, -34, 36, -8);
    cairo_curve_to(cr, 31, -10, 26, -16, 20, -22);
    cairo_curve_to(cr, 12, -30, -12, -30, -20, -22);
    cairo_curve_to(cr, -26, -16, -31, -10, -36, -8);
    cairo_close_path(cr);
    k.Part(hull);
    cairo_new_path(cr);
    cairo_move_to(cr, -33, -14);
    cairo_curve_to(cr, -30, -34, -15, -44, 0, -44);
    cairo_curve_to(cr, 15, -44, 30, -34, 33, -14);
    cairo_curve_to(cr, 30, -28, 15, -41, 0, -41);
    cairo_curve_to(cr, -15, -41, -30, -28, -33, -14);
    cairo_close_path(cr);
    k.Part(teal);
    k.PanelLine(20, -22, 28, -36, line);
    k.PanelLine(8, -28, 10, -41, line);
    // Bridge and details along the spine.
    k.Ellipse(0, -10, 5, 8);
    k.Part(dark);
    k.Ellipse(0, -12, 2.5, 4);
    k.Part(teal);
    for (int i = 0; i < 6; ++i) k.Window(8, -20 + i * 9, WINDOW_LIGHT);
    k.PanelLine(5, 2, 5, 48, line, 0.4);
    k.Hardpoint(0, -20, 1.8, {0.3, 0.9, 0.9, 1});
    k.Hardpoint(0, -10, 1.5, DARK_METAL);
    k.Hardpoint(0, 55, 1.5, DARK_METAL);
    return canvas.Image();
}

} // namespace

ArtImage ArtTessaly() {
    return MakeTessaly();
}
ArtImage ArtShrike() {
    return MakeShrike();
}
ArtImage ArtMeridian() {
    return MakeMeridian();
}
