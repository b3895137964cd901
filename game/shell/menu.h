// The pre-game menu: languages, display mode, HUD colour, ship class and "Start".
#pragma once

#include "engine/types.h"
#include "game/shell/loc.h"

class Control;
struct Font;
struct Surface;

constexpr int HUD_SWATCH_COUNT = 4;

struct MenuState {
    u16 languageIndex = 0;
    Font* menuFont = nullptr;
    Surface* flagSurface[LANGUAGE_COUNT] = {};
    Control* resolutionList = nullptr;
    Control* refreshList = nullptr;
    Control* shipList = nullptr;
};
extern MenuState menu;

// The display choices the lists offer, by list index.
struct ResolutionChoice {
    const char* item;
    i16 width, height;
};
struct RefreshChoice {
    const char* item;
    u8 rate;
};
constexpr int RESOLUTION_CHOICES = 6;
constexpr int REFRESH_CHOICES = 5;
extern const ResolutionChoice RESOLUTIONS[RESOLUTION_CHOICES];
extern const RefreshChoice REFRESH_RATES[REFRESH_CHOICES];

void BuildPreGameMenu();
void ApplyMenuTexts(const char* path);
void SelectLanguage(u16 index);
// Swatch 0..3: green, red, yellow, blue.
void SelectHudColor(u16 swatch);
void StartGame();
// Points the menu's large-font controls at the current large font (LoadFonts replaced it),
// so a frame drawn before the menu is gone never reads the freed one.
void UseNewLargeFont();
