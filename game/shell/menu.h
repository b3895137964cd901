// The pre-game menu: languages, display mode, HUD colour, ship class and "Start".
#pragma once

#include "engine/types.h"

struct MenuState {
    u16 languageIndex = 0;
};
extern MenuState menu;

void BuildPreGameMenu();
void ApplyMenuTexts(const char* path);
void SelectLanguage(u16 index);
void StartGame();
