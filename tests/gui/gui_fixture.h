// Shared set-up for the windowless GUI tests: the scripted platform, engine input and loop
// state at their start values, a fresh GUI with the in-memory test font, and helpers that
// feed input through the engine's window procedure.
#pragma once

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "engine/input.h"
#include "engine/loop.h"
#include "engine/window.h"
#include "graphics/font.h"
#include "gui/control.h"
#include "gui/gui.h"
#include "gui/sheet.h"
#include "tests/gui/test_font.h"
#include "tests/support/fake_platform.h"
#include "tests/support/test_dir.h"

// What handlers saw, in order.
struct EventLog {
    static std::vector<std::string>& Lines() {
        static std::vector<std::string> lines;
        return lines;
    }
    static void Add(const std::string& s) { Lines().push_back(s); }
};

class GUITest : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::Reset();
        ResetLoopState();
        ResetInputState();
        SetClientSize(VIRTUAL_WIDTH, VIRTUAL_HEIGHT);
        SetMinimized(false);
        font = MakeTestFont(false);
        SetFont(font);
        InitGUI();
        GUIError = GUI_ERROR_NONE;
        EventLog::Lines().clear();
    }
    void TearDown() override {
        ShutdownGUI();
        FreeTestFont(font);
    }

    void Send(const SysMessage& msg) { WndProc(msg); }
    void MouseTo(int x, int y) { Send(fake::MouseMove(x, y)); }
    void LeftDown() { Send(fake::Button(SYSMSG_LBUTTONDOWN)); }
    void LeftUp() { Send(fake::Button(SYSMSG_LBUTTONUP)); }
    void ClickAt(int x, int y) {
        MouseTo(x, y);
        LeftDown();
        LeftUp();
    }
    // The cursor block's keys arrive with the extended flag (without it they are the keypad's).
    static bool Extended(u32 vk) {
        return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE;
    }
    void Key(u32 vk) {
        Send(fake::KeyDown(vk, 0, Extended(vk)));
        Send(fake::KeyUp(vk, 0, Extended(vk)));
    }
    // A key press as the platform delivers typing: the key, then its character.
    void Type(const std::string& text) {
        for (unsigned char c : text) {
            u32 vk = (c >= 'a' && c <= 'z') ? u32(c - 'a' + 'A') : u32(c);
            Send(fake::KeyDown(vk));
            Send(fake::Char(c));
            Send(fake::KeyUp(vk));
        }
    }
    Control* MakeSheet(const char* name = "Sheet1") {
        Control* sheet = CreateControl("Sheet", name, nullptr, 0, 0, 0, 0);
        SetActiveSheet(name);
        return sheet;
    }
    std::string Text(const char* control, const char* property = "Text") {
        int n = GetProperty(control, property, nullptr);
        std::string s(size_t(n) + 1, '\0');
        GetProperty(control, property, s.data());
        s.resize(size_t(n));
        return s;
    }
    template <typename T> T Get(const char* control, const char* property) {
        T value{};
        GetProperty(control, property, &value);
        return value;
    }
    std::vector<std::string>& Events() { return EventLog::Lines(); }

    Font* font = nullptr;
    TempDir dir;
};
