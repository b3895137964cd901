// The heads-up consoles: navigation with the speed dial, power, tactical, score and quick help.
#pragma once

#include "engine/types.h"

struct Texture;
struct Surface;

struct HudState {
    i32 hudHotId = 0;      // element pressed with the left button; 0 none, 1 lever drag
    f32 speedLever = 0.0f; // -1 full reverse .. +1 full ahead
    f32 leverTimer = 0.0f; // 0 idle; 1..1.25 while the speed is brought to the lever
    f32 signalTimer = -1.0f;
    f32 reserveBarX = 307.0f, reserveBarY = 579.5f;
    Texture* navTexture = nullptr;
    Texture* keyboardTexture = nullptr;
    Texture* questionTexture = nullptr;
    Texture* powerTexture = nullptr;
    Texture* tacticalTexture = nullptr;
    Surface* scoreSurface = nullptr;
};
extern HudState hud;

// hudHotId values besides the button ids.
constexpr i32 HOT_NONE = 0;
constexpr i32 HOT_LEVER = 1;
constexpr f32 SIGNAL_SECONDS = 3.0f;
constexpr f32 BREACH_SECONDS = 15.0f;

void navInit();
void powInit();
void scrInit();
void tacInit();

void DrawNavConsole();
void DrawPowerDisplay();
void DrawScoreDisplay();
void DrawTacticalConsole();
void DrawQuickHelp();
void UpdateNavConsole(f32 dt);

// The press, drag and click entry points read the mouse position from the engine.
i32 NavHitTest(f32 x, f32 y);
void NavPress();
void NavDrag();
void NavClick();
i32 TacticalHitTest(f32 x, f32 y);
void TacticalPress();
void TacticalClick();
void ConsoleKeyHit();
void ConsoleKeyDown();
// The tooltip's text for an element (the keys of its binding included); "?" for unknown ids.
// The text stays valid until the next call.
const char* ButtonTooltip(i32 id);
// The element the tooltip describes at the mouse: the pressed one while the left button is
// down, else whatever lies under the pointer on any console; 0 for none.
i32 TooltipElement();

// The button actions of this console set.
void ToggleBreach();
void ToggleSignal();
void TogglePause();
