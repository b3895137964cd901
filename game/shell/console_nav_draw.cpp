// Drawing of the navigation console: the speed and limit bands with the lever, the corner and
// rim buttons, the dial face and the help icon; and the art helpers both corner consoles use.
#include <algorithm>
#include <cmath>

#include "engine/utils.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_hud.h"
#include "graphics/texture.h"
#include "game/shell/console_parts.h"
#include "game/shell/consoles.h"
#include "game/shell/resources.h"
#include "game/sim/objects.h"

namespace {
constexpr f32 SHEET = f32(CONSOLE_SHEET_SIZE);
constexpr u8 BUTTON_ALPHA = 200;
constexpr u8 HOVER_ALPHA = 255;
constexpr f32 DIMMED = 0.78431f;
constexpr int FAN_MAX = 2 * OUTLINE_MAX_POINTS + DIAL_FACE_POINTS;

// Bands of the dial, in screen units from the dial centre.
constexpr f32 LIMIT_INNER = 67.0f, LIMIT_OUTER = 77.0f, LIMIT_FADE = 80.0f;
constexpr f32 SPEED_INNER = 67.0f, SPEED_OUTER = 74.0f;
constexpr u8 BAND_ALPHA = 215;
constexpr f32 LEVER_AHEAD_DEG = 150.0f, LEVER_REVERSE_DEG = 55.0f;
constexpr f32 LIMIT_AHEAD_END = 152.0f, LIMIT_REVERSE_END = -56.0f;
constexpr f32 LIMIT_AHEAD_EDGE = 0.02f, LIMIT_REVERSE_EDGE = 0.04f;
constexpr f32 SPEED_AHEAD_DEG = 148.82f, SPEED_REVERSE_DEG = 53.82f;
constexpr f32 SPEED_EDGE = 0.01f;
constexpr int SPEED_STEPS = 127;
constexpr int LIMIT_STEPS = 12;
constexpr f32 LEVER_DRAW_AHEAD = 148.82f, LEVER_DRAW_REVERSE = 54.82f;
constexpr f32 LEVER_RADIUS = 84.0f, LEVER_ANGLE_LEAD = 3.0f, LEVER_TURN = 88.0f;
constexpr f32 LEVER_PIVOT_X = 698.0f, LEVER_PIVOT_Y = 498.0f;
constexpr f32 LEVER_W = 13.0f, LEVER_H = 21.0f;
constexpr u32 LIMIT_RED = MakeRGB(240, 0, 0);
constexpr u32 SPEED_BLUE = MakeRGB(50, 93, 171);
constexpr f32 HELP_SQUARE_X = 765, HELP_SQUARE_Y = 423, HELP_SQUARE_SIZE = 29;
constexpr f32 HELP_ICON_X = 762, HELP_ICON_Y = 420, HELP_ICON_SIZE = 35;

u32 WithAlpha(u32 rgb, f32 alpha) {
    alpha = std::clamp(alpha, 0.0f, 255.0f);
    return (rgb & 0x00FFFFFF) | (u32(alpha) << 24);
}

// A point of the dial at angle a (degrees from the left horizontal, positive upward).
ShadedVertex DialPoint(f32 a, f32 r, u32 color) {
    return {NAV_DIAL_CENTRE.x - CosDeg(a) * r, NAV_DIAL_CENTRE.y - SinDeg(a) * r, color};
}

// A ring band from angle `from` to `to`, between two radii, with the alpha of each angular
// sample given by `alphaAt` (0..1 over the band).
template <typename AlphaAt>
void DrawRingBand(f32 from, f32 to, f32 inner, f32 outer, u32 rgb, int steps, AlphaAt alphaAt,
                  bool fadeOutward) {
    constexpr int MAX_STEPS = SPEED_STEPS + 2;
    ShadedVertex strip[2 * (MAX_STEPS + 1)];
    steps = std::clamp(steps, 1, MAX_STEPS);
    int n = 0;
    for (int i = 0; i <= steps; ++i) {
        f32 t = f32(i) / f32(steps);
        f32 a = from + (to - from) * t;
        f32 alpha = alphaAt(t) * BAND_ALPHA;
        strip[n++] = DialPoint(a, inner, WithAlpha(rgb, alpha));
        strip[n++] = DialPoint(a, outer, WithAlpha(rgb, fadeOutward ? 0.0f : alpha));
    }
    glDrawShadedStrip(strip, n);
}

// One unusable end of the dial: red from `from` to `to`, soft over its first `edge` of the
// range, fading out beyond the outer radius.
void DrawLimitEnd(f32 from, f32 to, f32 edgeDeg) {
    f32 span = std::fabs(to - from);
    if (!(span > 0.0f)) return;
    auto soft = [&](f32 t) { return edgeDeg > 0.0f ? std::min(1.0f, t * span / edgeDeg) : 1.0f; };
    DrawRingBand(from, to, LIMIT_INNER, LIMIT_OUTER, LIMIT_RED, LIMIT_STEPS, soft, false);
    DrawRingBand(from, to, LIMIT_OUTER, LIMIT_FADE, LIMIT_RED, LIMIT_STEPS, soft, true);
}

void DrawLimitBands(const Ship& ship) {
    f32 factor = ship.engineFactor;
    if (!(factor < 1.0f)) return;
    factor = std::max(factor, 0.0f);
    DrawLimitEnd(factor * LEVER_AHEAD_DEG, LIMIT_AHEAD_END, LIMIT_AHEAD_EDGE * LEVER_AHEAD_DEG);
    DrawLimitEnd(-factor * LEVER_REVERSE_DEG, LIMIT_REVERSE_END,
                 LIMIT_REVERSE_EDGE * LEVER_REVERSE_DEG);
}

// The speed fraction, ahead positive, kept to -1..1 (0 for a class without speeds).
f32 SpeedFraction(const Ship& ship) {
    const ShipClass* cls = ship.shipClass;
    if (!cls) return 0.0f;
    f32 f = ship.impulseSpeed >= 0.0f ? ship.impulseSpeed / cls->maxSpeed
                                      : ship.impulseSpeed / -cls->maxReverse;
    if (!std::isfinite(f)) return 0.0f;
    return std::clamp(f, -1.0f, 1.0f);
}

void DrawSpeedBand(const Ship& ship) {
    f32 fraction = SpeedFraction(ship);
    f32 size = std::fabs(fraction);
    if (size <= 0.0f) return;
    f32 end = fraction * (fraction > 0.0f ? SPEED_AHEAD_DEG : SPEED_REVERSE_DEG);
    int steps = std::max(1, int(std::ceil(size * SPEED_STEPS)));
    auto fade = [&](f32 t) { return std::min(1.0f, (1.0f - t) * size / SPEED_EDGE); };
    DrawRingBand(0.0f, end, SPEED_INNER, SPEED_OUTER, SPEED_BLUE, steps, fade, false);
}

void DrawLever() {
    f32 lever = hud.speedLever;
    f32 a = lever * (lever > 0.0f ? LEVER_DRAW_AHEAD : LEVER_DRAW_REVERSE);
    f32 ox = LEVER_PIVOT_X - CosDeg(a - LEVER_ANGLE_LEAD) * LEVER_RADIUS;
    f32 oy = LEVER_PIVOT_Y - SinDeg(a - LEVER_ANGLE_LEAD) * LEVER_RADIUS;
    f32 c = CosDeg(a - LEVER_TURN), s = SinDeg(a - LEVER_TURN);
    const ArtRect r = NAV_LEVER_ICON;
    const f32 corners[4][2] = {{0, 0}, {LEVER_W, 0}, {LEVER_W, LEVER_H}, {0, LEVER_H}};
    const f32 tex[4][2] = {{f32(r.x), f32(r.y)},
                           {f32(r.x + r.w), f32(r.y)},
                           {f32(r.x + r.w), f32(r.y + r.h)},
                           {f32(r.x), f32(r.y + r.h)}};
    FanVertex quad[4];
    for (int i = 0; i < 4; ++i)
        quad[i] = {ox + corners[i][0] * c - corners[i][1] * s,
                   oy + corners[i][0] * s + corners[i][1] * c, tex[i][0] / SHEET,
                   tex[i][1] / SHEET};
    SetColor(MakeRGB(255, 255, 255));
    glDrawTexturedFan(hud.navTexture, quad, 4);
}

bool Pressed(i32 id, i32 (*hitTest)(f32, f32)) {
    MousePoint p = Mouse();
    return hud.hudHotId == id && hitTest(p.x, p.y) == id;
}

bool Hovered(i32 id, i32 (*hitTest)(f32, f32)) {
    MousePoint p = Mouse();
    return ConsoleKeyHeld() && hitTest(p.x, p.y) == id;
}

void DrawRimButtons() {
    const RimButtonArt* rim = NavRimButtonArt();
    for (int i = 0; i < RIM_BUTTON_COUNT; ++i) {
        const RimButtonArt& b = rim[i];
        bool pressed = Pressed(b.id, NavHitTest);
        SetColor(MakeRGBA(255, 255, 255, Hovered(b.id, NavHitTest) ? HOVER_ALPHA : BUTTON_ALPHA));
        DrawArtFan(hud.navTexture, b.points + (pressed ? 4 : 0), 4, b.offset[pressed ? 1 : 0],
                   CONSOLE_SCALE, NAV_ORIGIN);
    }
}

void DrawHelpIcon() {
    SetColor(HudTint(DIMMED, 255));
    glFillRect(HELP_SQUARE_X, HELP_SQUARE_Y, HELP_SQUARE_SIZE, HELP_SQUARE_SIZE);
    SetColor(MakeRGB(255, 255, 255));
    DrawSheetRegion(hud.navTexture, NAV_HELP_ICON, HELP_ICON_X, HELP_ICON_Y, HELP_ICON_SIZE,
                    HELP_ICON_SIZE);
}
} // namespace

u32 HudTint(f32 factor, u8 alpha) {
    u32 c = res.hudColor;
    return MakeRGBA(u8(ColorR(c) * factor), u8(ColorG(c) * factor), u8(ColorB(c) * factor), alpha);
}

void DrawArtFan(const Texture* sheet, const ArtPoint* points, int count, ArtPoint offset, f32 scale,
                ArtPoint origin) {
    FanVertex fan[FAN_MAX];
    count = std::min(count, FAN_MAX);
    for (int i = 0; i < count; ++i) {
        ArtPoint at = ArtToScreen(points[i], offset, scale, origin);
        fan[i] = {at.x, at.y, points[i].x / SHEET, points[i].y / SHEET};
    }
    glDrawTexturedFan(sheet, fan, count);
}

void DrawSheetRegion(const Texture* sheet, ArtRect region, f32 x, f32 y, f32 w, f32 h) {
    FanVertex quad[4] = {
        {x, y, region.x / SHEET, region.y / SHEET},
        {x + w, y, (region.x + region.w) / SHEET, region.y / SHEET},
        {x + w, y + h, (region.x + region.w) / SHEET, (region.y + region.h) / SHEET},
        {x, y + h, region.x / SHEET, (region.y + region.h) / SHEET}};
    glDrawTexturedFan(sheet, quad, 4);
}

void DrawCornerButtons(const ButtonArt* buttons, const Texture* sheet, ArtPoint origin,
                       i32 (*hitTest)(f32, f32)) {
    for (int i = 0; i < CORNER_BUTTON_COUNT; ++i) {
        const ButtonArt& b = buttons[i];
        int state = Pressed(b.id, hitTest) ? 1 : 0;
        int count = std::min<int>(b.pointCount, OUTLINE_MAX_POINTS);
        SetColor(HudTint(1.0f, Hovered(b.id, hitTest) ? HOVER_ALPHA : BUTTON_ALPHA));
        DrawArtFan(sheet, b.points + state * count, count, b.offset[state], CONSOLE_SCALE, origin);
        if (b.icon.w == 0) continue;
        SetColor(MakeRGB(255, 255, 255));
        DrawSheetRegion(sheet, b.icon, b.iconPos[state].x, b.iconPos[state].y, b.icon.w * 0.5f,
                        b.icon.h * 0.5f);
    }
}

void DrawNavConsole() {
    PushColor();
    const Ship* ship = world.playerShip;
    if (ship && ship->warpFactor <= 0.0f) {
        DrawLimitBands(*ship);
        DrawSpeedBand(*ship);
        DrawLever();
    }
    DrawCornerButtons(NavButtonArt(), hud.navTexture, NAV_ORIGIN, NavHitTest);
    DrawRimButtons();
    SetColor(MakeRGB(255, 255, 255));
    DrawArtFan(hud.navTexture, DialFaceFan(), DIAL_FACE_POINTS, DIAL_FACE_OFFSET, CONSOLE_SCALE,
               NAV_ORIGIN);
    DrawHelpIcon();
    DrawTooltip();
    PopColor();
}
