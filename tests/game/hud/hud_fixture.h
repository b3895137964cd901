// A fresh battle with the in-flight sheet, every binding on an unpressed key, and test texts.
#pragma once

#include <gtest/gtest.h>
#include <string>

#include "engine/input.h"
#include "game/shell/bindings.h"
#include "game/shell/chat.h"
#include "tests/gui/gui_start.h"
#include "tests/support/fake_platform.h"
#include "tests/support/test_dir.h"

class HudTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    void Down(u32 vk) { WndProc(fake::KeyDown(vk, 0, IsExtendedKey(vk))); }
    void Up(u32 vk) { WndProc(fake::KeyUp(vk, 0, IsExtendedKey(vk))); }
    void Key(u32 vk) {
        Down(vk);
        Up(vk);
    }
    // The point about the navigation dial centre at `degrees` from the right horizontal growing
    // clockwise, or from the left horizontal growing upward: the dial's two conventions.
    static void DialPointFromRight(f32 degrees, f32 radius, f32* x, f32* y);
    static void DialPointFromLeft(f32 degrees, f32 radius, f32* x, f32* y);
    static void Bind(u32 action, u8 key) { keyBindings[action] = KeyBinding{{key, 0, 0}, 1}; }
    // The chat line in a slot, top first.
    static std::string Line(int slot) { return chat.lines[slot].text; }

    TempDir dir;
    Font* font = nullptr;
};
