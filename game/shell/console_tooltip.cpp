// The console tooltip: what the element under the pointer does, with the keys bound to it, in a
// box above the navigation console while the console key is held.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/input.h"
#include "engine/utils.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_hud.h"
#include "graphics/font.h"
#include "game/shell/bindings.h"
#include "game/shell/console_parts.h"
#include "game/shell/consoles.h"
#include "game/shell/loc.h"
#include "game/sim/objects.h"
#include "game/sim/power.h"

namespace {
constexpr size_t TOOLTIP_BYTES = 512; // at most 511 bytes of text
constexpr u32 TEXT_SHORTCUT = 0;
constexpr u32 TEXT_RAISE_LOWER = 1;
constexpr u32 TEXT_HELP = 2;
constexpr u32 TEXT_TARGET = 3;
constexpr i32 LOWER_BINDING_STEP = 5; // a meter's lowering key is bound 5 above its id
constexpr i32 OVERLOAD_PERCENT = 150;
constexpr f32 BOX_RIGHT = 785, BOX_Y = 382, BOX_PAD = 10, BOX_H = 34;
constexpr f32 TEXT_RIGHT = 790, TEXT_Y = 385;
constexpr f32 ICON_X = 764, ICON_SIZE = 30, QUESTION_Y = 423, KEYBOARD_Y = 422;
constexpr f32 HELP_AREA_Y = 420, HELP_AREA_SIZE = 35;
constexpr f32 NAV_HELP_X = 762, TACTICAL_HELP_X = 3;

struct TooltipEntry {
    i32 id;
    u32 text;
};
constexpr TooltipEntry TOOLTIP_TEXTS[] = {
    {2, 4},   {3, 5},   {4, 6},   {5, 7},   {6, 8},   {7, 9},   {8, 10},  {9, 11},
    {10, 12}, {11, 13}, {12, 14}, {13, 15}, {14, 16}, {15, 17}, {16, 18}, {17, 19},
    {18, 20}, {25, 21}, {26, 22}, {27, 25}, {28, 23}, {29, 24}};

struct TooltipText {
    char text[TOOLTIP_BYTES];
};
TooltipText tooltip;

bool IsMeter(i32 id) {
    return id >= FIRST_METER_ID && id < FIRST_METER_ID + POWER_SYSTEMS;
}

void Append(char* out, const char* text) {
    size_t used = strnlen(out, TOOLTIP_BYTES);
    if (!text || used + 1 >= TOOLTIP_BYTES) return;
    size_t n = std::min(strlen(text), TOOLTIP_BYTES - 1 - used);
    while (n > 0 && n < strlen(text) && (u8(text[n]) & 0xC0) == 0x80) n--;
    memcpy(out + used, text, n);
    out[used + n] = 0;
}

void AppendKeys(char* out, i32 binding) {
    if (binding < 0 || binding >= BINDING_COUNT) return;
    BindingKeyNames(out, TOOLTIP_BYTES, u32(binding), false);
}

// The widest line of a text in the current font.
f32 WidestLine(const char* text) {
    f32 widest = 0.0f;
    while (true) {
        const char* end = strchr(text, '\n');
        int length = end ? int(end - text) : -1;
        widest = std::max(widest, TextWidthN(text, length));
        if (!end) return widest;
        text = end + 1;
    }
}
} // namespace

const char* ButtonTooltip(i32 id) {
    char* out = tooltip.text;
    out[0] = 0;
    const char* name = "?";
    for (const TooltipEntry& entry : TOOLTIP_TEXTS)
        if (entry.id == id) name = GameText(entry.text);
    Append(out, name);
    // The suffix reads the meter's own request; ids past the four meters have none.
    if (IsMeter(id)) {
        int system = id - FIRST_METER_ID;
        int percent = systems.overloadedSystem == u16(system)
                          ? OVERLOAD_PERCENT
                          : int(systems.powerRequest[system] * 100.0f);
        char suffix[32];
        snprintf(suffix, sizeof suffix, " (%i%%)", percent);
        Append(out, suffix);
    }
    Append(out, "\n<color 200,200,200>");
    Append(out, GameText(TEXT_SHORTCUT));
    Append(out, ": <color 246,235,20>");
    AppendKeys(out, id);
    if (IsMeter(id)) {
        Append(out, " ");
        Append(out, GameText(TEXT_RAISE_LOWER));
        Append(out, " ");
        AppendKeys(out, id + LOWER_BINDING_STEP);
    }
    return out;
}

i32 TooltipElement() {
    MousePoint p = Mouse();
    i32 id = IsKeyDown(KEY_MOUSE_LEFT) ? hud.hudHotId : NavHitTest(p.x, p.y);
    if (id == 0) id = PowerMeterAt();
    if (id == 0) id = TacticalHitTest(p.x, p.y);
    return id;
}

void DrawTooltip() {
    if (!ConsoleKeyHeld()) return;
    MousePoint p = Mouse();
    i32 id = TooltipElement();
    char text[TOOLTIP_BYTES] = {};
    if (id == 0) {
        if (PointInRect(p.x, p.y, NAV_HELP_X, HELP_AREA_Y, HELP_AREA_SIZE, HELP_AREA_SIZE)) {
            Append(text, GameText(TEXT_HELP));
        } else if (PointInRect(p.x, p.y, TACTICAL_HELP_X, HELP_AREA_Y, HELP_AREA_SIZE,
                               HELP_AREA_SIZE)) {
            Append(text, GameText(TEXT_TARGET));
            Append(text, ": <color 246,235,20>None");
        }
        if (text[0]) {
            SetColor(MakeRGB(255, 255, 255));
            glDrawTexture(ICON_X, QUESTION_Y, ICON_SIZE, ICON_SIZE, hud.questionTexture, nullptr,
                          FLIP_NONE);
        }
    } else if (id >= 2) {
        Append(text, ButtonTooltip(id));
        SetColor(MakeRGB(255, 255, 255));
        glDrawTexture(ICON_X, KEYBOARD_Y, ICON_SIZE, ICON_SIZE, hud.keyboardTexture, nullptr,
                      FLIP_NONE);
    }
    if (!text[0]) return;
    f32 width = WidestLine(text);
    SetColorF(0.3f, 0.3f, 0.34f, 0.5f);
    glFillRect(BOX_RIGHT - width, BOX_Y, width + BOX_PAD, BOX_H);
    SetColor(MakeRGB(255, 255, 255));
    DrawText(TEXT_RIGHT, TEXT_Y, text, ALIGN_RIGHT);
}
