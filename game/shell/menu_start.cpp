// The pre-game menu's actions: the language texts, the flags, and "Start", which applies the
// display choices, the language and the ship class and hands over to the in-flight GUI.
#include "audio/audio.h"
#include "engine/engine.h"
#include "engine/utils.h"
#include "engine/window.h"
#include "game/shell/chat.h"
#include "game/shell/menu.h"
#include "game/shell/resources.h"
#include "game/shell/startup.h"
#include "game/sim/callbacks.h"
#include "game/sim/objects.h"
#include "game/sim/weapons.h"
#include "graphics/texture.h"
#include "gui/control.h"
#include "gui/lists.h"

namespace {

constexpr u32 FLAG_SELECTED_BORDER = MakeRGB(100, 100, 100);
constexpr u32 NO_COLOR = 0;
constexpr u8 DEPTH_16 = 16;
constexpr u8 DEPTH_32 = 32;

// Entries of "menu.loc" and the controls that show them.
struct MenuLabel {
    const char* control;
    u32 entry;
};
const MenuLabel MENU_LABELS[] = {
    {"resolution", 0}, {"fullscreen", 1}, {"windowed", 2},       {"16", 4},
    {"32", 5},         {"frame", 8},      {"refreshrate", 6},    {"color", 7},
    {"ships", 9},      {"Warning", 12},   {"cvd2_homepage", 13},
};
constexpr u32 START_ENTRY = 3;
constexpr u32 VERSION_ENTRY = 10;
constexpr u32 BUILD_ENTRY = 11;

// A list's choice, kept inside its table when the list is missing or has nothing selected.
int ChosenIndex(Control* list, int count, int fallback) {
    i32 index = list ? GetSelected(list) : -1;
    return index >= 0 && index < count ? index : fallback;
}

bool RadioOn(const char* name) {
    u8 value = 0;
    GetProperty(name, "Value", &value);
    return value != 0;
}

void OpenDisplay(const ResolutionChoice& size, bool fullScreen, u8 depth, u8 rate) {
    glDownload();
    DestroyGL();
    DestroyMainWindow();
    if (fullScreen) {
        SetDisplayMode(size.width, size.height, depth, rate);
        CreateMainWindow(size.width, size.height, WINDOW_FULLSCREEN);
    } else {
        CreateMainWindow(size.width, size.height, 0);
    }
    InitGL(0);
    glUpload();
}

// The chosen language's in-flight texts and key names; English keeps those loaded at start.
void LoadFlightTexts(u16 language) {
    if (language == 0) return;
    FreeLOC(&gameText);
    LoadLOC(LanguageFile(language, "game.loc"), &gameText);
    ApplyKeyNames(LanguageFile(language, "keyboard.loc"));
}

// The flag boxes stay in the control tree, so they let go of their pictures first.
void FreeFlags() {
    Surface* none = nullptr;
    for (u16 i = 0; i < LANGUAGE_COUNT; i++) SetProperty(LanguageCode(i), "Picture", &none);
    for (Surface*& flag : menu.flagSurface) {
        glFreeSurface(flag);
        flag = nullptr;
    }
}

void ChooseShipClass(int index) {
    if (world.playerShip && world.shipClasses)
        world.playerShip->shipClass = &world.shipClasses[index];
}

} // namespace

void ApplyMenuTexts(const char* path) {
    FreeLOC(&menuText);
    LoadLOC(path, &menuText);
    for (const MenuLabel& label : MENU_LABELS)
        SetProperty(label.control, "Text", MenuText(label.entry));
    SetProperty("Start", "Text", StrFormat("%s (%s)", MenuText(START_ENTRY), GetGameVersion()));
    SetProperty("VersionInfo", "Text",
                StrFormat("%s: %s ( %s: %s %s )", MenuText(VERSION_ENTRY), GetGameVersion(),
                          MenuText(BUILD_ENTRY), __DATE__, __TIME__));
}

void SelectLanguage(u16 index) {
    if (index >= LANGUAGE_COUNT) return;
    menu.languageIndex = index;
    ApplyMenuTexts(LanguageFile(index, "menu.loc"));
    for (u16 i = 0; i < LANGUAGE_COUNT; i++) {
        u32 border = i == index ? FLAG_SELECTED_BORDER : NO_COLOR;
        SetProperty(LanguageCode(i), "BorderColor", &border);
    }
}

void StartGame() {
    InstallGameCallbacks();
    int r = ChosenIndex(menu.resolutionList, RESOLUTION_CHOICES, 0);
    int f = ChosenIndex(menu.refreshList, REFRESH_CHOICES, 0);
    bool fullScreen = RadioOn("fullscreen");
    u8 depth = RadioOn("16") ? DEPTH_16 : DEPTH_32;
    OpenDisplay(RESOLUTIONS[r], fullScreen, depth, REFRESH_RATES[f].rate);
    LoadFlightTexts(menu.languageIndex);
    FreeFlags();
    ChooseShipClass(ChosenIndex(menu.shipList, SHIP_CLASS_COUNT, 0));
    LoadFonts();
    UseNewLargeFont();
    BuildArcTable();
    InitGameGUI();
}
