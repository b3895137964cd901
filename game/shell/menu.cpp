// Minimal bodies until this module is written.
#include "game/shell/menu.h"

MenuState menu;

void BuildPreGameMenu() {}
void ApplyMenuTexts(const char* /*path*/) {}
void SelectLanguage(u16 /*index*/) {}
void StartGame() {}
