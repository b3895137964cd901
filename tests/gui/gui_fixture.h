// Shared set-up for the windowless GUI tests and handlers that log what they saw.
#pragma once

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "gui/control.h"
#include "gui/sheet.h"
#include "tests/gui/gui_start.h"
#include "tests/support/test_dir.h"

using Lines = std::vector<std::string>;

// What handlers saw, in order.
struct EventLog {
    static Lines& Get() {
        static Lines lines;
        return lines;
    }
    static void Add(const std::string& s) { Get().push_back(s); }
};

// A handler's name as a template argument: Say<"open"> logs "open", SayKey<"click"> logs
// "click 230" for the left button, SayIndex<"select"> "select 2", SayPair<"move"> "move 5 44.5".
template <size_t N> struct Tag {
    char text[N];
    constexpr Tag(const char (&s)[N]) { std::copy_n(s, N, text); }
};
template <Tag T> void Say() {
    EventLog::Add(T.text);
}
template <Tag T> void SayKey(u32 key) {
    EventLog::Add(std::string(T.text) + " " + std::to_string(key));
}
template <Tag T> void SayIndex(i32 index) {
    EventLog::Add(std::string(T.text) + " " + std::to_string(index));
}
template <Tag T> void SayPair(f32 a, f32 b) {
    char line[64];
    snprintf(line, sizeof line, "%s %g %g", T.text, double(a), double(b));
    EventLog::Add(line);
}

class GUITest : public ::testing::Test {
  protected:
    void SetUp() override {
        font = StartWindowlessGUI();
        GUIError = GUI_ERROR_NONE;
        EventLog::Get().clear();
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
    // Pressed at one point, released at another.
    void Drag(int x0, int y0, int x1, int y1) {
        MouseTo(x0, y0);
        LeftDown();
        MouseTo(x1, y1);
        LeftUp();
    }
    void Key(u32 vk) {
        Send(fake::KeyDown(vk, 0, IsExtendedKey(vk)));
        Send(fake::KeyUp(vk, 0, IsExtendedKey(vk)));
    }
    static constexpr u32 LEFT_SHIFT_SCAN = 0x2A;
    // A key pressed while a modifier is held.
    void With(u32 modifier, u32 vk, u32 scan = 0) {
        Send(fake::KeyDown(modifier, scan));
        Key(vk);
        Send(fake::KeyUp(modifier, scan));
    }
    void Ctrl(u32 vk) { With(VK_CONTROL, vk); }
    void Shift(u32 vk) { With(VK_SHIFT, vk, LEFT_SHIFT_SCAN); }
    void Type(const std::string& text) { TypeText(text); }
    Control* MakeSheet(const char* name = "Sheet1") {
        Control* sheet = CreateControl("Sheet", name, nullptr, 0, 0, 0, 0);
        SetActiveSheet(name);
        return sheet;
    }
    Control* Button(const char* name, f32 x, f32 y, const char* parent = "S") {
        return CreateControl("Button", name, parent, x, y, 60, 20);
    }
    static std::string Text(const char* control, const char* property = "Text") {
        int n = GetProperty(control, property, nullptr);
        std::string s(size_t(n) + 1, '\0');
        GetProperty(control, property, s.data());
        s.resize(size_t(n));
        return s;
    }
    template <typename T> static T Get(const char* control, const char* property) {
        T value{};
        GetProperty(control, property, &value);
        return value;
    }
    // The GUIError a refused call leaves (GUIError cleared first); -1 when it succeeded.
    template <typename Call> static int ErrorOf(Call call) {
        GUIError = GUI_ERROR_NONE;
        return call() ? -1 : int(GUIError);
    }
    // What the handlers logged since the last call.
    Lines TakeEvents() {
        Lines taken;
        taken.swap(EventLog::Get());
        return taken;
    }

    Font* font = nullptr;
    TempDir dir;
};
