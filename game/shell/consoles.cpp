// Minimal bodies until this module is written.
#include "game/shell/consoles.h"

HudState hud;

void navInit() {}
void powInit() {}
void scrInit() {}
void tacInit() {}
void DrawNavConsole() {}
void DrawPowerDisplay() {}
void DrawScoreDisplay() {}
void DrawTacticalConsole() {}
void DrawQuickHelp() {}
void UpdateNavConsole(f32 /*dt*/) {}
i32 NavHitTest(f32 /*x*/, f32 /*y*/) {
    return 0;
}
void NavPress() {}
void NavDrag() {}
void NavClick() {}
i32 TacticalHitTest(f32 /*x*/, f32 /*y*/) {
    return 0;
}
void TacticalPress() {}
void TacticalClick() {}
void ConsoleKeyHit() {}
void ConsoleKeyDown() {}
const char* ButtonTooltip(i32 /*id*/) {
    return "";
}
