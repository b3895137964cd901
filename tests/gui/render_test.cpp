// Drawing read back from a real GL window under Xvfb.
#include <gtest/gtest.h>

#include <string>

#include "engine/colors.h"
#include "engine/input.h"
#include "engine/loop.h"
#include "graphics/font.h"
#include "gui/control.h"
#include "gui/gui.h"
#include "gui/lists.h"
#include "gui/sheet.h"
#include "tests/gui/test_font.h"
#include "tests/support/gl_context.h"
#include "tests/support/test_dir.h"

namespace {
const RGBA SHEET{10, 20, 30, 255};
constexpr int TOLERANCE = 6;
} // namespace

class RenderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GLTestEnsureContext();
        ResetLoopState();
        ResetInputState();
        font = MakeTestFont(true);
        SetFont(font);
        InitGUI();
        ShowGUICursor(false); // the pointer would cover pixels under it
        CreateControl("Sheet", "S", nullptr, 0, 0, 0, 0);
        SetPropertyValue("S", "Background", MakeRGB(SHEET.r, SHEET.g, SHEET.b));
        SetActiveSheet("S");
        SetMousePos(799, 599);
    }
    void TearDown() override {
        ShutdownGUI();
        FreeTestFont(font);
    }
    void Draw() {
        GLTestClear(0, 0, 0);
        DrawGUI();
    }
    static void Color(const char* name, const char* property, u8 r, u8 g, u8 b, u8 a = 255) {
        ASSERT_TRUE(SetPropertyValue(name, property, MakeRGBA(r, g, b, a))) << name << property;
    }
    // A control of the sheet with one of its colours set.
    static void Make(const char* cls, const char* name, f32 x, f32 y, f32 w, f32 h,
                     const char* property, u8 r, u8 g, u8 b) {
        ASSERT_NE(CreateControl(cls, name, "S", x, y, w, h), nullptr) << name;
        Color(name, property, r, g, b);
    }
    static void Expect(int x, int y, RGBA want, int tolerance = TOLERANCE) {
        RGBA got = GLTestPixel(x, y);
        EXPECT_TRUE(ColorNear(got, want, tolerance))
            << "at " << x << "," << y << " " << got << " wanted " << want;
    }
    Font* font = nullptr;
    TempDir dir;
};

TEST_F(RenderTest, EveryClassDrawsItsBodyAndBorder) {
    Make("Button", "button", 10, 10, 100, 30, "Background", 200, 50, 50);
    Make("Label", "label", 10, 50, 100, 20, "Color", 50, 200, 50);
    Make("CheckBox", "check", 10, 80, 100, 20, "BackgroundColor", 40, 40, 120);
    Color("check", "Color", 250, 250, 0);
    Make("RadioButton", "radio", 10, 110, 100, 20, "BackgroundColor", 90, 0, 90);
    Make("Line", "line", 10, 145, 100, 1, "Color", 255, 255, 255);
    SetPropertyValue("line", "h", FloatBits(0.0f)); // level: made with a size, then flattened
    SetPropertyValue("line", "LineWidth", FloatBits(4.0f));
    Make("Shape", "shape", 10, 160, 100, 60, "Color", 0, 128, 255);
    SetPropertyValue("shape", "Shape", 2);
    Make("PictureBox", "picture", 10, 230, 100, 40, "Color", 128, 64, 0);
    Make("Frame", "frame", 130, 10, 150, 100, "Color", 70, 70, 70);
    Make("ProgressBar", "progress", 130, 120, 100, 20, "Color", 255, 0, 0);
    SetPropertyValue("progress", "Progress", FloatBits(0.5f));
    Color("progress", "BackColor", 0, 255, 0);
    Make("StatusBar", "status", 0, 580, 800, 20, "Color", 180, 180, 0);
    Make("ScrollBar", "bar", 300, 10, 16, 200, "ScrollBarColor", 0, 200, 200);
    SetPropertyValue("bar", "nBlocks", 10);
    SetPropertyValue("bar", "nSliderBlocks", 5);
    Make("ComboBox", "combo", 330, 10, 120, 20, "Color", 220, 220, 255);
    Make("MCListBox", "mc", 330, 50, 150, 80, "ColumnBarColor", 255, 128, 128);
    Make("Dialog", "dialog", 500, 150, 200, 150, "BackgroundColor", 225, 225, 225);
    Make("ListBox", "list", 640, 320, 150, 100, "Color", 255, 255, 255);
    Color("list", "SelectorColor", 200, 0, 0);
    for (const char* item : {"one", "two", "three"}) AddItem(FindControl("list"), item, 0);
    SetSelected(FindControl("list"), 2);
    Make("TextBox", "t", 130, 160, 150, 20, "Color", 255, 255, 255);
    Color("t", "TextColor", 0, 0, 0);
    Color("t", "SelectedColor", 0, 0, 255);
    Color("t", "SelectedTextColor", 255, 255, 0);
    SetProperty("t", "Text", std::string(30, 'x').c_str()); // 240 wide: cut at the box's edge
    SetPropertyValue("t", "cPos", 2);
    SetPropertyValue("t", "nSel", 2);
    FocusControl("t");
    Draw();

    Expect(100, 15, {200, 50, 50, 255});       // button body, clear of its label and focus ring
    Expect(80, 65, {50, 200, 50, 255});        // label body right of its text
    Expect(10 + 5, 50 + 5, {0, 0, 0, 255});    // the label's "L": a solid glyph block
    Expect(12, 90, {250, 250, 0, 255});        // check box: its box
    Expect(100, 85, {40, 40, 120, 255});       // and its background
    Expect(100, 111, {90, 0, 90, 255});        // radio button, above its caption
    Expect(60, 145, {255, 255, 255, 255}, 40); // a 4-unit line
    Expect(60, 190, {0, 128, 255, 255});       // ellipse centre
    Expect(12, 162, SHEET);                    // outside the ellipse, inside its box
    Expect(60, 250, {128, 64, 0, 255});        // picture box without picture: its colour
    Expect(200, 90, {70, 70, 70, 255});        // frame body inside its inner border
    Expect(150, 130, {255, 0, 0, 255});        // progress: done half
    Expect(220, 130, {0, 255, 0, 255});        // and the rest
    Expect(400, 590, {180, 180, 0, 255});      // status bar
    Expect(302, 12, {0, 200, 200, 255});       // scroll bar: a corner of its first arrow
    Expect(360, 20, {220, 220, 255, 255});     // combo box field
    Expect(470, 55, {255, 128, 128, 255});     // the column bar
    Expect(600, 153, {0, 0, 160, 255});        // a dialog's title bar
    Expect(697, 297, {225, 225, 225, 255});    // and its body
    // List rows are the line height plus 1 high: white, odd ones striped 5 % black, the selected
    // one highlighted.
    Expect(740, 321 + 8, {255, 255, 255, 255});
    Expect(740, 321 + 17 + 8, {242, 242, 242, 255}, 4);
    Expect(740, 321 + 34 + 8, {200, 0, 0, 255});
    Expect(600, 400, SHEET);
    // Text box glyph cells are 8 wide with a 6-wide block, from x 132: the third is selected.
    Expect(132 + 2, 170, {0, 0, 0, 255});
    Expect(132 + 7, 170, {255, 255, 255, 255});
    Expect(132 + 16 + 2, 170, {255, 255, 0, 255});
    Expect(132 + 16 + 7, 170, {0, 0, 255, 255}); // the highlight between glyphs
    Expect(282, 170, SHEET);
    // Outlines: darker than the body at the edge (smoothed lines straddle the pixel border).
    EXPECT_LT(GLTestPixel(10, 25).r, 150);  // the button's black outline
    EXPECT_LT(GLTestPixel(10, 250).r, 100); // the picture box's 2-wide border
}

TEST_F(RenderTest, ChildrenAreClippedToTheirParents) {
    Make("Frame", "frame", 100, 100, 100, 100, "Color", 0, 0, 0);
    SetPropertyValue("frame", "BorderColor", 0);
    CreateControl("Shape", "inner", "frame", 50, 50, 200, 200); // runs over the frame's corner
    Color("inner", "Color", 255, 255, 255);
    SetPropertyValue("inner", "BorderColor", MakeRGB(255, 255, 255));
    Draw();
    Expect(170, 170, {255, 255, 255, 255});
    Expect(198, 198, {255, 255, 255, 255});
    Expect(202, 170, SHEET); // right of the frame
    Expect(170, 202, SHEET); // below it
}
