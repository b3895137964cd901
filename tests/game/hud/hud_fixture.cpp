// The HUD test fixture: a fresh simulation, the in-flight GUI and in-memory texts.
#include "tests/game/hud/hud_fixture.h"

#include <cmath>
#include <vector>

#include "gui/control.h"
#include "game/shell/consoles.h"
#include "game/shell/loc.h"
#include "game/sim/objects.h"

namespace {
constexpr u8 UNPRESSED_KEY = 200; // no test presses it
constexpr int TEXT_COUNT = 60;
constexpr int KEY_CODES = 256;
constexpr f64 PI = 3.14159265358979323846;

// The in-flight texts as "text N" and key names as "K<code>", so a text's source can be told.
struct Names {
    std::vector<std::string> texts, keys;
    std::vector<char*> textEntries;
    std::vector<const char*> keyEntries;
};
Names names;

void UseTestNames() {
    names = Names{};
    for (int i = 0; i < TEXT_COUNT; ++i) names.texts.push_back("text " + std::to_string(i));
    names.texts[31] = "%s send";
    names.texts[32] = "%s send %s/%s choose";
    for (std::string& s : names.texts) names.textEntries.push_back(s.data());
    names.textEntries.push_back(nullptr);
    gameText.entries = names.textEntries.data();
    gameText.count = TEXT_COUNT;
    for (int i = 0; i < KEY_CODES; ++i) names.keys.push_back("K" + std::to_string(i));
    for (const std::string& s : names.keys) names.keyEntries.push_back(s.c_str());
    SetKeyNames(names.keyEntries.data());
}
} // namespace

void HudTest::SetUp() {
    font = StartWindowlessGUI();
    UseTestNames();
    for (KeyBinding& binding : keyBindings) binding = KeyBinding{{UNPRESSED_KEY, 0, 0}, 1};
    ResetSimulation();
    chat = ChatState{};
    InitGameGUI();
    SetCallbackFn(CB_KEY_HIT, ChatKeyHit);
}

void HudTest::TearDown() {
    ShutdownGUI();
    gameText = LocTable{};
    FreeTestFont(font);
}

void HudTest::DialPointFromRight(f32 degrees, f32 radius, f32* x, f32* y) {
    *x = f32(698.72 + std::cos(degrees * PI / 180.0) * radius);
    *y = f32(498.72 + std::sin(degrees * PI / 180.0) * radius);
}

void HudTest::DialPointFromLeft(f32 degrees, f32 radius, f32* x, f32* y) {
    DialPointFromRight(degrees + 180.0f, radius, x, y);
}
