// The shell fixture on the scripted platform, with mouse clicks fed through the window
// procedure as the platform would deliver them.
#pragma once

#include "engine/input.h"
#include "tests/game/shell/shell_data.h"
#include "tests/support/fake_platform.h"

class WindowlessShellTest : public ShellTest {
  protected:
    void SetUp() override {
        fake::Reset();
        ShellTest::SetUp();
    }
    void ClickAt(int x, int y) {
        WndProc(fake::MouseMove(x, y));
        WndProc(fake::Button(SYSMSG_LBUTTONDOWN));
        WndProc(fake::Button(SYSMSG_LBUTTONUP));
    }
};
