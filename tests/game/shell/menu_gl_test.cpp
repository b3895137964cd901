// The pre-game menu as drawn: its backdrop, a colour swatch, the selector frame after a swatch
// is picked, and the "Start" button, read back from the pixels of a real window.
#include <gtest/gtest.h>

#include "engine/input.h"
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
const RGBA LIGHT{225, 225, 225, 255};
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
        Load();
        ShowGUICursor(false); // the pointer would cover pixels under it
        SetMousePos(799, 599);
    }
    void Draw() {
        GLTestClear(0, 0, 0);
        DrawGUI();
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
    ExpectNear(590, 308, LIGHT);
    ExpectNear(38, 530, GREY);
    SelectHudColor(3);
    Draw();
    ExpectNear(660, 338, LIGHT);
    ExpectNear(590, 308, BACKDROP);
}

} // namespace
