// Input dispatch: focus, Tab, capture, clicks, the wheel, characters, tooltips and controls.
#include <tuple>

#include "gui/lists.h"
#include "tests/gui/gui_fixture.h"

class DispatchTest : public GUITest {
  protected:
    void SetUp() override {
        GUITest::SetUp();
        MakeSheet("S");
    }
};

TEST_F(DispatchTest, WithoutAnActiveSheetNothingIsReachedAndASheetHidingTheSceneThrottles) {
    SetActiveSheet(nullptr);
    Button("b", 10, 10);
    SetEventFn("b", "MouseDown", SayKey<"down">);
    EXPECT_TRUE(GUIShowsScene());
    DrawGUI(); // no sheet: the game draws, no sleep
    ClickAt(20, 20);
    Key(VK_TAB);
    Send(fake::Char('x'));
    EXPECT_TRUE(TakeEvents().empty());
    EXPECT_EQ(GetFocusControl(), nullptr);
    EXPECT_EQ(fake::SleptMilliseconds(), 0u);
    SetActiveSheet("S");
    EXPECT_FALSE(GUIShowsScene());
    DrawGUI();
    EXPECT_EQ(fake::SleptMilliseconds(), 1u);
    EnableGUIFlag(GUI_SHOW_SCENE);
    EXPECT_TRUE(GUIShowsScene());
    DrawGUI();
    DisableGUIFlag(GUI_SHOW_SCENE);
    DisableGUIFlag(GUI_THROTTLE);
    DrawGUI();
    EXPECT_EQ(fake::SleptMilliseconds(), 1u);
}

TEST_F(DispatchTest, APressFocusesAReleaseOverTheSameControlClicksAndCaptureTakesTheMouse) {
    Control* a = Button("a", 10, 10);
    Button("b", 10, 50);
    SetEventFn("a", "GetFocus", Say<"a get">);
    SetEventFn("a", "LoseFocus", Say<"a lose">);
    SetEventFn("b", "GetFocus", Say<"b get">);
    SetEventFn("a", "Click", SayKey<"click">);
    SetEventFn("a", "MouseDown", SayKey<"down">);
    ClickAt(20, 20);
    EXPECT_EQ(GetFocusControl(), a);
    EXPECT_EQ(TakeEvents(), (Lines{"a get", "down 230", "click 230"}));
    Drag(20, 20, 20, 60); // pressed on "a", released over "b": no click anywhere
    EXPECT_EQ(TakeEvents(), (Lines{"down 230"}));
    MouseTo(20, 20); // right clicks reach the handler with their own code
    Send(fake::Button(SYSMSG_RBUTTONDOWN));
    Send(fake::Button(SYSMSG_RBUTTONUP));
    EXPECT_EQ(TakeEvents(), (Lines{"down 231", "click 231"}));
    ClickAt(20, 60);
    EXPECT_EQ(TakeEvents(), (Lines{"a lose", "b get"}));
    // Capture takes the mouse while the pointer is inside the captor, and ends outside it.
    SetEventFn("b", "MouseDown", SayKey<"b down">);
    SetEventFn(
        "a", "MouseMove", +[](f32, f32) { EventLog::Add("a move"); });
    SetCaptureControl(a);
    ClickAt(15, 15);
    EXPECT_EQ(TakeEvents(), (Lines{"a move", "down 230", "click 230"}));
    EXPECT_EQ(GetCaptureControl(), a);
    ClickAt(20, 60);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(TakeEvents(), (Lines{"b down 230"}));
}

TEST_F(DispatchTest, TabWalksTheTabStopsOfTheNearestScopeAndWraps) {
    Control* b0 = Button("b0", 10, 10);
    CreateControl("Label", "label", "S", 10, 40, 60, 20); // never a tab stop
    Control* b1 = Button("b1", 10, 70);
    CreateControl("Frame", "frame", "S", 200, 10, 200, 200);
    Control* f0 = Button("f0", 10, 30, "frame");
    Control* f1 = Button("f1", 10, 60, "frame");
    Control* b2 = Button("b2", 10, 100);
    Button("hidden", 10, 130);
    SetPropertyValue("hidden", "Visible", 0);
    // From no focus to the sheet's first stop; f0 and f1 lie inside the frame's own scope but
    // below b1 in the walk; the frame is a scope, so Tab goes round inside it.
    for (Control* next : {b0, b1, f0, f1, f0}) {
        Key(VK_TAB);
        EXPECT_EQ(GetFocusControl(), next) << next->name;
    }
    ClickAt(20, 110);
    ASSERT_EQ(GetFocusControl(), b2);
    Key(VK_TAB); // the hidden button is passed over; round to the smallest stop
    EXPECT_EQ(GetFocusControl(), b0);
}

TEST_F(DispatchTest, TheWheelScrollsTheControlUnderTheMouseWithoutFocusOrClick) {
    Control* list = CreateControl("ListBox", "list", "S", 100, 100, 100, 60);
    for (int i = 0; i < 30; i++) AddItem(list, ("item " + std::to_string(i)).c_str(), 0);
    Control* button = Button("b", 10, 10);
    SetEventFn("b", "Click", SayKey<"click">);
    ClickAt(20, 20);
    TakeEvents();
    Send(fake::Wheel(-120)); // over the focused button: no click from the wheel
    EXPECT_TRUE(TakeEvents().empty());
    MouseTo(150, 130);
    Send(fake::Wheel(-120));
    EXPECT_EQ(GetFocusControl(), button);
    EXPECT_EQ(Get<f32>("list", "cBlock"), 3.0f * (TEST_LINE_HEIGHT + 1)); // 3 x Step
    EXPECT_EQ(GetSelected(list), -1);
}

TEST_F(DispatchTest, CharactersFollowOnlyTheirKeyAndEnterPressesTheDefaultButton) {
    CreateControl("TextBox", "t1", "S", 10, 10, 100, 20);
    CreateControl("TextBox", "t2", "S", 10, 40, 100, 20);
    SetProperty("t1", "Text", "");
    SetProperty("t2", "Text", "");
    SetEventFn(
        "t1", "KeyDown", +[](u32 key) {
            if (key == 'B') FocusControl("t2"); // the handler moves the focus
        });
    ClickAt(20, 20);
    Type("ab");
    EXPECT_EQ(Text("t1"), "a");
    EXPECT_EQ(GetProperty("t2", "Text", nullptr), 0); // "b" was dropped
    Type("c");
    EXPECT_EQ(Text("t2"), "c");
    // Enter in a text box moves the focus to its default button on the press; the button
    // clicks on the release.
    Button("send", 10, 70);
    SetProperty("t2", "DefaultButton", "send");
    SetEventFn("send", "Click", SayKey<"click">);
    Send(fake::KeyDown(VK_RETURN));
    EXPECT_EQ(GetFocusControl(), FindControl("send"));
    EXPECT_TRUE(TakeEvents().empty());
    Send(fake::KeyUp(VK_RETURN));
    EXPECT_EQ(TakeEvents(), (Lines{"click 230"}));
}

TEST_F(DispatchTest, TooltipsRiseAfterTheMouseRestsStayOnTheScreenAndSkipHiddenControls) {
    Button("b", 100, 100);
    SetProperty("b", "ToolTipText", "Fires the main gun");
    MouseTo(110, 110);
    UpdateGUI(1.0f);
    EXPECT_EQ(GetToolTip().fade, 0.0f);
    UpdateGUI(0.3f); // 0.2 s left: within the last quarter second it appears, faint
    ToolTipInfo tip = GetToolTip();
    EXPECT_STREQ(tip.text, "Fires the main gun");
    EXPECT_NEAR(tip.fade, 0.2f, 1e-4f);
    const f32 h = TEST_LINE_HEIGHT + 4, w = 18 * TEST_GLYPH_ADVANCE + 10; // above the pointer
    EXPECT_EQ(std::tuple(tip.x, tip.y, tip.w, tip.h), std::tuple(110.0f, 110.0f - h, w, h));
    MouseTo(111, 110); // any movement hides it
    EXPECT_EQ(GetToolTip().fade, 0.0f);
    // Tooltips stay on the screen, and hidden controls raise none.
    Button("far", 690, 200);
    SetProperty("far", "ToolTipText", "123456789012345678901234"); // 24 glyphs: 202 wide
    MouseTo(700, 210);
    UpdateGUI(1.3f);
    EXPECT_EQ(GetToolTip().x, 800.0f - 202.0f);
}

TEST_F(DispatchTest, CheckBoxesToggleAndButtonsClickOnClickAndKeys) {
    CreateControl("CheckBox", "c", "S", 10, 10, 100, 20);
    SetEventFn("c", "Toggle", Say<"toggle">);
    SetEventFn("c", "Click", SayKey<"click">);
    ClickAt(15, 15);
    EXPECT_EQ(Get<u8>("c", "Checked"), 1);
    Key(VK_SPACE);
    EXPECT_EQ(Get<u8>("c", "Checked"), 0);
    EXPECT_EQ(TakeEvents(), (Lines{"click 230", "toggle", "toggle", "click 32"}));
    // Enter or Space on a focused button clicks with the left button's code.
    Button("b", 10, 40);
    SetEventFn("b", "Click", SayKey<"click">);
    SetEventFn("b", "KeyUp", SayKey<"keyup">);
    ASSERT_TRUE(FocusControl("b"));
    Key(VK_RETURN);
    Key(VK_SPACE);
    Key('Q');
    EXPECT_EQ(TakeEvents(), (Lines{"click 230", "keyup 13", "click 230", "keyup 32", "keyup 81"}));
}

TEST_F(DispatchTest, RadioButtonsOfOneParentExcludeEachOther) {
    CreateControl("RadioButton", "r0", "S", 10, 10, 100, 20);
    CreateControl("RadioButton", "r1", "S", 10, 40, 100, 20);
    CreateControl("RadioButton", "r2", "S", 10, 70, 100, 20);
    CreateControl("Frame", "other", "S", 200, 0, 200, 200);
    CreateControl("RadioButton", "elsewhere", "other", 10, 10, 100, 20);
    SetPropertyValue("r0", "Value", 1);
    SetPropertyValue("elsewhere", "Value", 1);
    auto values = [] {
        std::string v;
        for (const char* r : {"r0", "r1", "r2", "elsewhere"}) v += char('0' + Get<u8>(r, "Value"));
        return v;
    };
    ClickAt(15, 45);
    EXPECT_EQ(values(), "0101"); // another parent, another group
    ClickAt(15, 45);             // again: none is selected
    EXPECT_EQ(values(), "0001");
    Key(VK_TAB);
    Key(VK_SPACE);
    EXPECT_EQ(values(), "0011");
}

TEST_F(DispatchTest, ScrollBarArrowsRepeatWhileHeld) {
    CreateControl("ScrollBar", "bar", "S", 10, 10, 16, 200);
    SetPropertyValue("bar", "nBlocks", 100);
    SetPropertyValue("bar", "nSliderBlocks", 10);
    SetEventFn("bar", "Scroll", Say<"scroll">);
    MouseTo(15, 200); // the lower arrow
    LeftDown();
    EXPECT_EQ(Get<f32>("bar", "cBlock"), 1.0f);
    // Half a second until the first repeat, then one every 0.08 s.
    for (int step = 0; step < 7; ++step) {
        UpdateGUI(step == 0 ? 0.4f : step == 1 ? 0.1f : 0.08f);
        EXPECT_EQ(Get<f32>("bar", "cBlock"), f32(step + 1)) << "step " << step;
    }
    LeftUp();
    UpdateGUI(1.0f);
    EXPECT_EQ(Get<f32>("bar", "cBlock"), 7.0f);
    EXPECT_EQ(TakeEvents().size(), 7u);
    // Setting the position runs Scroll and stays within the range.
    f32 far = 1000.0f;
    SetProperty("bar", "cBlock", &far);
    EXPECT_EQ(Get<f32>("bar", "cBlock"), 100.0f);
    EXPECT_EQ(TakeEvents().size(), 1u);
}
