// The control model: creation rules, properties, events, destruction and GUIError.
#include <cstring>

#include "gui/lists.h"
#include "tests/gui/gui_fixture.h"

class ModelTest : public GUITest {
  protected:
    void SetUp() override {
        GUITest::SetUp();
        MakeSheet("S");
    }
};

TEST_F(ModelTest, GeometryVisibilityAndTheirHandlers) {
    CreateControl("Button", "zero", "S", 30, 40, 0, 20); // no size: the position stays at 0
    EXPECT_EQ(std::pair(Get<f32>("zero", "x"), Get<f32>("zero", "y")), std::pair(0.0f, 0.0f));
    // A sheet made with no size keeps the screen's.
    EXPECT_EQ(std::pair(Get<f32>("S", "w"), Get<f32>("S", "h")), std::pair(800.0f, 600.0f));
    CreateControl("Button", "b", "S", 5, 6, 70, 30);
    SetEventFn("b", "Size", SayPair<"size">);
    SetEventFn("b", "Move", SayPair<"move">);
    f32 w = 90;
    ASSERT_TRUE(SetProperty("b", "w", &w)); // Size sees the old size, Move the new position
    ASSERT_TRUE(SetPropertyValue("b", "y", FloatBits(44.5f)));
    EXPECT_EQ(TakeEvents(), (Lines{"size 70 30", "move 5 44.5"}));
    EXPECT_EQ(Get<f32>("b", "w"), 90.0f);
    EXPECT_EQ(Get<f32>("b", "y"), 44.5f);
    // Visible 2 is stored and hides.
    SetEventFn("b", "Show", Say<"show">);
    SetEventFn("b", "Hide", Say<"hide">);
    EXPECT_TRUE(SetPropertyValue("b", "Visible", 2));
    EXPECT_EQ(Get<u8>("b", "Visible"), 2);
    EXPECT_TRUE(SetPropertyValue("b", "Visible", 1));
    EXPECT_TRUE(SetPropertyValue("b", "Visible", 0));
    EXPECT_EQ(TakeEvents(), (Lines{"hide", "show", "hide"}));
}

TEST_F(ModelTest, DestroyingASheetDestroysChildrenBeforeParentsLastChildFirst) {
    CreateControl("Frame", "frame", "S", 0, 0, 100, 100);
    CreateControl("Button", "inner1", "frame", 0, 0, 10, 10);
    CreateControl("CheckBox", "inner2", "frame", 0, 0, 10, 10);
    CreateControl("Label", "last", "S", 0, 0, 10, 10);
    SetEventFn("S", "Destroy", Say<"S">);
    SetEventFn("inner1", "Destroy", Say<"inner1">);
    SetEventFn("inner2", "Destroy", Say<"inner2">);
    SetEventFn("last", "Destroy", Say<"last">);
    ASSERT_TRUE(DestroyControl("S"));
    EXPECT_EQ(TakeEvents(), (Lines{"last", "inner2", "inner1", "S"}));
    EXPECT_EQ(ControlCount(), 0);
    EXPECT_EQ(GetActiveSheet(), nullptr);
    EXPECT_NE(CreateControl("Sheet", "S", nullptr, 0, 0, 0, 0), nullptr); // the name is free
}

TEST_F(ModelTest, StringPropertiesAreOwnedCopiesReadWithinBounds) {
    CreateControl("Label", "l", "S", 0, 0, 100, 20);
    EXPECT_EQ(Text("l"), "Label");
    char buffer[32];
    strcpy(buffer, "first");
    ASSERT_TRUE(SetProperty("l", "Text", buffer));
    strcpy(buffer, "changed");
    EXPECT_EQ(Text("l"), "first");
    EXPECT_EQ(GetProperty("l", "Text", nullptr), 5);
    // Bounded reads stop at character boundaries: a, b, e-acute (2 bytes), z.
    SetProperty("l", "Text", "ab\xC3\xA9z");
    char out[4];
    EXPECT_EQ(GetPropertyString("l", "Text", out, sizeof out), 5);
    EXPECT_STREQ(out, "ab"); // the e-acute would not fit whole
    char big[16];
    GetPropertyString("l", "Text", big, sizeof big);
    EXPECT_STREQ(big, "ab\xC3\xA9z");
    EXPECT_EQ(ErrorOf([&] { return GetPropertyString("l", "Color", big, sizeof big); }),
              GUI_ERROR_PROPERTY); // not a string
    // An empty string reads as 0 and counts as a refusal.
    ASSERT_TRUE(SetProperty("l", "Text", ""));
    EXPECT_EQ(ErrorOf([] { return GetProperty("l", "Text", nullptr); }), GUI_ERROR_PROPERTY);
}

TEST_F(ModelTest, AButtonsBackgroundFollowsItsStyleAndWideValuesAreRefused) {
    Button("b", 0, 0);
    CreateControl("Line", "line", "S", 0, 0, 10, 10);
    // A colour for the colour styles and a pointer for the surface style.
    EXPECT_EQ(GetProperty("b", "Background", nullptr), 4);
    ASSERT_TRUE(SetPropertyValue("b", "Background", 0x11223344));
    EXPECT_EQ(Get<u32>("b", "Background"), 0x11223344u);
    ASSERT_TRUE(SetPropertyValue("b", "Style", 2));
    EXPECT_EQ(GetProperty("b", "Background", nullptr), int(sizeof(void*)));
    EXPECT_EQ(Get<void*>("b", "Background"), nullptr); // the colour is never read as a pointer
    // Wider values do not fit a 32-bit argument: refused, nothing written.
    EXPECT_EQ(ErrorOf([] { return SetPropertyValue("b", "Font", 1234); }), GUI_ERROR_PROPERTY);
    EXPECT_FALSE(SetPropertyValue("b", "Text", 65));
    EXPECT_EQ(Text("b"), "Button");
    // A one-byte value takes only its byte.
    ASSERT_TRUE(SetPropertyValue("line", "Invert", 0x101));
    EXPECT_EQ(Get<u8>("line", "Invert"), 1);
}

TEST_F(ModelTest, EveryPublicCallReportsItsErrorAndNamesAndEventsAreCaseSensitive) {
    auto create = [](const char* cls, const char* name, const char* parent = "S") {
        return [=] { return CreateControl(cls, name, parent, 0, 0, 1, 1); };
    };
    u16 before = ControlCount();
    EXPECT_EQ(ErrorOf(create("Button", "b", "NoSuchParent")), GUI_ERROR_PARENT);
    EXPECT_EQ(ErrorOf(create("Knob", "k")), GUI_ERROR_CLASS);
    EXPECT_EQ(ErrorOf(create("Button", "")), GUI_ERROR_NAME);
    EXPECT_EQ(ErrorOf(create("Button", nullptr)), GUI_ERROR_NAME);
    EXPECT_EQ(ErrorOf(create("Button", "tab\there")), GUI_ERROR_NAME);
    // 32 characters do not fit the name field: refused, not cut into another name.
    const std::string tooLong(32, 'n'), longest(31, 'n');
    EXPECT_EQ(ErrorOf(create("Button", tooLong.c_str())), GUI_ERROR_NAME);
    EXPECT_EQ(ControlCount(), before);
    EXPECT_EQ(ErrorOf(create("Button", longest.c_str())), -1);
    EXPECT_EQ(ErrorOf(create("Label", longest.c_str())), GUI_ERROR_NAME);
    EXPECT_EQ(Text(longest.c_str()), "Button"); // the first one is untouched

    const char* name = longest.c_str();
    EXPECT_EQ(ErrorOf([] { return FindControl("missing"); }), GUI_ERROR_NAME);
    EXPECT_EQ(ErrorOf([] { return DestroyControl("missing"); }), GUI_ERROR_NOT_FOUND);
    EXPECT_EQ(ErrorOf([] { return SetPropertyValue("missing", "x", 0); }), GUI_ERROR_NAME);
    EXPECT_EQ(ErrorOf([=] { return SetPropertyValue(name, "NoSuchProperty", 0); }),
              GUI_ERROR_PROPERTY);
    EXPECT_EQ(ErrorOf([=] { return GetProperty(name, "NoSuchProperty", nullptr); }),
              GUI_ERROR_PROPERTY);
    EXPECT_EQ(ErrorOf([] { return SetEventFn("missing", "Click", Say<"x">); }), GUI_ERROR_NAME);
    EXPECT_FALSE(SetActiveSheet("missing"));
    EXPECT_FALSE(FocusControl("missing"));
    // Names and property names are case-sensitive: "OK" is another control, "visible" not
    // the built-in "Visible".
    Button("ok", 0, 0);
    EXPECT_EQ(ErrorOf([] { return FindControl("OK"); }), GUI_ERROR_NAME);
    EXPECT_NE(Button("OK", 0, 0), nullptr);
    EXPECT_EQ(ErrorOf([] { return SetPropertyValue("ok", "visible", 0); }), GUI_ERROR_PROPERTY);
    EXPECT_EQ(Get<u8>("ok", "Visible"), 1);
    // Events are bound and unbound by exact name; classes without events refuse them.
    CreateControl("Frame", "frame", "S", 0, 0, 10, 10);
    CreateControl("ListBox", "list", "S", 0, 0, 10, 10);
    EXPECT_TRUE(SetEventFn("list", "Scroll", Say<"scroll">));
    EXPECT_EQ(FindControl("list")->GetEvent("Scroll"), ToHandler(Say<"scroll">));
    EXPECT_TRUE(SetEvent("list", "Scroll", nullptr));
    EXPECT_EQ(FindControl("list")->GetEvent("Scroll"), nullptr);
    EXPECT_EQ(ErrorOf([] { return SetEventFn("frame", "Click", Say<"x">); }), GUI_ERROR_EVENT);
    EXPECT_EQ(ErrorOf([] { return SetEventFn("list", "click", Say<"x">); }), GUI_ERROR_EVENT);
}

TEST_F(ModelTest, DestroyedControlsLeaveNoReferencesBehindEvenFromTheirOwnHandler) {
    Control* b = Button("b", 10, 10);
    SetProperty("b", "ToolTipText", "tip");
    ASSERT_TRUE(FocusControl("b"));
    SetCaptureControl(b);
    Send(fake::KeyDown('A')); // remembered as the key focus
    ASSERT_EQ(GetFocusControl(), b);
    ASSERT_TRUE(DestroyControl("b"));
    EXPECT_EQ(GetFocusControl(), FindControl("S")); // the focus went to the sheet first
    EXPECT_EQ(GetCaptureControl(), nullptr);
    // Input after the destruction reaches nothing that is gone.
    Send(fake::KeyUp('A'));
    Send(fake::Char('a'));
    ClickAt(20, 20);
    EXPECT_NE(GetFocusControl(), nullptr);
    // An open combo box takes its overlay and capture with it.
    Control* combo = CreateControl("ComboBox", "combo", "S", 10, 10, 100, 20);
    AddItem(combo, "one", 0);
    AddItem(combo, "two", 0);
    ClickAt(20, 20);
    ASSERT_NE(GetGUIOverlay(), nullptr);
    ASSERT_EQ(GetCaptureControl(), combo);
    DestroyControl("combo");
    EXPECT_EQ(GetGUIOverlay(), nullptr);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    DrawGUI(); // nothing left to draw the list of
    // A handler may destroy its own control.
    Button("self", 10, 10);
    SetEventFn(
        "self", "Click", +[](u32) { DestroyControl("self"); });
    ClickAt(20, 20);
    EXPECT_EQ(FindControl("self"), nullptr);
    ClickAt(20, 20); // the sheet takes it now
    EXPECT_EQ(GetFocusControl(), FindControl("S"));
}
