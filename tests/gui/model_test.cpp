// The control model without a window: the class registry, the sorted control table and tab
// stops, creation rules, table-driven properties and events, destruction order, and every
// GUIError a public call can leave.
#include <cstring>

#include "gui/classes.h"
#include "gui/skins.h"
#include "gui/lists.h"
#include "tests/gui/gui_fixture.h"

namespace {
f32 sizeW = 0, sizeH = 0, moveX = 0, moveY = 0;
void OnSize(f32 w, f32 h) {
    sizeW = w;
    sizeH = h;
}
void OnMove(f32 x, f32 y) {
    moveX = x;
    moveY = y;
}
void OnShow() {
    EventLog::Add("show");
}
void OnHide() {
    EventLog::Add("hide");
}
// Records which control's Destroy handler ran, by the order they were bound.
std::vector<std::string> bound;
template <int N> void OnDestroy() {
    EventLog::Add(bound[N]);
}
} // namespace

class ModelTest : public GUITest {};

TEST_F(ModelTest, EighteenClassesAreRegisteredInByteOrderWithTheirFlags) {
    const char* names[] = {"Button",     "CheckBox",    "ComboBox",    "Dialog",    "Frame",
                           "Label",      "Line",        "ListBox",     "MCListBox", "MLTextBox",
                           "PictureBox", "ProgressBar", "RadioButton", "ScrollBar", "Shape",
                           "Sheet",      "StatusBar",   "TextBox"};
    ASSERT_EQ(ControlClassCount(), 18);
    for (const char* name : names) EXPECT_NE(FindControlClass(name), nullptr) << name;
    const char* tabStops[] = {"Button",    "CheckBox",  "ComboBox",    "ListBox",
                              "MCListBox", "MLTextBox", "RadioButton", "TextBox"};
    int stoppable = 0;
    for (const char* name : names) stoppable += FindControlClass(name)->tabStoppable;
    EXPECT_EQ(stoppable, 8);
    for (const char* name : tabStops) EXPECT_TRUE(FindControlClass(name)->tabStoppable) << name;
    EXPECT_TRUE(FindControlClass("Sheet")->tabScope);
    EXPECT_TRUE(FindControlClass("Dialog")->tabScope);
    EXPECT_TRUE(FindControlClass("Frame")->tabScope);
    EXPECT_FALSE(FindControlClass("Label")->tabScope);
    EXPECT_EQ(FindControlClass("button"), nullptr); // class names are case-sensitive
}

TEST_F(ModelTest, ControlsAreKeptInNameOrderWithCreationIndexAsTabStop) {
    MakeSheet("S");
    CreateControl("Button", "b", "S", 10, 10, 50, 20);
    CreateControl("Button", "a", "S", 10, 40, 50, 20);
    CreateControl("Label", "c", "S", 10, 70, 50, 20);
    ASSERT_EQ(ControlCount(), 4);
    EXPECT_STREQ(ControlAtIndex(0)->name, "S");
    EXPECT_STREQ(ControlAtIndex(1)->name, "a");
    EXPECT_STREQ(ControlAtIndex(2)->name, "b");
    EXPECT_EQ(Get<u16>("b", "TabStop"), 1); // the sheet was created first, with index 0
    EXPECT_EQ(Get<u16>("a", "TabStop"), 2);
    EXPECT_EQ(Get<u16>("c", "TabStop"), NO_TAB_STOP);
    EXPECT_EQ(Get<u16>("S", "TabStop"), NO_TAB_STOP);
    // Children keep creation order, which is the drawing order.
    Control* sheet = FindControl("S");
    ASSERT_EQ(ControlChildCount(sheet), 3);
    EXPECT_STREQ(sheet->children[0]->name, "b");
    EXPECT_STREQ(sheet->children[2]->name, "c");
}

TEST_F(ModelTest, ZeroSizeCreationLeavesThePositionAtTheOrigin) {
    MakeSheet("S");
    CreateControl("Button", "zero", "S", 30, 40, 0, 20);
    EXPECT_EQ(Get<f32>("zero", "x"), 0.0f);
    EXPECT_EQ(Get<f32>("zero", "y"), 0.0f);
    CreateControl("Button", "sized", "S", 30, 40, 60, 20);
    EXPECT_EQ(Get<f32>("sized", "x"), 30.0f);
    EXPECT_EQ(Get<f32>("sized", "w"), 60.0f);
    // A sheet made with no size keeps the screen's.
    EXPECT_EQ(Get<f32>("S", "w"), 800.0f);
    EXPECT_EQ(Get<f32>("S", "h"), 600.0f);
}

TEST_F(ModelTest, VisibleTwoIsStoredAndHides) {
    MakeSheet("S");
    CreateControl("Button", "b", "S", 0, 0, 10, 10);
    SetEventFn("b", "Show", OnShow);
    SetEventFn("b", "Hide", OnHide);
    EXPECT_TRUE(SetPropertyValue("b", "Visible", 2));
    EXPECT_EQ(Get<u8>("b", "Visible"), 2);
    EXPECT_TRUE(SetPropertyValue("b", "Visible", 1));
    EXPECT_TRUE(SetPropertyValue("b", "Visible", 0));
    EXPECT_EQ(Events(), (std::vector<std::string>{"hide", "show", "hide"}));
}

TEST_F(ModelTest, SizeHandlerSeesTheOldSizeAndMoveTheNewPosition) {
    MakeSheet("S");
    CreateControl("Button", "b", "S", 5, 6, 70, 30);
    SetEventFn("b", "Size", OnSize);
    SetEventFn("b", "Move", OnMove);
    f32 w = 90;
    ASSERT_TRUE(SetProperty("b", "w", &w));
    EXPECT_EQ(sizeW, 70.0f);
    EXPECT_EQ(sizeH, 30.0f);
    EXPECT_EQ(Get<f32>("b", "w"), 90.0f);
    ASSERT_TRUE(SetPropertyValue("b", "y", FloatBits(44.5f)));
    EXPECT_EQ(moveX, 5.0f);
    EXPECT_EQ(moveY, 44.5f);
    EXPECT_EQ(Get<f32>("b", "y"), 44.5f);
}

TEST_F(ModelTest, DestroyingASheetDestroysChildrenBeforeParentsLastChildFirst) {
    MakeSheet("S");
    CreateControl("Frame", "frame", "S", 0, 0, 100, 100);
    CreateControl("Button", "inner1", "frame", 0, 0, 10, 10);
    CreateControl("CheckBox", "inner2", "frame", 0, 0, 10, 10);
    CreateControl("Label", "last", "S", 0, 0, 10, 10);
    bound = {"S", "inner1", "inner2", "last"};
    SetEventFn("S", "Destroy", OnDestroy<0>);
    SetEventFn("inner1", "Destroy", OnDestroy<1>);
    SetEventFn("inner2", "Destroy", OnDestroy<2>);
    SetEventFn("last", "Destroy", OnDestroy<3>);
    ASSERT_TRUE(DestroyControl("S"));
    EXPECT_EQ(Events(), (std::vector<std::string>{"last", "inner2", "inner1", "S"}));
    EXPECT_EQ(ControlCount(), 0);
    EXPECT_EQ(GetActiveSheet(), nullptr);
    // The name is free again.
    EXPECT_NE(CreateControl("Sheet", "S", nullptr, 0, 0, 0, 0), nullptr);
}

TEST_F(ModelTest, NamesArePropertyNamesAreCaseSensitive) {
    MakeSheet("S");
    CreateControl("Button", "ok", "S", 0, 0, 10, 10);
    EXPECT_EQ(FindControl("OK"), nullptr);
    EXPECT_EQ(GUIError, GUI_ERROR_NAME);
    EXPECT_NE(CreateControl("Button", "OK", "S", 0, 0, 10, 10), nullptr);
    GUIError = 0;
    EXPECT_FALSE(SetPropertyValue("ok", "visible", 0)); // not the built-in "Visible"
    EXPECT_EQ(GUIError, GUI_ERROR_PROPERTY);
    EXPECT_EQ(Get<u8>("ok", "Visible"), 1);
}

TEST_F(ModelTest, StringPropertiesAreOwnedCopies) {
    MakeSheet("S");
    CreateControl("Label", "l", "S", 0, 0, 100, 20);
    EXPECT_EQ(Text("l"), "Label");
    char buffer[32];
    strcpy(buffer, "first");
    ASSERT_TRUE(SetProperty("l", "Text", buffer));
    strcpy(buffer, "changed");
    EXPECT_EQ(Text("l"), "first");
    EXPECT_EQ(GetProperty("l", "Text", nullptr), 5);
    // An empty string reads as 0 and counts as a refusal.
    ASSERT_TRUE(SetProperty("l", "Text", ""));
    GUIError = 0;
    EXPECT_EQ(GetProperty("l", "Text", nullptr), 0);
    EXPECT_EQ(GUIError, GUI_ERROR_PROPERTY);
    // A tip text never set behaves as empty.
    CreateControl("Button", "b", "S", 0, 0, 10, 10);
    GUIError = 0;
    EXPECT_EQ(GetProperty("b", "ToolTipText", nullptr), 0);
    EXPECT_EQ(GUIError, GUI_ERROR_PROPERTY);
}

TEST_F(ModelTest, BoundedStringReadsStopAtCharacterBoundaries) {
    MakeSheet("S");
    CreateControl("Label", "l", "S", 0, 0, 100, 20);
    SetProperty("l", "Text", "ab\xC3\xA9z"); // a, b, e-acute (2 bytes), z
    char out[4];
    EXPECT_EQ(GetPropertyString("l", "Text", out, sizeof out), 5);
    EXPECT_STREQ(out, "ab"); // the e-acute would not fit whole
    char big[16];
    GetPropertyString("l", "Text", big, sizeof big);
    EXPECT_STREQ(big, "ab\xC3\xA9z");
    EXPECT_EQ(GetPropertyString("l", "Color", big, sizeof big), 0); // not a string
    EXPECT_EQ(GUIError, GUI_ERROR_PROPERTY);
}

TEST_F(ModelTest, ValuesAreCopiedBySizeOfTheirType) {
    MakeSheet("S");
    CreateControl("Button", "b", "S", 0, 0, 10, 10);
    CreateControl("Line", "line", "S", 0, 0, 10, 10);
    CreateControl("ComboBox", "combo", "S", 0, 0, 10, 10);
    EXPECT_EQ(GetProperty("b", "Style", nullptr), 1);             // PT_ENUM
    EXPECT_EQ(GetProperty("b", "TextColor", nullptr), 4);         // PT_COLOR
    EXPECT_EQ(GetProperty("line", "LineWidth", nullptr), 4);      // PT_FLOAT
    EXPECT_EQ(GetProperty("combo", "MaxDropHeight", nullptr), 2); // PT_SHORT
    EXPECT_EQ(GetProperty("b", "Font", nullptr), int(sizeof(void*)));
    // The background is a colour for the colour styles and a pointer for the surface style.
    EXPECT_EQ(GetProperty("b", "Background", nullptr), 4);
    ASSERT_TRUE(SetPropertyValue("b", "Background", 0x11223344));
    EXPECT_EQ(Get<u32>("b", "Background"), 0x11223344u);
    ASSERT_TRUE(SetPropertyValue("b", "Style", 2));
    EXPECT_EQ(GetProperty("b", "Background", nullptr), int(sizeof(void*)));
    EXPECT_EQ(Get<void*>("b", "Background"), nullptr); // the colour is never read as a pointer
    // Wider values do not fit a 32-bit argument: refused, nothing written.
    GUIError = 0;
    EXPECT_FALSE(SetPropertyValue("b", "Font", 1234));
    EXPECT_EQ(GUIError, GUI_ERROR_PROPERTY);
    EXPECT_FALSE(SetPropertyValue("b", "Text", 65));
    EXPECT_EQ(Text("b"), "Button");
    // A one-byte value takes only its byte.
    ASSERT_TRUE(SetPropertyValue("line", "Invert", 0x101));
    EXPECT_EQ(Get<u8>("line", "Invert"), 1);
}

TEST_F(ModelTest, EventsAreFoundByNameAndClassesWithoutEventsRefuseThem) {
    MakeSheet("S");
    CreateControl("Frame", "frame", "S", 0, 0, 10, 10);
    CreateControl("ListBox", "list", "S", 0, 0, 10, 10);
    EXPECT_TRUE(SetEventFn("list", "Select", OnSize));
    EXPECT_TRUE(SetEventFn("list", "Action", OnSize));
    EXPECT_TRUE(SetEventFn("list", "Scroll", OnShow));
    EXPECT_EQ(FindControl("list")->GetEvent("Scroll"), ToHandler(OnShow));
    EXPECT_TRUE(SetEvent("list", "Scroll", nullptr)); // unbinding
    EXPECT_EQ(FindControl("list")->GetEvent("Scroll"), nullptr);
    GUIError = 0;
    EXPECT_FALSE(SetEventFn("frame", "Click", OnShow));
    EXPECT_EQ(GUIError, GUI_ERROR_EVENT);
    GUIError = 0;
    EXPECT_FALSE(SetEventFn("list", "click", OnShow));
    EXPECT_EQ(GUIError, GUI_ERROR_EVENT);
}

TEST_F(ModelTest, EveryPublicCallReportsItsError) {
    MakeSheet("S");
    auto refused = [](Control* made, u8 code) {
        EXPECT_EQ(made, nullptr);
        EXPECT_EQ(GUIError, code);
        GUIError = 0;
    };
    u16 before = ControlCount();
    refused(CreateControl("Button", "b", "NoSuchParent", 0, 0, 1, 1), GUI_ERROR_PARENT);
    refused(CreateControl("Knob", "k", "S", 0, 0, 1, 1), GUI_ERROR_CLASS);
    refused(CreateControl("Button", "", "S", 0, 0, 1, 1), GUI_ERROR_NAME);
    refused(CreateControl("Button", nullptr, "S", 0, 0, 1, 1), GUI_ERROR_NAME);
    refused(CreateControl("Button", "tab\there", "S", 0, 0, 1, 1), GUI_ERROR_NAME);
    // 32 characters do not fit the name field: refused, not cut into another name.
    std::string longName(32, 'n');
    refused(CreateControl("Button", longName.c_str(), "S", 0, 0, 1, 1), GUI_ERROR_NAME);
    EXPECT_EQ(ControlCount(), before);
    std::string longest(31, 'n');
    EXPECT_NE(CreateControl("Button", longest.c_str(), "S", 0, 0, 1, 1), nullptr);
    refused(CreateControl("Label", longest.c_str(), "S", 0, 0, 1, 1), GUI_ERROR_NAME);
    EXPECT_EQ(Text(longest.c_str()), "Button"); // the first one is untouched

    refused(FindControl("missing"), GUI_ERROR_NAME);
    EXPECT_FALSE(DestroyControl("missing"));
    EXPECT_EQ(GUIError, GUI_ERROR_NOT_FOUND);
    GUIError = 0;
    EXPECT_FALSE(SetPropertyValue("missing", "x", 0));
    EXPECT_EQ(GUIError, GUI_ERROR_NAME);
    GUIError = 0;
    EXPECT_FALSE(SetPropertyValue(longest.c_str(), "NoSuchProperty", 0));
    EXPECT_EQ(GUIError, GUI_ERROR_PROPERTY);
    GUIError = 0;
    EXPECT_EQ(GetProperty(longest.c_str(), "NoSuchProperty", nullptr), 0);
    EXPECT_EQ(GUIError, GUI_ERROR_PROPERTY);
    GUIError = 0;
    EXPECT_FALSE(SetEventFn(longest.c_str(), "NoSuchEvent", OnShow));
    EXPECT_EQ(GUIError, GUI_ERROR_EVENT);
    GUIError = 0;
    EXPECT_FALSE(SetEventFn("missing", "Click", OnShow));
    EXPECT_EQ(GUIError, GUI_ERROR_NAME);
    EXPECT_FALSE(SetActiveSheet("missing"));
    EXPECT_FALSE(FocusControl("missing"));
}

TEST_F(ModelTest, DestroyedControlsLeaveNoReferencesBehind) {
    MakeSheet("S");
    Control* b = CreateControl("Button", "b", "S", 10, 10, 50, 20);
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
}

TEST_F(ModelTest, AnOpenComboBoxTakesItsOverlayWithItWhenDestroyed) {
    MakeSheet("S");
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
}

TEST_F(ModelTest, AHandlerMayDestroyItsOwnControl) {
    MakeSheet("S");
    CreateControl("Button", "self", "S", 10, 10, 50, 20);
    SetEventFn(
        "self", "Click", +[](u32) { DestroyControl("self"); });
    ClickAt(20, 20);
    EXPECT_EQ(FindControl("self"), nullptr);
    ClickAt(20, 20); // the sheet takes it now
    EXPECT_EQ(GetFocusControl(), FindControl("S"));
}

TEST_F(ModelTest, ControlClassesRegisteredOutOfOrderAreStillFound) {
    // A custom class whose name sorts before every built-in one.
    RegisterControlClass(
        [](ClassDesc* cls) { DescribeClass<EventControl>(cls, "AAKnob", false, false); });
    EXPECT_NE(FindControlClass("AAKnob"), nullptr);
    EXPECT_NE(FindControlClass("Button"), nullptr);
    EXPECT_NE(CreateControl("AAKnob", "knob", nullptr, 0, 0, 5, 5), nullptr);
    EXPECT_TRUE(SetEventFn("knob", "Click", OnShow)); // the common events
}

TEST_F(ModelTest, EveryClassTableIsSortedWithEachNameOnce) {
    const char* names[] = {"Button",     "CheckBox",    "ComboBox",    "Dialog",    "Frame",
                           "Label",      "Line",        "ListBox",     "MCListBox", "MLTextBox",
                           "PictureBox", "ProgressBar", "RadioButton", "ScrollBar", "Shape",
                           "Sheet",      "StatusBar",   "TextBox"};
    MakeSheet("S");
    for (const char* name : names) {
        ASSERT_NE(CreateControl(name, (std::string("x") + name).c_str(), "S", 0, 0, 20, 20),
                  nullptr);
        const ClassDesc* cls = FindControlClass(name);
        for (int i = 1; i < cls->propertyCount; i++)
            EXPECT_LT(strcmp(cls->properties[i - 1].name, cls->properties[i].name), 0)
                << name << " " << cls->properties[i].name;
        for (int i = 1; i < cls->eventCount; i++)
            EXPECT_LT(strcmp(cls->events[i - 1].name, cls->events[i].name), 0)
                << name << " " << cls->events[i].name;
    }
    // A few tables by size: the common thirteen events plus each class's own.
    EXPECT_EQ(FindControlClass("Frame")->eventCount, 0);
    EXPECT_EQ(FindControlClass("Shape")->eventCount, 13);
    EXPECT_EQ(FindControlClass("ListBox")->eventCount, 16);
    EXPECT_EQ(FindControlClass("Dialog")->eventCount, 15);
    EXPECT_EQ(FindControlClass("TextBox")->propertyCount, 13);
    EXPECT_EQ(FindControlClass("Sheet")->propertyCount, 2);
    // The help texts the property tables carry.
    const ClassDesc* sheet = FindControlClass("Sheet");
    EXPECT_STREQ(sheet->properties[0].name, "Background");
    EXPECT_STREQ(sheet->properties[0].help,
                 "BackgroundMode:0-null;1-color;2-surface;3-null;else-texture");
    EXPECT_STREQ(sheet->properties[1].help, "1-Color;2-Surface;3-Custom Function;else-4-infinity");
}

namespace {
// A class of the game's own with one property of every type code.
struct Everything : EventControl {
    u8 flag = 0;
    u8 byte = 0;
    i16 shortValue = 0;
    i32 intValue = 0;
    f32 floatValue = 0;
    f64 doubleValue = 0;
    u32 color = 0;
    std::string text;
    void* texture = nullptr;
    void* surface = nullptr;
    u16 pair[2] = {};
    void* font = nullptr;
    BackgroundValue background;
    u8 mode = 0;
    DialogSkin dialogSkin{};
    ScrollSkin scrollSkin{};
    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"Bool", PT_BOOL, nullptr, GUI_FIELD(Everything, flag), nullptr},
            {"Char", PT_CHAR, nullptr, GUI_FIELD(Everything, byte), nullptr},
            {"Short", PT_SHORT, nullptr, GUI_FIELD(Everything, shortValue), nullptr},
            {"Int", PT_INT, nullptr, GUI_FIELD(Everything, intValue), nullptr},
            {"Float", PT_FLOAT, nullptr, GUI_FIELD(Everything, floatValue), nullptr},
            {"Double", PT_DOUBLE, nullptr, GUI_FIELD(Everything, doubleValue), nullptr},
            {"Color", PT_COLOR, nullptr, GUI_FIELD(Everything, color), nullptr},
            {"String", PT_STRING, nullptr, GUI_FIELD(Everything, text), nullptr},
            {"Texture", PT_TEXTURE, nullptr, GUI_FIELD(Everything, texture), nullptr},
            {"Surface", PT_SURFACE, nullptr, GUI_FIELD(Everything, surface), nullptr},
            {"Short2", PT_SHORT2, nullptr, GUI_FIELD(Everything, pair[0]), nullptr},
            {"Short3", PT_SHORT3, nullptr, GUI_FIELD(Everything, pair[1]), nullptr},
            {"Font", PT_FONT, nullptr, GUI_FIELD(Everything, font), nullptr},
            {"Back", PT_BACKGROUND, nullptr, GUI_FIELD(Everything, background),
             [](Control* c) { return static_cast<Everything*>(c)->mode == 0; }},
            {"Mode", PT_ENUM, "0-colour;1-pointer", GUI_FIELD(Everything, mode), nullptr},
            {"DialogSkin", PT_DIALOGSKIN, nullptr, GUI_FIELD(Everything, dialogSkin), nullptr},
            {"ScrollSkin", PT_SCROLLSKIN, nullptr, GUI_FIELD(Everything, scrollSkin), nullptr},
        };
        int n = CopyDescriptors(own, out);
        return n + EventControl::DescribeProperties(out ? out + n : nullptr);
    }
};
} // namespace

TEST_F(ModelTest, EveryTypeCodeCopiesItsOwnSize) {
    RegisterControlClass(
        [](ClassDesc* cls) { DescribeClass<Everything>(cls, "Everything", false, false); });
    auto* e = static_cast<Everything*>(CreateControl("Everything", "e", nullptr, 0, 0, 1, 1));
    ASSERT_NE(e, nullptr);
    struct Case {
        const char* name;
        int size;
    };
    const Case cases[] = {{"Bool", 1},
                          {"Char", 1},
                          {"Short", 2},
                          {"Int", 4},
                          {"Float", 4},
                          {"Double", 8},
                          {"Color", 4},
                          {"Texture", 8},
                          {"Surface", 8},
                          {"Short2", 2},
                          {"Short3", 2},
                          {"Font", 8},
                          {"Back", 4},
                          {"Mode", 1},
                          {"DialogSkin", int(sizeof(DialogSkin))},
                          {"ScrollSkin", int(sizeof(ScrollSkin))}};
    for (const Case& c : cases) {
        int expected = c.size == 8 ? int(sizeof(void*)) : c.size;
        EXPECT_EQ(GetProperty("e", c.name, nullptr), expected) << c.name;
    }
    // Values go in and out whole, and no wider than their type.
    f64 d = 2.5;
    SetProperty("e", "Double", &d);
    EXPECT_EQ(e->doubleValue, 2.5);
    u32 wide = 0x12345678;
    SetProperty("e", "Short2", &wide);
    EXPECT_EQ(e->pair[0], 0x5678);
    EXPECT_EQ(e->pair[1], 0); // the neighbour is untouched
    DialogSkin skin{};
    skin.pieceCount = 3;
    skin.titleColor = 0xFF00FF00;
    SetProperty("e", "DialogSkin", &skin);
    EXPECT_EQ(e->dialogSkin.pieceCount, 3);
    EXPECT_EQ(Get<DialogSkin>("e", "DialogSkin").titleColor, 0xFF00FF00u);
    SetProperty("e", "String", "text");
    EXPECT_EQ(Text("e", "String"), "text");
    // The background follows the mode: a colour, then a pointer.
    SetPropertyValue("e", "Back", 0xAABBCCDD);
    EXPECT_EQ(e->background.color, 0xAABBCCDDu);
    SetPropertyValue("e", "Mode", 1);
    void* p = &skin;
    SetProperty("e", "Back", &p);
    EXPECT_EQ(e->background.pointer, &skin);
    EXPECT_EQ(e->background.color, 0xAABBCCDDu);
}

TEST_F(ModelTest, ASheetThatHidesTheSceneThrottlesTheFrame) {
    DrawGUI();
    EXPECT_EQ(fake::SleptMilliseconds(), 0u); // no sheet: the game draws, no sleep
    MakeSheet("S");
    DrawGUI();
    EXPECT_EQ(fake::SleptMilliseconds(), 1u);
    EnableGUIFlag(GUI_SHOW_SCENE);
    DrawGUI();
    DisableGUIFlag(GUI_SHOW_SCENE);
    DisableGUIFlag(GUI_THROTTLE);
    DrawGUI();
    EXPECT_EQ(fake::SleptMilliseconds(), 1u);
}
