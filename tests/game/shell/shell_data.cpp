// Test data files for the shell tests and the fixture that resets the shell around a test.
#include "tests/game/shell/shell_data.h"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>

#include "engine/input.h"
#include "engine/loop.h"
#include "engine/window.h"
#include "game/shell/loc.h"
#include "game/shell/menu.h"
#include "game/shell/resources.h"
#include "game/sim/objects.h"
#include "graphics/font.h"
#include "graphics/texture.h"
#include "gui/gui.h"
#include "tests/graphics/text/dsf_builder.h"
#include "tests/support/fake_platform.h"

std::vector<u8> LocBytes(const Texts& entries) {
    std::vector<u8> out = {u8(entries.size()), u8(entries.size() >> 8)};
    for (const std::string& s : entries) {
        out.push_back(u8(s.size()));
        out.push_back(u8(s.size() >> 8));
        out.insert(out.end(), s.begin(), s.end());
    }
    return out;
}

void WriteFile(const std::string& path, const std::vector<u8>& bytes) {
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    if (!bytes.empty()) fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

Texts NumberedTexts(const std::string& code, const std::string& file, int count) {
    Texts texts;
    for (int i = 0; i < count; i++) texts.push_back(code + " " + file + " " + std::to_string(i));
    return texts;
}

void WriteLanguage(const std::string& code) {
    std::string folder = "Texts/" + code;
    mkdir("Texts", 0755);
    mkdir(folder.c_str(), 0755);
    WriteFile(folder + "/menu.loc", LocBytes(NumberedTexts(code, "menu", 19)));
    WriteFile(folder + "/game.loc", LocBytes(NumberedTexts(code, "game", 53)));
    Texts keys(67);
    keys[65] = code + " A";
    keys[66] = code + " B";
    WriteFile(folder + "/keyboard.loc", LocBytes(keys));
}

void WriteBindings(const std::vector<KeyBinding>& records, size_t bytes) {
    std::vector<u8> out(records.size() * sizeof(KeyBinding));
    if (!out.empty()) memcpy(out.data(), records.data(), out.size()); // no null copy for none
    out.resize(bytes);
    mkdir("Users", 0755);
    WriteFile("Users/default.cdu", out);
}

void WriteFonts() {
    mkdir("Data", 0755);
    mkdir("Data/Fonts", 0755);
    const int small[] = {12, 15, 17, 19, 24}, large[] = {30, 34, 38, 48};
    auto write = [](int size, f32 drawHeight) {
        TestFont font = AsciiTestFont();
        font.lineHeight = i16(size);
        font.scale = drawHeight / f32(size);
        WriteFile("Data/Fonts/arial_" + std::to_string(size) + ".dsf", BuildDSF(font));
    };
    for (int size : small) write(size, 12.0f);
    for (int size : large) write(size, 24.0f);
}

void ShellTest::SetUp() {
    fake::Reset();
    ResetLoopState();
    ResetInputState();
    SetClientSize(VIRTUAL_WIDTH, VIRTUAL_HEIGHT);
    InitGUI();
    memset(keyBindings, 0, sizeof keyBindings);
}

void ShellTest::ClickAt(int x, int y) {
    WndProc(fake::MouseMove(x, y));
    WndProc(fake::Button(SYSMSG_LBUTTONDOWN));
    WndProc(fake::Button(SYSMSG_LBUTTONUP));
}

void ShellTest::TearDown() {
    ShutdownGUI();
    FreeLOC(&gameText);
    FreeLOC(&menuText);
    FreeFont(res.smallFont);
    FreeFont(res.largeFont);
    FreeFont(menu.menuFont);
    res = GameResources{};
    menu = MenuState{};
    FreeObjects();
    FreeShipClasses();
    // As at engine shutdown: the records the registry points into are gone.
    ResetTextureRegistry();
    for (u32 slot = 0; slot < CB_COUNT; slot++) SetCallback(slot, nullptr);
}
