// Minimal bodies until this module is written.
#include "game/sim/tactical.h"

void DrawWeaponRing() {}
void DrawRackPips() {}
void DrawSystemIcons() {}
void DrawStatusPips() {}
void DrawConsoleBadge() {}
void DrawConsoleBody() {}
void DrawConsoleGauge() {}
