// The power display: the frame, the four system bars and the reserve bar (with the overload
// colour cycle, priority markers and ghost bars of pending requests), the health figure, the
// hull-plating bar and the cost markers along the reserve.
#include <algorithm>
#include <cmath>

#include "engine/utils.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_hud.h"
#include "graphics/font.h"
#include "game/shell/console_parts.h"
#include "game/shell/consoles.h"
#include "game/shell/loc.h"
#include "game/sim/objects.h"
#include "game/sim/power.h"

namespace {
constexpr u8 FRAME_ALPHA = 200;
constexpr f32 DIMMED = 0.78431f;
constexpr f32 MIN_BAR = 7.0f;
constexpr f32 HALF = 0.5f; // bar pieces are drawn at half their sheet size
constexpr int RESERVE_BAR = POWER_SYSTEMS;
constexpr f32 MARKER_LINE_H = 10.0f;
constexpr f32 MARKER_OFFSET = 5.0f;
constexpr f32 GHOST_ALPHA = 0.4f;
constexpr int HEALTH_SHIELDS = 1;
constexpr f32 HEALTH_X = 400, HEALTH_Y = 572, HEALTH_SCALE = 0.85f;
constexpr f32 CAPTION_X = 400, CAPTION_Y = 503, CAPTION_PAD = 10, CAPTION_H = 15;
constexpr u32 TEXT_PLATING = 52;
constexpr int PLATING_SEGMENTS = 10;
constexpr f32 PLATING_X = 335, PLATING_Y = 518, PLATING_SEG_W = 13, PLATING_SEG_H = 10;
constexpr f32 PLATING_STEP = 0.1f, PLATING_ALPHA_RATE = 2150.0f;
constexpr f32 PLATING_MAX_ALPHA = 215.0f;
constexpr f32 MARKER_W = 9.0f, MARKER_H = 13.5f, MARKER_DROP = 2.0f;

f32 ReactorOutput() {
    const Ship* ship = world.playerShip;
    return ship && ship->shipClass ? ship->shipClass->reactorOutput : 0.0f;
}

// A length on the reserve bar for an amount of energy.
f32 ReserveLength(f32 amount) {
    f32 output = ReactorOutput();
    if (!(output > 0.0f)) return 0.0f;
    f32 length = amount / output * RESERVE_BAR_FULL;
    return std::isfinite(length) ? length : 0.0f;
}

ArtPoint BarPos(int bar) {
    if (bar == RESERVE_BAR) return {hud.reserveBarX, hud.reserveBarY};
    return {systems.powerSlider[bar].x, systems.powerSlider[bar].y};
}

f32 BarLength(int bar) {
    if (bar == RESERVE_BAR) return ReserveLength(systems.reserveEnergy);
    return systems.powerLevel[bar] * POWER_BAR_FULL;
}

bool Overloaded(int bar) {
    return bar < RESERVE_BAR && systems.overloadedSystem == u16(bar);
}

// The overload cycle: each component's integer value keeps only its low byte.
u32 OverloadColour() {
    f32 p = power.blinkPhase;
    auto channel = [](f32 v) { return u8(i32(255.0f * v) & 0xFF); };
    return MakeRGB(channel(std::sin(p * p)), channel(std::sin(2.0f * p)),
                   channel(std::sin(3.0f * p * p * p)));
}

// Caps and a stretched middle; a bar below the minimum is drawn at the minimum, fainter.
void DrawBarPieces(ArtPoint at, f32 length, u32 rgb) {
    f32 alpha = 255.0f;
    if (length < MIN_BAR) {
        alpha = std::max(0.0f, length) * 255.0f / MIN_BAR;
        length = MIN_BAR;
    }
    f32 left = POWER_BAR_LEFT.w * HALF, right = POWER_BAR_RIGHT.w * HALF;
    f32 squeeze = std::min(1.0f, length / (left + right));
    left *= squeeze;
    right *= squeeze;
    SetColor((rgb & 0x00FFFFFF) | (u32(alpha) << 24));
    DrawSheetRegion(hud.powerTexture, POWER_BAR_LEFT, at.x, at.y, left, POWER_BAR_HEIGHT);
    DrawSheetRegion(hud.powerTexture, POWER_BAR_MIDDLE, at.x + left, at.y, length - left - right,
                    POWER_BAR_HEIGHT);
    DrawSheetRegion(hud.powerTexture, POWER_BAR_RIGHT, at.x + length - right, at.y, right,
                    POWER_BAR_HEIGHT);
}

void DrawFrame() {
    SetColor(HudTint(1.0f, FRAME_ALPHA));
    for (const FramePolygon& polygon : POWER_FRAME)
        DrawArtFan(hud.powerTexture, polygon.points,
                   std::min<int>(polygon.pointCount, FRAME_MAX_POINTS), POWER_FRAME_OFFSET,
                   POWER_FRAME_SCALE, POWER_FRAME_ORIGIN);
}

void DrawBars() {
    for (int bar = 0; bar <= RESERVE_BAR; ++bar) {
        if (Overloaded(bar))
            DrawBarPieces(BarPos(bar), POWER_BAR_FULL, OverloadColour());
        else
            DrawBarPieces(BarPos(bar), BarLength(bar), HudTint(DIMMED, 255));
    }
}

void DrawPriorityMarkers() {
    for (int i = 0; i < POWER_SYSTEMS; ++i) {
        if (!systems.powerPriority[i] || Overloaded(i)) continue;
        ArtPoint at = BarPos(i);
        f32 x = at.x + MARKER_OFFSET + systems.powerRequest[i] * POWER_BAR_FULL;
        SetColorF(0.0f, 0.0f, 0.0f, 0.5f);
        glFillRect(x - 1.5f, at.y, 3.0f, MARKER_LINE_H);
        SetColorF(1.0f, 0.5f, 0.0f, 0.8f);
        glFillRect(x - 0.5f, at.y, 1.0f, MARKER_LINE_H);
        glFillRect(x - 2.0f, at.y, 4.0f, 1.0f);
        glFillRect(x - 2.0f, at.y + MARKER_LINE_H - 1.0f, 4.0f, 1.0f);
    }
}

void DrawGhostBars() {
    SetColorF(0.0f, 0.0f, 0.0f, GHOST_ALPHA);
    for (int bar = 0; bar <= RESERVE_BAR; ++bar) {
        if (Overloaded(bar)) continue;
        f32 requested, current;
        if (bar == RESERVE_BAR) {
            requested = systems.sparePower;
            current = systems.reserveEnergy;
        } else {
            requested = systems.powerRequest[bar];
            current = systems.powerLevel[bar];
        }
        if (requested == current) continue;
        f32 length = bar == RESERVE_BAR ? ReserveLength(requested) : requested * POWER_BAR_FULL;
        ArtPoint at = BarPos(bar);
        glFillRect(at.x, at.y, std::max(MIN_BAR, length), POWER_BAR_HEIGHT);
    }
}

void DrawHealth() {
    SetColor(MakeRGB(0, 255, 0));
    DrawSheetRegion(hud.powerTexture, POWER_HEALTH_ICON, HEALTH_ICON_POS.x, HEALTH_ICON_POS.y,
                    HEALTH_ICON_SIZE.x, HEALTH_ICON_SIZE.y);
    Font* font = GetFont();
    if (!font) return;
    f32 scale = font->scale;
    font->scale = scale * HEALTH_SCALE;
    SetColor(MakeRGB(255, 255, 255));
    DrawText(HEALTH_X, HEALTH_Y,
             StrFormat("%.0f%%", double(systems.systemHealth[HEALTH_SHIELDS] * 100.0f)),
             ALIGN_CENTER);
    font->scale = scale;
}

void DrawPlating() {
    if (!systems.hullPolarized) return;
    const char* caption = GameText(TEXT_PLATING);
    f32 width = TextWidth(caption);
    SetColorF(0.3f, 0.3f, 0.34f, 0.5f);
    glFillRect(CAPTION_X - (width + CAPTION_PAD) * 0.5f, CAPTION_Y, width + CAPTION_PAD, CAPTION_H);
    SetColor(MakeRGB(255, 255, 255));
    DrawText(CAPTION_X, CAPTION_Y, caption, ALIGN_CENTER);
    for (int i = 0; i < PLATING_SEGMENTS; ++i) {
        f32 v = (systems.hullPlating - PLATING_STEP * f32(i)) * PLATING_ALPHA_RATE;
        if (!(v > 0.0f)) break;
        SetColor(MakeRGBA(50, 93, 171, u8(std::min(v, PLATING_MAX_ALPHA))));
        glFillRect(PLATING_X + PLATING_SEG_W * f32(i), PLATING_Y, PLATING_SEG_W, PLATING_SEG_H);
    }
    SetColor(MakeRGB(255, 255, 255));
    glDrawRect(PLATING_X, PLATING_Y, PLATING_SEG_W * PLATING_SEGMENTS, PLATING_SEG_H);
    for (int k = 1; k < PLATING_SEGMENTS; ++k) {
        f32 x = PLATING_X + PLATING_SEG_W * f32(k);
        glDrawLine(x, PLATING_Y, x, PLATING_Y + PLATING_SEG_H);
    }
}

void DrawCostMarker(f32 cost, ArtRect icon) {
    if (systems.reserveEnergy >= cost)
        SetColor(MakeRGB(255, 255, 255));
    else
        SetColorF(1.0f, 0.3f, 0.0f, 1.0f);
    DrawSheetRegion(hud.powerTexture, icon, hud.reserveBarX + ReserveLength(cost),
                    hud.reserveBarY + MARKER_DROP, MARKER_W, MARKER_H);
}

void DrawCostMarkers() {
    const Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass) return;
    const ShipClass& cls = *ship->shipClass;
    if (ship->warpFactor == 0.0f) DrawCostMarker(cls.warpCost, MARKER_WARP);
    DrawCostMarker(cls.reserveMarker, MARKER_RESERVE);
    if (cls.cloakDrain != 0.0f && ship->cloakLevel == 0.0f)
        DrawCostMarker(cls.cloakMinReserve, MARKER_CLOAK);
    if (!systems.hullPolarized) DrawCostMarker(cls.polarizeCost, MARKER_POLARIZE);
}
} // namespace

void DrawPowerDisplay() {
    PushColor();
    DrawFrame();
    DrawBars();
    DrawPriorityMarkers();
    DrawGhostBars();
    DrawHealth();
    DrawPlating();
    DrawCostMarkers();
    PopColor();
}
