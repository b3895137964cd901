// A fresh battle with the in-flight sheet for each HUD test: every binding on a key nobody
// presses unless a test binds it, short key names, the in-flight texts as "text N", and input
// fed through the engine's window procedure.
#pragma once

#include <gtest/gtest.h>
#include <string>

#include "engine/input.h"
#include "tests/gui/gui_start.h"
#include "tests/support/fake_platform.h"
#include "tests/support/test_dir.h"

class HudTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    void Send(const SysMessage& msg) { WndProc(msg); }
    void Down(u32 vk) { Send(fake::KeyDown(vk, 0, IsExtendedKey(vk))); }
    void Up(u32 vk) { Send(fake::KeyUp(vk, 0, IsExtendedKey(vk))); }
    void Key(u32 vk) {
        Down(vk);
        Up(vk);
    }
    void Type(const std::string& text) { TypeText(text); }
    void MouseTo(f32 x, f32 y) { SetMousePos(x, y); }
    // The point at `degrees` from the given direction about the navigation dial centre: from
    // the right horizontal growing clockwise (downward), or from the left horizontal growing
    // upward, as the dial's two angle conventions run.
    static void DialPointFromRight(f32 degrees, f32 radius, f32* x, f32* y);
    static void DialPointFromLeft(f32 degrees, f32 radius, f32* x, f32* y);
    // Binds one key to an action.
    static void Bind(u32 action, u8 key);
    // The chat lines as text, top first.
    static std::string Line(int slot);

    TempDir dir;
    Font* font = nullptr;
};
