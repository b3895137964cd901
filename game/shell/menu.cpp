// Building the pre-game menu: every control of the one screen, its colours and fonts, the
// display and ship lists, and the handlers bound to the flags, swatches and "Start".
#include "game/shell/menu.h"

#include "engine/utils.h"
#include "game/shell/resources.h"
#include "graphics/font.h"
#include "graphics/gl_setup.h"
#include "graphics/texture.h"
#include "gui/control.h"
#include "gui/lists.h"
#include "gui/sheet.h"

MenuState menu;

const ResolutionChoice RESOLUTIONS[RESOLUTION_CHOICES] = {
    {"800x600", 800, 600},   {"1024x768", 1024, 768},   {"1152x864", 1152, 864},
    {"1280x960", 1280, 960}, {"1280x1024", 1280, 1024}, {"1600x1200", 1600, 1200},
};
const RefreshChoice REFRESH_RATES[REFRESH_CHOICES] = {
    {"60 Hz", 60}, {"70 Hz", 70}, {"75 Hz", 75}, {"85 Hz", 85}, {"100 Hz", 100},
};

namespace {

constexpr const char* ROOT = "PreGameSheetFake";
constexpr const char* PAGE = "PreGameSheet";
constexpr const char* MENU_FONT_PATH = "Data/Fonts/arial_17.dsf";
constexpr f32 MENU_FONT_SCALE = 1.0f;

constexpr u32 NO_COLOR = 0;
constexpr u32 BACKDROP = MakeRGB(34, 34, 34);
constexpr u32 GREY = MakeRGB(100, 100, 100);
constexpr u32 LIGHT = MakeRGB(225, 225, 225);
constexpr u32 WHITE = MakeRGB(255, 255, 255);
constexpr u32 SELECTOR_GREY = MakeRGB(50, 50, 50);

constexpr f32 FLAG_X = 30, FLAG_Y = 60, FLAG_STEP = 50, FLAG_W = 69, FLAG_H = 42;
constexpr int INITIAL_RESOLUTION = 1;
constexpr int INITIAL_RATE = 2;
constexpr int INITIAL_SHIP = 0;

const char* const FLAG_FILES[LANGUAGE_COUNT] = {
    "Data/Graphics/Flags/eng.dsx", "Data/Graphics/Flags/cro.dsx",
    "Data/Graphics/Flags/cz.dsx",  "Data/Graphics/Flags/pl.dsx",
    "Data/Graphics/Flags/de.dsx",  "Data/Graphics/Flags/it.dsx",
    "Data/Graphics/Flags/spa.dsx", "fin.tga",
};

struct LanguageLabel {
    const char* name;
    f32 y;
    const char* text;
};
// Each language named in itself (Czech "Čeština", Spanish "Español").
const LanguageLabel LANGUAGE_LABELS[LANGUAGE_COUNT] = {
    {"label_eng", 69, "English"},
    {"label_cro", 120, "Hrvatski"},
    {"label_cz", 170,
     "\xC4\x8C"
     "e\xC5\xA1tina"},
    {"label_pl", 220, "Polski"},
    {"label_de", 270, "Deutsch"},
    {"label_it", 320, "Italiano"},
    {"label_spa", 370, "Espa\xC3\xB1ol"},
    {"label_fin", 420, "Finnish"},
};

const char* const SHIP_ITEMS[] = {"Tessaly", "Shrike", "Meridian"};

void SetColorProperty(const char* name, const char* property, u32 color) {
    SetProperty(name, property, &color);
}
void SetFontProperty(const char* name, Font* font) {
    SetProperty(name, "Font", &font);
}

// A label in the menu's usual look: no fill, light text.
void MakeLabel(const char* name, const char* parent, f32 x, f32 y, f32 w, f32 h, Font* font) {
    CreateControl("Label", name, parent, x, y, w, h);
    SetFontProperty(name, font);
    SetColorProperty(name, "Color", NO_COLOR);
    SetColorProperty(name, "TextColor", LIGHT);
}

// The grey notes: version line, warning, home page.
void MakeNote(const char* name, const char* parent, f32 x, f32 y, f32 w, f32 h) {
    MakeLabel(name, parent, x, y, w, h, menu.menuFont);
    SetColorProperty(name, "TextColor", GREY);
}

Control* MakeList(const char* name, const char* parent, f32 x, f32 y, f32 w, f32 h,
                  const char* const* items, int count, int selected) {
    Control* list = CreateControl("ListBox", name, parent, x, y, w, h);
    SetFontProperty(name, menu.menuFont);
    SetColorProperty(name, "TextColor", WHITE);
    SetColorProperty(name, "SelectorColor", SELECTOR_GREY);
    SetColorProperty(name, "Color", GREY);
    for (int i = 0; i < count; i++) AddItem(list, items[i], 0);
    SetSelected(list, selected);
    return list;
}

void MakeRadio(const char* name, const char* parent, f32 x, f32 y, f32 w, bool on) {
    CreateControl("RadioButton", name, parent, x, y, w, 20);
    SetFontProperty(name, menu.menuFont);
    SetColorProperty(name, "TextColor", LIGHT);
    SetColorProperty(name, "Color", LIGHT);
    SetColorProperty(name, "BackgroundColor", NO_COLOR);
    if (on) SetPropertyValue(name, "Value", 1);
}

template <u16 I> void ClickFlag(u32) {
    SelectLanguage(I);
}
template <u16 I> void ClickSwatch(u32) {
    SelectHudColor(I);
}
void ClickStart(u32) {
    StartGame();
}
using KeyHandler = void (*)(u32);
const KeyHandler FLAG_HANDLERS[LANGUAGE_COUNT] = {ClickFlag<0>, ClickFlag<1>, ClickFlag<2>,
                                                  ClickFlag<3>, ClickFlag<4>, ClickFlag<5>,
                                                  ClickFlag<6>, ClickFlag<7>};
const KeyHandler SWATCH_HANDLERS[HUD_SWATCH_COUNT] = {ClickSwatch<0>, ClickSwatch<1>,
                                                      ClickSwatch<2>, ClickSwatch<3>};

void BuildBackdrop() {
    CreateRootControl("Sheet", ROOT, nullptr, 0, 0, 0, 0);
    SetPropertyValue(ROOT, "BackgroundMode", 1);
    SetColorProperty(ROOT, "Background", BACKDROP);
    CreateControl("Shape", PAGE, ROOT, 0, 0, 800, 600);
    SetColorProperty(PAGE, "Color", BACKDROP);
    SetColorProperty(PAGE, "BorderColor", NO_COLOR);
}

void BuildLanguages() {
    for (u16 i = 0; i < LANGUAGE_COUNT; i++) {
        const char* name = LanguageCode(i);
        menu.flagSurface[i] = glLoadSurface(FLAG_FILES[i], FILTER_LINEAR);
        CreateControl("PictureBox", name, PAGE, FLAG_X, FLAG_Y + FLAG_STEP * i, FLAG_W, FLAG_H);
        SetProperty(name, "Picture", &menu.flagSurface[i]);
        SetColorProperty(name, "BorderColor", i == 0 ? GREY : NO_COLOR);
        SetColorProperty(name, "Color", NO_COLOR);
        SetEventFn(name, "Click", FLAG_HANDLERS[i]);
    }
    for (const LanguageLabel& label : LANGUAGE_LABELS) {
        MakeLabel(label.name, PAGE, 110, label.y, 200, 30, res.largeFont);
        SetProperty(label.name, "Text", label.text);
    }
}

void BuildDisplayChoices() {
    const char* resolutionItems[RESOLUTION_CHOICES];
    for (int i = 0; i < RESOLUTION_CHOICES; i++) resolutionItems[i] = RESOLUTIONS[i].item;
    const char* rateItems[REFRESH_CHOICES];
    for (int i = 0; i < REFRESH_CHOICES; i++) rateItems[i] = REFRESH_RATES[i].item;

    MakeLabel("resolution", PAGE, 420, 50, 200, 30, menu.menuFont);
    menu.resolutionList = MakeList("listbox", PAGE, 420, 70, 100, 125, resolutionItems,
                                   RESOLUTION_CHOICES, INITIAL_RESOLUTION);
    MakeLabel("ships", PAGE, 420, 280, 200, 30, menu.menuFont);
    menu.shipList = MakeList("shipbox", PAGE, 420, 300, 100, 60, SHIP_ITEMS, 3, INITIAL_SHIP);

    CreateControl("Frame", "frame", PAGE, 550, 50, 220, 240);
    SetFontProperty("frame", menu.menuFont);
    SetColorProperty("frame", "BorderColor", LIGHT);
    SetColorProperty("frame", "TextColor", LIGHT);
    SetColorProperty("frame", "Color", BACKDROP);
    MakeLabel("refreshrate", "frame", 20, 20, 200, 30, menu.menuFont);
    menu.refreshList =
        MakeList("rrate", "frame", 20, 40, 100, 125, rateItems, REFRESH_CHOICES, INITIAL_RATE);
    MakeRadio("16", "frame", 20, 170, 100, false);
    MakeRadio("32", "frame", 20, 190, 100, true);
    MakeRadio("fullscreen", PAGE, 420, 200, 200, false);
    MakeRadio("windowed", PAGE, 420, 220, 200, true);
}

struct Swatch {
    const char* name;
    f32 x, y;
    u32 color;
};
const Swatch SWATCHES[HUD_SWATCH_COUNT] = {
    {"Green", 560, 310, MakeRGB(134, 240, 88)},
    {"Red", 630, 310, MakeRGB(225, 50, 30)},
    {"Yellow", 560, 340, MakeRGB(246, 235, 20)},
    {"Blue", 630, 340, MakeRGB(65, 180, 235)},
};
constexpr f32 SWATCH_W = 60, SWATCH_H = 20;
constexpr f32 SELECTOR_MARGIN = 2; // the selector frames its swatch by this much each side

void BuildHudColors() {
    MakeLabel("color", PAGE, 560, 290, 200, 30, menu.menuFont);
    CreateControl("Shape", "Selector", PAGE, SWATCHES[0].x - SELECTOR_MARGIN,
                  SWATCHES[0].y - SELECTOR_MARGIN, SWATCH_W + 2 * SELECTOR_MARGIN,
                  SWATCH_H + 2 * SELECTOR_MARGIN);
    SetColorProperty("Selector", "Color", NO_COLOR);
    SetColorProperty("Selector", "BorderColor", LIGHT);
    for (u16 i = 0; i < HUD_SWATCH_COUNT; i++) {
        const Swatch& s = SWATCHES[i];
        CreateControl("Shape", s.name, PAGE, s.x, s.y, SWATCH_W, SWATCH_H);
        SetColorProperty(s.name, "Color", s.color);
        SetColorProperty(s.name, "BorderColor", NO_COLOR);
        SetEventFn(s.name, "Click", SWATCH_HANDLERS[i]);
    }
    res.hudColor = SWATCHES[0].color;
}

void BuildNotesAndStart() {
    MakeNote("VersionInfo", PAGE, 30, 480, 500, 20);
    MakeNote("Warning", ROOT, 130, 10, 500, 50);
    MakeNote("cvd2_homepage", PAGE, 30, 542, 740, 70);
    CreateControl("Button", "Start", PAGE, 30, 500, 740, 40);
    SetFontProperty("Start", res.largeFont);
    SetColorProperty("Start", "TextColor", LIGHT);
    SetColorProperty("Start", "Background", GREY);
    SetEventFn("Start", "Click", ClickStart);
}

} // namespace

void UseNewLargeFont() {
    for (const LanguageLabel& label : LANGUAGE_LABELS) SetFontProperty(label.name, res.largeFont);
    SetFontProperty("Start", res.largeFont);
}

void SelectHudColor(u16 swatch) {
    if (swatch >= HUD_SWATCH_COUNT) return;
    const Swatch& s = SWATCHES[swatch];
    SetPropertyValue("Selector", "x", FloatBits(s.x - SELECTOR_MARGIN));
    SetPropertyValue("Selector", "y", FloatBits(s.y - SELECTOR_MARGIN));
    res.hudColor = s.color;
}

void BuildPreGameMenu() {
    FreeFont(menu.menuFont);
    menu.menuFont = LoadFont(MENU_FONT_PATH);
    if (menu.menuFont) menu.menuFont->scale = MENU_FONT_SCALE;
    BuildBackdrop();
    BuildLanguages();
    BuildDisplayChoices();
    BuildHudColors();
    BuildNotesAndStart();
    ApplyMenuTexts(LanguageFile(0, "menu.loc"));
    ShowGUICursor(true);
    DisableGUIFlag(GUI_SHOW_SCENE);
    SetActiveSheet(ROOT);
}
