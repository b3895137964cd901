// The weapon status inside the tactical console: the coverage ring, torpedo racks, system icons,
// status pips and the console's fixed decorations.
#pragma once

void DrawWeaponRing();
void DrawRackPips();
void DrawSystemIcons();
void DrawStatusPips();
void DrawConsoleBadge();
void DrawConsoleBody();
void DrawConsoleGauge();
