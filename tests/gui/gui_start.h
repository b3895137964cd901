// The windowless GUI as every GUI-driven test starts it (toolkit and HUD tests alike).
#pragma once

#include <string>

#include "engine/input.h"
#include "engine/loop.h"
#include "engine/window.h"
#include "graphics/font.h"
#include "gui/gui.h"
#include "tests/gui/test_font.h"
#include "tests/support/fake_platform.h"

// Fresh platform, engine and GUI state drawing with the test font (freed with FreeTestFont).
inline Font* StartWindowlessGUI() {
    fake::Reset();
    ResetLoopState();
    ResetInputState();
    SetClientSize(VIRTUAL_WIDTH, VIRTUAL_HEIGHT);
    SetMinimized(false);
    Font* font = MakeTestFont(false);
    SetFont(font);
    InitGUI();
    return font;
}

// The cursor block's keys arrive with the extended flag (without it they are the keypad's).
inline bool IsExtendedKey(u32 vk) {
    return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE;
}

// A key press as the platform delivers typing: the key, then its character.
inline void TypeText(const std::string& text) {
    for (unsigned char c : text) {
        u32 vk = (c >= 'a' && c <= 'z') ? u32(c - 'a' + 'A') : u32(c);
        WndProc(fake::KeyDown(vk));
        WndProc(fake::Char(c));
        WndProc(fake::KeyUp(vk));
    }
}
