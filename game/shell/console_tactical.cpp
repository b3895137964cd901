// The tactical console: the mirror of the navigation corner with five buttons, the torpedo
// spread indicator, and the weapon status the simulation draws inside it.
#include "engine/utils.h"
#include "graphics/color.h"
#include "game/shell/console_parts.h"
#include "game/shell/consoles.h"
#include "game/sim/flight.h"
#include "game/sim/objects.h"
#include "game/sim/tactical.h"
#include "game/sim/weapons.h"

namespace {
constexpr ArtPoint C = TACTICAL_DIAL_CENTRE;
constexpr i32 FIRST_TACTICAL_ID = 25;
constexpr i32 SPREAD_ID = 26;
constexpr int CLOAK_HEALTH = 5; // systemHealth entry of the cloaking device
constexpr f32 CORNER_X = 0, CORNER_Y = 464, CORNER_W = 138, CORNER_H = 136;
constexpr f32 PRESS_X = 0, PRESS_Y = 460, PRESS_W = 170, PRESS_H = 140;
constexpr f32 TORPEDO_SIZE = 13.0f;
constexpr f32 PRESS_SHIFT = 2.0f;
constexpr ArtPoint SINGLE_TORPEDO{6, 523};
constexpr ArtPoint SPREAD_TORPEDOES[3] = {{4, 518}, {11, 525}, {4, 532}};

const ButtonAction TACTICAL_ACTIONS[CORNER_BUTTON_COUNT] = {nullptr, ToggleTorpedoSpread, nullptr,
                                                            ToggleCloak, nullptr};

void DrawSpreadIndicator() {
    MousePoint p = Mouse();
    bool pressed = hud.hudHotId == SPREAD_ID && TacticalHitTest(p.x, p.y) == SPREAD_ID;
    f32 shift = pressed ? PRESS_SHIFT : 0.0f;
    SetColor(MakeRGB(255, 255, 255));
    if (!systems.torpedoSpread) {
        DrawSheetRegion(hud.tacticalTexture, TACTICAL_TORPEDO_ICON, SINGLE_TORPEDO.x + shift,
                        SINGLE_TORPEDO.y + shift, TORPEDO_SIZE, TORPEDO_SIZE);
        return;
    }
    for (ArtPoint at : SPREAD_TORPEDOES)
        DrawSheetRegion(hud.tacticalTexture, TACTICAL_TORPEDO_ICON, at.x + shift, at.y + shift,
                        TORPEDO_SIZE, TORPEDO_SIZE);
}
} // namespace

ButtonAction TacticalCornerAction(int index) {
    return index >= 0 && index < CORNER_BUTTON_COUNT ? TACTICAL_ACTIONS[index] : nullptr;
}

i32 TacticalHitTest(f32 x, f32 y) {
    if (!PointInRect(x, y, CORNER_X, CORNER_Y, CORNER_W, CORNER_H) ||
        PointInCircle(x, y, C.x, C.y, DIAL_RIM_OUTER))
        return 0;
    if (y >= CORNER_Y && y <= 509) return 25;
    if (x >= 91 && x <= 138) return 29;
    if (x <= 17 && y >= 552) return 27;
    if (x <= 48 && y >= 583) return 27;
    if (y >= 552 && x <= 48 && 31 - (583 - y) >= x - 17) return 27;
    if ((600 - y) <= x) return 28;
    return SPREAD_ID;
}

void TacticalPress() {
    MousePoint p = Mouse();
    if (PointInRect(p.x, p.y, PRESS_X, PRESS_Y, PRESS_W, PRESS_H))
        hud.hudHotId = TacticalHitTest(p.x, p.y);
}

void TacticalClick() {
    if (hud.hudHotId >= FIRST_TACTICAL_ID && hud.hudHotId < FIRST_TACTICAL_ID + CORNER_BUTTON_COUNT)
        RunElementAction(hud.hudHotId);
}

void DrawTacticalConsole() {
    const Ship* ship = world.playerShip;
    if (ship && ship->shipClass && ship->shipClass->cloakDrain == 0.0f)
        systems.systemHealth[CLOAK_HEALTH] = -1.0f;
    DrawCornerButtons(TacticalButtonArt(), hud.tacticalTexture, TACTICAL_ORIGIN, TacticalHitTest);
    DrawSpreadIndicator();
    DrawWeaponRing();
    DrawConsoleGauge();
    DrawConsoleBody();
    DrawConsoleBadge();
    DrawRackPips();
    DrawSystemIcons();
    DrawStatusPips();
}
