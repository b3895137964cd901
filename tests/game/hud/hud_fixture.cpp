// The HUD test fixture: a fresh simulation, the in-flight GUI and in-memory texts.
#include "tests/game/hud/hud_fixture.h"

#include <cmath>
#include <string>
#include <vector>

#include "gui/control.h"
#include "game/shell/bindings.h"
#include "game/shell/chat.h"
#include "game/shell/consoles.h"
#include "game/shell/loc.h"
#include "game/sim/objects.h"

namespace {
constexpr u8 UNPRESSED_KEY = 200; // no test presses it
constexpr int TEXT_COUNT = 60;
constexpr f64 PI = 3.14159265358979323846;

struct Texts {
    std::vector<std::string> strings;
    std::vector<char*> entries;
};
Texts texts;

void UseTestTexts() {
    texts.strings.clear();
    for (int i = 0; i < TEXT_COUNT; ++i) texts.strings.push_back("text " + std::to_string(i));
    texts.strings[31] = "%s send";
    texts.strings[32] = "%s send %s/%s choose";
    texts.entries.clear();
    for (std::string& s : texts.strings) texts.entries.push_back(s.data());
    texts.entries.push_back(nullptr);
    gameText.entries = texts.entries.data();
    gameText.count = TEXT_COUNT;
}

std::vector<std::string> keyNames;
std::vector<const char*> keyNamePointers;

// Key names "K<code>" for every code, so a tooltip's keys can be recognised.
void UseTestKeyNames() {
    keyNames.assign(256, "");
    keyNamePointers.assign(256, nullptr);
    for (int i = 0; i < 256; ++i) {
        keyNames[size_t(i)] = "K" + std::to_string(i);
        keyNamePointers[size_t(i)] = keyNames[size_t(i)].c_str();
    }
    SetKeyNames(keyNamePointers.data());
}
} // namespace

void HudTest::SetUp() {
    font = StartWindowlessGUI();
    UseTestTexts();
    UseTestKeyNames();
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
    *x = f32(698.72 - std::cos(degrees * PI / 180.0) * radius);
    *y = f32(498.72 - std::sin(degrees * PI / 180.0) * radius);
}

void HudTest::Bind(u32 action, u8 key) {
    keyBindings[action] = KeyBinding{{key, 0, 0}, 1};
}

std::string HudTest::Line(int slot) {
    return chat.lines[slot].text;
}
