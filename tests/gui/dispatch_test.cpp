// Input dispatch fed through the engine's window procedure: focus and its notifications, Tab
// scopes, capture, clicks and drags, double clicks, the wheel, characters, tooltips, and the
// behaviour of buttons, check boxes, radio buttons and dialogs under the mouse and keys.
#include <cmath>

#include "gui/lists.h"
#include "tests/gui/gui_fixture.h"

namespace {
void Log(const char* what) {
    EventLog::Add(what);
}
void OnClick(u32 key) {
    EventLog::Add("click " + std::to_string(key));
}
void OnKeyUp(u32 key) {
    EventLog::Add("keyup " + std::to_string(key));
}
void OnDoubleClick(u32 key) {
    EventLog::Add("double " + std::to_string(key));
}
void OnMouseDown(u32 key) {
    EventLog::Add("down " + std::to_string(key));
}
template <int N> void Named() {
    static const char* names[] = {"a get", "a lose", "b get", "b lose", "toggle", "close", "open"};
    Log(names[N]);
}
f32 movedX = 0, movedY = 0;
void OnMove(f32 x, f32 y) {
    movedX = x;
    movedY = y;
}
} // namespace

class DispatchTest : public GUITest {
  protected:
    Control* Button(const char* name, f32 x, f32 y, const char* parent = "S") {
        return CreateControl("Button", name, parent, x, y, 60, 20);
    }
};

TEST_F(DispatchTest, WithoutAnActiveSheetNothingIsReached) {
    CreateControl("Sheet", "S", nullptr, 0, 0, 0, 0);
    Button("b", 10, 10);
    SetEventFn("b", "Click", OnClick);
    SetEventFn("b", "MouseDown", OnMouseDown);
    EXPECT_TRUE(GUIShowsScene());
    ClickAt(20, 20);
    Key(VK_TAB);
    Send(fake::Char('x'));
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(GetFocusControl(), nullptr);
    SetActiveSheet("S");
    EXPECT_FALSE(GUIShowsScene());
    EnableGUIFlag(GUI_SHOW_SCENE);
    EXPECT_TRUE(GUIShowsScene());
}

TEST_F(DispatchTest, APressFocusesAndAReleaseOverTheSameControlClicks) {
    MakeSheet("S");
    Control* a = Button("a", 10, 10);
    Button("b", 10, 50);
    SetEventFn("a", "GetFocus", Named<0>);
    SetEventFn("a", "LoseFocus", Named<1>);
    SetEventFn("b", "GetFocus", Named<2>);
    SetEventFn("a", "Click", OnClick);
    SetEventFn("a", "MouseDown", OnMouseDown);
    ClickAt(20, 20);
    EXPECT_EQ(GetFocusControl(), a);
    EXPECT_EQ(Events(), (std::vector<std::string>{"a get", "down 230", "click 230"}));
    Events().clear();
    // Pressed on "a", released over "b": no click anywhere.
    MouseTo(20, 20);
    LeftDown();
    MouseTo(20, 60);
    LeftUp();
    EXPECT_EQ(Events(), (std::vector<std::string>{"down 230"}));
    Events().clear();
    ClickAt(20, 60);
    EXPECT_EQ(Events(), (std::vector<std::string>{"a lose", "b get"}));
}

TEST_F(DispatchTest, RightClicksReachTheClickHandlerWithTheirCode) {
    MakeSheet("S");
    Button("a", 10, 10);
    SetEventFn("a", "Click", OnClick);
    MouseTo(20, 20);
    Send(fake::Button(SYSMSG_RBUTTONDOWN));
    Send(fake::Button(SYSMSG_RBUTTONUP));
    EXPECT_EQ(Events(), (std::vector<std::string>{"click 231"}));
}

TEST_F(DispatchTest, TabWalksTheTabStopsOfTheNearestScopeAndWraps) {
    MakeSheet("S");
    Control* b0 = Button("b0", 10, 10);
    CreateControl("Label", "label", "S", 10, 40, 60, 20); // never a tab stop
    Control* b1 = Button("b1", 10, 70);
    CreateControl("Frame", "frame", "S", 200, 10, 200, 200);
    Control* f0 = Button("f0", 10, 30, "frame");
    Control* f1 = Button("f1", 10, 60, "frame");
    Control* b2 = Button("b2", 10, 100);
    Control* hidden = Button("hidden", 10, 130);
    SetPropertyValue("hidden", "Visible", 0);

    Key(VK_TAB); // no focus: from the sheet to its first stop
    EXPECT_EQ(GetFocusControl(), b0);
    Key(VK_TAB);
    EXPECT_EQ(GetFocusControl(), b1);
    Key(VK_TAB); // f0 and f1 lie inside the frame's own scope, but are below it in the walk
    EXPECT_EQ(GetFocusControl(), f0);
    Key(VK_TAB);
    EXPECT_EQ(GetFocusControl(), f1);
    Key(VK_TAB); // the frame is a scope: back to its first stop
    EXPECT_EQ(GetFocusControl(), f0);
    ClickAt(20, 110);
    ASSERT_EQ(GetFocusControl(), b2);
    Key(VK_TAB); // the hidden button is passed over; round to the smallest stop
    EXPECT_EQ(GetFocusControl(), b0);
    EXPECT_NE(GetFocusControl(), hidden);
}

TEST_F(DispatchTest, TabNotifiesOnlyTheControlItLandsOn) {
    MakeSheet("S");
    Button("a", 10, 10);
    Button("mid", 10, 40);
    Button("b", 10, 70);
    SetEventFn("mid", "GetFocus", Named<0>);
    SetPropertyValue("b", "TabStop", 1);
    SetPropertyValue("mid", "TabStop", 5);
    ClickAt(20, 20); // "a" has the stop 1 of its creation, "b" now too: ties keep walk order
    SetPropertyValue("a", "TabStop", 0);
    Key(VK_TAB);
    EXPECT_EQ(GetFocusControl(), FindControl("b"));
    EXPECT_TRUE(Events().empty()); // "mid" was a candidate on the way but never focused
}

TEST_F(DispatchTest, CaptureTakesTheMouseWhileThePointerIsInsideIt) {
    MakeSheet("S");
    Control* a = Button("a", 10, 10);
    Button("b", 10, 50);
    SetEventFn("a", "MouseDown", OnMouseDown);
    SetEventFn("b", "MouseDown", OnMouseDown);
    SetEventFn(
        "a", "MouseMove", +[](f32, f32) { Log("a move"); });
    SetCaptureControl(a);
    MouseTo(15, 15);
    LeftDown();
    LeftUp();
    EXPECT_EQ(Events(), (std::vector<std::string>{"a move", "down 230"}));
    EXPECT_EQ(GetCaptureControl(), a);
    Events().clear();
    ClickAt(20, 60); // outside: the capture ends and "b" gets the press
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(Events(), (std::vector<std::string>{"down 230"}));
    EXPECT_EQ(GetFocusControl(), FindControl("b"));
}

TEST_F(DispatchTest, TwoQuickClicksMakeADoubleClick) {
    MakeSheet("S");
    Button("a", 10, 10);
    SetEventFn("a", "DoubleClick", OnDoubleClick);
    ClickAt(20, 20);
    fake::AdvanceTime(300);
    ClickAt(20, 20);
    EXPECT_EQ(Events(), (std::vector<std::string>{"double 230"}));
    fake::AdvanceTime(500);
    ClickAt(20, 20);
    EXPECT_EQ(Events().size(), 1u);
}

TEST_F(DispatchTest, TheWheelScrollsTheControlUnderTheMouseWithoutFocusOrClick) {
    MakeSheet("S");
    Control* list = CreateControl("ListBox", "list", "S", 100, 100, 100, 60);
    for (int i = 0; i < 30; i++) AddItem(list, ("item " + std::to_string(i)).c_str(), 0);
    Control* button = Button("b", 10, 10);
    SetEventFn("b", "Click", OnClick);
    ClickAt(20, 20);
    Events().clear();
    MouseTo(20, 20);
    Send(fake::Wheel(-120)); // over the focused button: no click from the wheel
    EXPECT_TRUE(Events().empty());
    MouseTo(150, 130);
    Send(fake::Wheel(-120));
    EXPECT_EQ(GetFocusControl(), button);
    EXPECT_EQ(Get<f32>("list", "cBlock"), 3.0f * (TEST_LINE_HEIGHT + 1)); // 3 x Step
    EXPECT_EQ(GetSelected(list), -1);
}

TEST_F(DispatchTest, CharactersFollowOnlyTheKeyThatWentToTheSameControl) {
    MakeSheet("S");
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
}

TEST_F(DispatchTest, ATooltipRisesAfterTheMouseRestsForOneAndAHalfSeconds) {
    MakeSheet("S");
    Button("b", 100, 100);
    SetProperty("b", "ToolTipText", "Fires the main gun");
    MouseTo(110, 110);
    UpdateGUI(1.0f);
    EXPECT_EQ(GetToolTip().fade, 0.0f);
    UpdateGUI(0.3f); // 0.2 s left: within the last quarter second it appears, faint
    ToolTipInfo tip = GetToolTip();
    EXPECT_STREQ(tip.text, "Fires the main gun");
    EXPECT_NEAR(tip.fade, 0.2f, 1e-4f);
    EXPECT_EQ(tip.x, 110.0f);
    EXPECT_EQ(tip.h, TEST_LINE_HEIGHT + 4);
    EXPECT_EQ(tip.y, 110.0f - tip.h);
    EXPECT_EQ(tip.w, 18 * TEST_GLYPH_ADVANCE + 10);
    UpdateGUI(0.5f);
    EXPECT_EQ(GetToolTip().fade, 1.0f);
    MouseTo(111, 110); // any movement hides it
    EXPECT_EQ(GetToolTip().fade, 0.0f);
    UpdateGUI(1.0f);
    EXPECT_EQ(GetToolTip().fade, 0.0f); // and the countdown starts again
    UpdateGUI(0.3f);
    EXPECT_GT(GetToolTip().fade, 0.0f);
}

TEST_F(DispatchTest, TooltipsStayOnTheScreenAndHiddenControlsRaiseNone) {
    MakeSheet("S");
    Button("b", 690, 100);
    SetProperty("b", "ToolTipText", "123456789012345678901234"); // 24 glyphs: 202 wide
    MouseTo(700, 110);
    UpdateGUI(1.3f);
    EXPECT_EQ(GetToolTip().x, 800.0f - 202.0f);
    MouseTo(710, 110);
    SetPropertyValue("b", "Visible", 0);
    UpdateGUI(2.0f);
    EXPECT_EQ(GetToolTip().fade, 0.0f);
}

TEST_F(DispatchTest, EnterOrSpaceOnAFocusedButtonClicksWithTheLeftButtonCode) {
    MakeSheet("S");
    Button("b", 10, 10);
    SetEventFn("b", "Click", OnClick);
    SetEventFn("b", "KeyUp", OnKeyUp);
    ClickAt(20, 20);
    Events().clear();
    Key(VK_RETURN);
    Key(VK_SPACE);
    Key('Q');
    EXPECT_EQ(Events(), (std::vector<std::string>{"click 230", "keyup 13", "click 230", "keyup 32",
                                                  "keyup 81"}));
}

TEST_F(DispatchTest, CheckBoxesToggleOnClickAndSpace) {
    MakeSheet("S");
    CreateControl("CheckBox", "c", "S", 10, 10, 100, 20);
    SetEventFn("c", "Toggle", Named<4>);
    SetEventFn("c", "Click", OnClick);
    ClickAt(15, 15);
    EXPECT_EQ(Get<u8>("c", "Checked"), 1);
    Key(VK_SPACE);
    EXPECT_EQ(Get<u8>("c", "Checked"), 0);
    MouseTo(15, 15);
    Send(fake::Button(SYSMSG_RBUTTONDOWN));
    Send(fake::Button(SYSMSG_RBUTTONUP));
    EXPECT_EQ(Get<u8>("c", "Checked"), 0); // only the left button toggles
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"click 230", "toggle", "toggle", "click 32", "click 231"}));
}

TEST_F(DispatchTest, RadioButtonsOfOneParentExcludeEachOther) {
    MakeSheet("S");
    CreateControl("RadioButton", "r0", "S", 10, 10, 100, 20);
    CreateControl("RadioButton", "r1", "S", 10, 40, 100, 20);
    CreateControl("RadioButton", "r2", "S", 10, 70, 100, 20);
    CreateControl("Frame", "other", "S", 200, 0, 200, 200);
    CreateControl("RadioButton", "elsewhere", "other", 10, 10, 100, 20);
    SetPropertyValue("r0", "Value", 1);
    SetPropertyValue("elsewhere", "Value", 1);
    ClickAt(15, 45);
    EXPECT_EQ(Get<u8>("r0", "Value"), 0);
    EXPECT_EQ(Get<u8>("r1", "Value"), 1);
    EXPECT_EQ(Get<u8>("r2", "Value"), 0);
    EXPECT_EQ(Get<u8>("elsewhere", "Value"), 1); // another parent, another group
    ClickAt(15, 45);                             // again: none is selected
    EXPECT_EQ(Get<u8>("r1", "Value"), 0);
    Key(VK_TAB);
    Key(VK_SPACE);
    EXPECT_EQ(Get<u8>("r2", "Value"), 1);
}

TEST_F(DispatchTest, RadioButtonsAreNeverSmallerThanTheirMark) {
    MakeSheet("S");
    CreateControl("RadioButton", "r", "S", 10, 10, 5, 5);
    SetEventFn(
        "r", "Size", +[](f32, f32) { Log("size"); });
    EXPECT_EQ(Get<f32>("r", "w"), 10.0f);
    EXPECT_EQ(Get<f32>("r", "h"), 10.0f);
    SetPropertyValue("r", "w", FloatBits(3.0f));
    EXPECT_EQ(Get<f32>("r", "w"), 10.0f);
    EXPECT_TRUE(Events().empty());
}

TEST_F(DispatchTest, ADialogTakesTheFocusWhenFirstDrawnAndComesToTheFront) {
    MakeSheet("S");
    Control* d1 = CreateControl("Dialog", "d1", "S", 100, 100, 200, 150);
    CreateControl("Dialog", "d2", "S", 150, 150, 200, 150);
    SetEventFn("d1", "Open", Named<6>);
    Button("inner", 10, 40, "d1");
    DrawGUI(); // both open; the last one drawn holds the focus
    EXPECT_EQ(Events(), (std::vector<std::string>{"open"}));
    EXPECT_EQ(GetFocusControl(), FindControl("d2"));
    ClickAt(120, 150); // into d1's button
    EXPECT_EQ(GetFocusControl(), FindControl("inner"));
    Control* sheet = FindControl("S");
    EXPECT_EQ(sheet->children.back(), d1);
}

TEST_F(DispatchTest, ADialogIsDraggedByItsTitleBar) {
    MakeSheet("S");
    CreateControl("Dialog", "d", "S", 100, 100, 200, 150);
    SetEventFn("d", "Move", OnMove);
    DrawGUI();
    MouseTo(150, 105); // the title bar is the line height plus 4 high
    LeftDown();
    MouseTo(170, 125);
    EXPECT_EQ(Get<f32>("d", "x"), 120.0f);
    EXPECT_EQ(Get<f32>("d", "y"), 120.0f);
    EXPECT_EQ(movedX, 120.0f);
    EXPECT_EQ(movedY, 120.0f);
    LeftUp();
    MouseTo(180, 135);
    EXPECT_EQ(Get<f32>("d", "x"), 120.0f); // released: the drag is over
    // A press in the body does not drag.
    MouseTo(200, 200);
    LeftDown();
    MouseTo(210, 210);
    LeftUp();
    EXPECT_EQ(Get<f32>("d", "x"), 120.0f);
}

TEST_F(DispatchTest, AClosedDialogIsNotDrawnButKeepsItsName) {
    MakeSheet("S");
    Control* d = CreateControl("Dialog", "d", "S", 100, 100, 200, 150);
    SetEventFn("d", "Close", Named<5>);
    DrawGUI();
    // The close box sits at the title bar's right end: x + w - 20 .. x + w - 3 for a 16-unit
    // line, y + 3 .. y + 17.
    ClickAt(290, 110);
    EXPECT_EQ(Events(), (std::vector<std::string>{"close"}));
    EXPECT_EQ(FindControl("d"), d);
    EXPECT_EQ(ControlChildCount(FindControl("S")), 0);
    EXPECT_EQ(GetFocusControl(), FindControl("S")); // the focus did not stay on it
    ClickAt(150, 150);
    EXPECT_EQ(GetFocusControl(), FindControl("S"));
    // Showing it again puts it back.
    SetPropertyValue("d", "Visible", 1);
    EXPECT_EQ(ControlChildCount(FindControl("S")), 1);
    // Destroying the sheet takes the closed dialog with it.
    SetPropertyValue("d", "Visible", 0);
    ClickAt(290, 110);
    DestroyControl("S");
    EXPECT_EQ(FindControl("d"), nullptr);
}

TEST_F(DispatchTest, EnterInATextBoxPressesItsDefaultButton) {
    MakeSheet("S");
    CreateControl("TextBox", "t", "S", 10, 10, 100, 20);
    Button("send", 10, 50);
    SetProperty("t", "DefaultButton", "send");
    SetEventFn("send", "Click", OnClick);
    ClickAt(20, 20);
    Send(fake::KeyDown(VK_RETURN));
    EXPECT_EQ(GetFocusControl(), FindControl("send")); // focus moves on the press
    EXPECT_TRUE(Events().empty());
    Send(fake::KeyUp(VK_RETURN)); // and the button clicks on the release
    EXPECT_EQ(Events(), (std::vector<std::string>{"click 230"}));
}

TEST_F(DispatchTest, ScrollBarArrowsRepeatWhileHeld) {
    MakeSheet("S");
    CreateControl("ScrollBar", "bar", "S", 10, 10, 16, 200);
    SetPropertyValue("bar", "nBlocks", 100);
    SetPropertyValue("bar", "nSliderBlocks", 10);
    int scrolls = 0;
    static int* counter;
    counter = &scrolls;
    SetEventFn(
        "bar", "Scroll", +[]() { (*counter)++; });
    MouseTo(15, 200); // the lower arrow
    LeftDown();
    EXPECT_EQ(Get<f32>("bar", "cBlock"), 1.0f);
    UpdateGUI(0.4f);
    EXPECT_EQ(Get<f32>("bar", "cBlock"), 1.0f);
    UpdateGUI(0.1f); // half a second: repeats
    EXPECT_EQ(Get<f32>("bar", "cBlock"), 2.0f);
    for (int i = 0; i < 5; i++) UpdateGUI(0.08f);
    EXPECT_EQ(Get<f32>("bar", "cBlock"), 7.0f);
    LeftUp();
    UpdateGUI(1.0f);
    EXPECT_EQ(Get<f32>("bar", "cBlock"), 7.0f);
    EXPECT_EQ(scrolls, 7);
    // Setting the position runs Scroll and stays within the range.
    f32 far = 1000.0f;
    SetProperty("bar", "cBlock", &far);
    EXPECT_EQ(Get<f32>("bar", "cBlock"), 100.0f);
    EXPECT_EQ(scrolls, 8);
    MouseTo(15, 15); // the upper arrow, with the wheel
    Send(fake::Wheel(120));
    EXPECT_EQ(Get<f32>("bar", "cBlock"), 97.0f);
}

TEST_F(DispatchTest, AnArrowReleasedAwayFromTheBarStopsRepeating) {
    MakeSheet("S");
    CreateControl("ScrollBar", "bar", "S", 10, 10, 16, 200);
    SetPropertyValue("bar", "nBlocks", 100);
    MouseTo(15, 200);
    LeftDown();
    MouseTo(400, 400);
    LeftUp();
    UpdateGUI(1.0f);
    UpdateGUI(1.0f);
    EXPECT_EQ(Get<f32>("bar", "cBlock"), 1.0f);
}

TEST_F(DispatchTest, TextBoxesShowTheTextCursorWhileThePointerIsOverThem) {
    MakeSheet("S");
    CreateControl("TextBox", "t", "S", 10, 10, 100, 20);
    CreateControl("MLTextBox", "m", "S", 10, 50, 100, 60);
    SelectCursor(CURSOR_ARROW);
    MouseTo(20, 20);
    DrawGUI();
    EXPECT_EQ(GetCursorSlot(), CURSOR_IBEAM);
    SelectCursor(CURSOR_ARROW); // each frame starts with the arrow
    MouseTo(300, 300);
    DrawGUI();
    EXPECT_EQ(GetCursorSlot(), CURSOR_ARROW);
    MouseTo(20, 70);
    DrawGUI();
    EXPECT_EQ(GetCursorSlot(), CURSOR_IBEAM);
    SelectCursor(GUI_CURSOR_SLOTS); // outside the table: ignored
    SelectCursor(-1);
    EXPECT_EQ(GetCursorSlot(), CURSOR_IBEAM);
}
