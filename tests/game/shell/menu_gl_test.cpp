// The pre-game menu as drawn: its backdrop, a colour swatch, the selector frame after a swatch
// is picked, and the "Start" button, read back from the pixels of a real window.
#include <algorithm>
#include <gtest/gtest.h>

#include "engine/input.h"
#include "engine/loop.h"
#include "game/shell/menu.h"
#include "game/shell/startup.h"
#include "gui/gui.h"
#include "gui/sheet.h"
#include "tests/game/shell/shell_data.h"
#include "tests/support/gl_context.h"

namespace {

constexpr int TOLERANCE = 8;
const RGBA BACKDROP{34, 34, 34, 255};
const RGBA GREEN{134, 240, 88, 255};
constexpr int OUTLINE_RED = 120; // well above the backdrop and the blue swatch beneath
const RGBA GREY{100, 100, 100, 255};

class MenuGLTest : public ShellTest {
  protected:
    void SetUp() override {
        GLTestEnsureContext();
        ShellTest::SetUp();
        WriteLanguage("eng");
        WriteFonts();
        WriteBindings({}, 0);
        LoadFonts();
        StopEngine(); // the pictures the folder lacks raise boxes that then return at once
        Load();
        ShowGUICursor(false); // the pointer would cover pixels under it
        SetMousePos(799, 599);
    }
    void Draw() {
        GLTestClear(0, 0, 0);
        DrawGUI();
    }
    // A one-unit outline may fall between two pixel rows, each half lit by the smoothing.
    static int BrightestRed(int x, int y) {
        int red = 0;
        for (int dy = -1; dy <= 1; dy++) red = std::max(red, int(GLTestPixel(x, y + dy).r));
        return red;
    }
    static void ExpectNear(int x, int y, const RGBA& expected) {
        RGBA got = GLTestPixel(x, y);
        EXPECT_TRUE(ColorNear(got, expected, TOLERANCE)) << x << "," << y << ": " << got;
    }
};

TEST_F(MenuGLTest, DrawsTheBackdropSwatchesSelectorAndStartButton) {
    Draw();
    ExpectNear(300, 450, BACKDROP);
    ExpectNear(5, 5, BACKDROP);
    ExpectNear(590, 320, GREEN);
    EXPECT_GE(BrightestRed(590, 308), OUTLINE_RED);
    ExpectNear(38, 530, GREY);
    SelectHudColor(3);
    Draw();
    EXPECT_GE(BrightestRed(660, 338), OUTLINE_RED);
    EXPECT_LE(BrightestRed(590, 308), BACKDROP.r + TOLERANCE);
}

} // namespace
