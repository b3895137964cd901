// Screen-space notices over the scene: the cloak, warp and plating indicators at the lower right
// and the pause box.
#include <cstdio>

#include "engine/loop.h"
#include "engine/utils.h"
#include "game/shell/console_art.h"
#include "game/shell/consoles.h"
#include "game/shell/loc.h"
#include "game/shell/resources.h"
#include "game/sim/objects.h"
#include "game/sim/scene.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/font.h"

namespace {
constexpr f32 ICON_X = 520.0f, TEXT_X = 545.0f;
constexpr f32 FIRST_ICON_Y = 580.0f, FIRST_TEXT_Y = 575.0f, LINE_STEP = 20.0f;
constexpr f32 TEXT_ALPHA = 0.85f;
constexpr f32 ICON_W = 22.0f, ICON_H = 16.0f, WARP_ICON_W = 21.0f, WARP_ICON_H = 17.0f;
constexpr f32 SECONDS_PER_MINUTE = 60.0f;
constexpr f32 PERCENT = 100.0f;
constexpr u32 PAUSE_TEXT = 26;
constexpr f32 PAUSE_PADDING = 20.0f, PAUSE_HEIGHT = 30.0f, PAUSE_TOP = 284.0f,
              PAUSE_TEXT_Y = 289.0f;
constexpr f32 SCREEN_CENTRE_X = 400.0f;
constexpr int CLOCK_TEXT = 32;
// Larger times would only overflow the minutes; the indicator shows at most this.
constexpr f32 CLOCK_LIMIT = 5999.0f;

struct Indicator {
    f32 iconY, textY;
};

// "%.2i:%.2i" minutes and seconds of a time that may be anything, NaN included.
void FormatClock(f32 seconds, char* out) {
    if (!(seconds > 0.0f)) seconds = 0.0f;
    if (seconds > CLOCK_LIMIT) seconds = CLOCK_LIMIT;
    int whole = int(seconds);
    std::snprintf(out, CLOCK_TEXT, "%.2i:%.2i", whole / int(SECONDS_PER_MINUTE),
                  whole % int(SECONDS_PER_MINUTE));
}

void ShowLine(Indicator* at, ArtRect icon, f32 w, f32 h, bool warning, const char* text) {
    if (warning)
        SetColorF(1.0f, 0.3f, 0.0f, 0.75f);
    else
        SetColorF(1.0f, 1.0f, 1.0f, TEXT_ALPHA);
    glDrawTextureRect(ICON_X, at->iconY, w, h, hud.tacticalTexture,
                      glTempRect(icon.x, icon.y, icon.w, icon.h));
    SetColorF(1.0f, 1.0f, 1.0f, TEXT_ALPHA);
    DrawText(TEXT_X, at->textY, text, ALIGN_LEFT);
    at->iconY -= LINE_STEP;
    at->textY -= LINE_STEP;
}

void CloakLine(const Ship& ship, Indicator* at) {
    char text[CLOCK_TEXT];
    if (systems.cloakCooldown > 0.0f) {
        FormatClock(systems.cloakCooldown, text);
        ShowLine(at, CLOAK_ICON, ICON_W, ICON_H, true, text);
    } else if (ship.cloakLevel == 1.0f) {
        f32 drain = ship.shipClass ? ship.shipClass->cloakDrain : 0.0f;
        FormatClock(drain > 0.0f ? systems.reserveEnergy / drain : 0.0f, text);
        ShowLine(at, CLOAK_ICON, ICON_W, ICON_H, false, text);
    }
}

void WarpLine(const Ship& ship, Indicator* at) {
    if (!(ship.warpFactor > 0.0f)) return;
    const char* text = ship.warpFactor == ship.warpTarget
                           ? StrFormat("%.1f", f64(ship.warpFactor))
                           : StrFormat("%.1f/%.1f", f64(ship.warpFactor), f64(ship.warpTarget));
    ShowLine(at, WARP_ICON, WARP_ICON_W, WARP_ICON_H, false, text);
}

void PlatingLine(Indicator* at) {
    char text[CLOCK_TEXT];
    if (systems.polarizeCooldown > 0.0f) {
        FormatClock(systems.polarizeCooldown, text);
        ShowLine(at, PLATING_ICON, ICON_W, ICON_H, true, text);
    } else if (systems.hullPolarized) {
        ShowLine(at, PLATING_ICON, ICON_W, ICON_H, false,
                 StrFormat("%i%%", int(systems.hullPlating * PERCENT)));
    }
}
} // namespace

void DrawStatusIndicators() {
    const Ship* ship = world.playerShip;
    if (!ship) return;
    SetFont(res.largeFont);
    Indicator at{FIRST_ICON_Y, FIRST_TEXT_Y};
    CloakLine(*ship, &at);
    WarpLine(*ship, &at);
    PlatingLine(&at);
    SetFont(res.smallFont);
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
}

void DrawPauseBox() {
    if (!IsPaused()) return;
    const char* text = GameText(PAUSE_TEXT);
    f32 width = TextWidth(text) + PAUSE_PADDING;
    SetColorF(0.3f, 0.3f, 0.34f, 0.5f);
    glFillRect(SCREEN_CENTRE_X - width / 2, PAUSE_TOP, width, PAUSE_HEIGHT);
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
    DrawText(SCREEN_CENTRE_X, PAUSE_TEXT_Y, text, ALIGN_CENTER);
}
