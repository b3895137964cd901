// Message boxes driven by the engine's own frames: a timer that runs one scripted step per
// frame clicks and types through the window procedure while MsgBox waits.
#include <deque>
#include <functional>
#include <string>

#include "engine/log.h"
#include "engine/utils.h"
#include "tests/gui/gui_fixture.h"

namespace {
std::deque<std::function<void()>> script;
int framesRun = 0;
constexpr int MAX_FRAMES = 1000; // a script that goes wrong ends the wait, not the test run
void RunScript() {
    if (++framesRun > MAX_FRAMES) StopEngine();
    if (script.empty()) return;
    auto step = script.front();
    script.pop_front();
    step();
}
void Clicked(u32) {
    EventLog::Add("clicked");
}
} // namespace

class MsgBoxTest : public GUITest {
  protected:
    void SetUp() override {
        GUITest::SetUp();
        InitGL(0); // the scripted platform's context: the GUI can draw
        script.clear();
        framesRun = 0;
        AddTimer(RunScript, 0.0f);
    }
    // Queues a left click at the middle of a control, delivered in the current frame.
    static void ClickControl(const char* name) {
        Control* c = FindControl(name);
        ASSERT_NE(c, nullptr) << name;
        f32 x = 0, y = 0;
        ControlScreenPos(c, &x, &y);
        fake::PushMessage(fake::MouseMove(int(x + c->w / 2), int(y + c->h / 2)));
        fake::PushMessage(fake::Button(SYSMSG_LBUTTONDOWN));
        fake::PushMessage(fake::Button(SYSMSG_LBUTTONUP));
    }
    static void PushKey(u32 vk) {
        fake::PushMessage(fake::KeyDown(vk));
        fake::PushMessage(fake::KeyUp(vk));
    }
    static void Then(std::function<void()> step) { script.push_back(std::move(step)); }
    static f32 Prop(const char* name, const char* property) {
        f32 v = 0;
        GetProperty(name, property, &v);
        return v;
    }
};

TEST_F(MsgBoxTest, ReturnsTheIndexOfTheClickedButton) {
    Then([] { ClickControl("VAELOR_CD_Button_0_1"); });
    EXPECT_EQ(MsgBox("Eject the warp core?", "Engineering", "Yes|No"), 1);
    Then([] { ClickControl("VAELOR_CD_Button_0_0"); });
    EXPECT_EQ(MsgBox("Eject the warp core?", "Engineering", "Yes|No"), 0);
    EXPECT_EQ(ControlCount(), 0); // dialog, label, buttons and root sheet are gone
}

TEST_F(MsgBoxTest, TheKeyboardPressesTheFocusedButton) {
    PushKey(VK_RETURN); // the first button has the focus from the start
    EXPECT_EQ(MsgBox("Ready?", "Launch", "Go|Wait"), 0);
    PushKey(VK_TAB); // Tab stays inside the dialog
    PushKey(VK_RETURN);
    EXPECT_EQ(MsgBox("Ready?", "Launch", "Go|Wait"), 1);
}

TEST_F(MsgBoxTest, WithoutASheetItOpensItsOwnAndRemovesItAgain) {
    bool sawSheet = false;
    Then([&] {
        Control* sheet = GetActiveSheet();
        sawSheet = sheet && std::string(sheet->name) == "VAELOR_CD_RootWnd_0";
        EXPECT_TRUE(GUIShowsScene()); // the game goes on drawing under it
        EXPECT_EQ(Get<u32>("VAELOR_CD_RootWnd_0", "Background"), 0u);
        EXPECT_EQ(Text("VAELOR_Common_Dialog_0"), "Caption");
        PushKey(VK_RETURN);
    });
    EXPECT_EQ(MsgBox("Text", "Caption", "Ok"), 0);
    EXPECT_TRUE(sawSheet);
    EXPECT_EQ(GetActiveSheet(), nullptr);
    EXPECT_FALSE(IsGUIFlagEnabled(GUI_SHOW_SCENE));
}

TEST_F(MsgBoxTest, PausesTheEngineWhileOpenWhenAsked) {
    bool pausedInside = false;
    Then([&] {
        pausedInside = IsPaused();
        PushKey(VK_RETURN);
    });
    MsgBox("Text", "Caption", "Ok");
    EXPECT_TRUE(pausedInside);
    EXPECT_FALSE(IsPaused());
    DisableGUIFlag(GUI_PAUSE_FOR_DIALOGS);
    Then([&] {
        pausedInside = IsPaused();
        PushKey(VK_RETURN);
    });
    MsgBox("Text", "Caption", "Ok");
    EXPECT_FALSE(pausedInside);
    EnableGUIFlag(GUI_PAUSE_FOR_DIALOGS);
    PauseEngine(); // paused before: stays paused after
    PushKey(VK_RETURN);
    MsgBox("Text", "Caption", "Ok");
    EXPECT_TRUE(IsPaused());
}

TEST_F(MsgBoxTest, InputOutsideTheBoxReachesNothingBehindIt) {
    MakeSheet("Menu");
    CreateControl("Button", "start", "Menu", 10, 10, 100, 30);
    SetEventFn("start", "Click", Clicked);
    std::string focusAfter;
    Then([] { ClickControl("start"); });
    Then([&] {
        focusAfter = GetFocusControl() ? GetFocusControl()->name : "";
        PushKey(VK_RETURN);
    });
    EXPECT_EQ(MsgBox("Busy", "Wait", "Ok"), 0);
    EXPECT_EQ(focusAfter, "VAELOR_CD_Button_0_0");
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(GetActiveSheet(), FindControl("Menu")); // the game's sheet stays
    EXPECT_EQ(GetModalDialog(), nullptr);
}

TEST_F(MsgBoxTest, TheFocusReturnsToTheControlThatHadIt) {
    MakeSheet("Game");
    CreateControl("TextBox", "chat", "Game", 10, 10, 200, 20);
    ASSERT_TRUE(FocusControl("chat"));
    PushKey(VK_RETURN);
    MsgBox("Connection lost", "Chat", "Ok");
    EXPECT_EQ(GetFocusControl(), FindControl("chat"));
    // Unless it went away meanwhile.
    Then([] {
        DestroyControl("chat");
        PushKey(VK_RETURN);
    });
    MsgBox("Connection lost", "Chat", "Ok");
    EXPECT_EQ(GetFocusControl(), FindControl("Game"));
}

TEST_F(MsgBoxTest, ShortTextGetsAQuarterScreenAndLongTextThreeQuartersAtMost) {
    f32 width = 0, x = 0;
    Then([&] {
        width = Prop("VAELOR_Common_Dialog_0", "w");
        x = Prop("VAELOR_Common_Dialog_0", "x");
        PushKey(VK_RETURN);
    });
    MsgBox("Hi", "C", "Ok");
    EXPECT_EQ(width, 200.0f + 8.0f); // content 800/4, plus the left margin
    EXPECT_EQ(x, 400.0f - 104.0f);
    f32 labelH = 0;
    Then([&] {
        width = Prop("VAELOR_Common_Dialog_0", "w");
        labelH = Prop("VAELOR_CD_Label_0", "h");
        PushKey(VK_RETURN);
    });
    MsgBox(std::string(100, 'w').c_str(), "C", "Ok"); // 800 wide as one word
    EXPECT_EQ(width, 600.0f + 8.0f);
    EXPECT_EQ(labelH, f32(int(6 + 2 * TEST_LINE_HEIGHT + 15))); // wrapped to two lines
}

TEST_F(MsgBoxTest, TheWidestLineFitsTheLabelUnwrapped) {
    std::string line(40, 'm'); // 320 wide: between a quarter and three quarters of the screen
    f32 width = 0, labelW = 0, labelH = 0;
    Then([&] {
        width = Prop("VAELOR_Common_Dialog_0", "w");
        labelW = Prop("VAELOR_CD_Label_0", "w");
        labelH = Prop("VAELOR_CD_Label_0", "h");
        PushKey(VK_RETURN);
    });
    MsgBox(line.c_str(), "C", "Ok");
    EXPECT_GE(labelW, 320.0f);
    EXPECT_EQ(width, 8.0f + 320.0f + 9.0f);
    EXPECT_EQ(labelH, f32(int(6 + TEST_LINE_HEIGHT + 15))); // one line
}

TEST_F(MsgBoxTest, AVeryLongMessageIsCappedAtThreeQuartersOfTheHeight) {
    std::string text;
    for (int i = 0; i < 100; i++) text += "line\n";
    f32 height = 0;
    Then([&] {
        height = Prop("VAELOR_Common_Dialog_0", "h");
        PushKey(VK_RETURN);
    });
    MsgBox(text.c_str(), "C", "Ok");
    f32 top = 6 + 6 + 6 + TEST_LINE_HEIGHT; // margin, then the content origin below the title
    EXPECT_EQ(height, top + 450.0f);
}

TEST_F(MsgBoxTest, ManyButtonsWrapIntoCentredRows) {
    std::string labels;
    for (int i = 0; i < 6; i++) labels += std::string(i ? "|" : "") + "Option " + char('A' + i);
    std::vector<f32> xs, ys;
    Then([&] {
        for (int i = 0; i < 6; i++) {
            std::string name = "VAELOR_CD_Button_0_" + std::to_string(i);
            xs.push_back(Prop(name.c_str(), "x"));
            ys.push_back(Prop(name.c_str(), "y"));
        }
        PushKey(VK_RETURN);
    });
    MsgBox("Choose", "C", labels.c_str());
    // Each button is 8 x 8 + 16 = 80 wide: two fit a row of 200 (80 + 8 + 80 + 8 + 80 does
    // not); the row's 176 units (with a 16 gap) are centred: 12 + 8 margin.
    ASSERT_EQ(xs.size(), 6u);
    for (int row = 0; row < 3; row++) {
        EXPECT_EQ(xs[size_t(row * 2)], 20.0f);
        EXPECT_EQ(xs[size_t(row * 2 + 1)], 20.0f + 96.0f);
        EXPECT_EQ(ys[size_t(row * 2)], ys[size_t(row * 2 + 1)]);
    }
    EXPECT_EQ(ys[2] - ys[0], 12.0f + TEST_LINE_HEIGHT);
    EXPECT_EQ(ys[4] - ys[2], 12.0f + TEST_LINE_HEIGHT);
}

TEST_F(MsgBoxTest, LongLabelsAreCutAndButtonsPastThe32ndLeftOut) {
    std::string labels = std::string(40, 'L');
    for (int i = 1; i < 40; i++) labels += "|b";
    bool has31 = false, has32 = true;
    std::string first;
    Then([&] {
        has31 = FindControl("VAELOR_CD_Button_0_31") != nullptr;
        has32 = FindControl("VAELOR_CD_Button_0_32") != nullptr;
        first = Text("VAELOR_CD_Button_0_0");
        PushKey(VK_RETURN);
    });
    EXPECT_EQ(MsgBox("Many", "C", labels.c_str()), 0);
    EXPECT_TRUE(has31);
    EXPECT_FALSE(has32);
    EXPECT_EQ(first, std::string(31, 'L'));
}

TEST_F(MsgBoxTest, WhenTheProgramEndsTheWaitEnds) {
    Then([] {});
    Then([] { PushKey(VK_ESCAPE); }); // Escape ends the program
    EXPECT_EQ(MsgBox("Text", "Caption", "Ok"), MSGBOX_CLOSED);
    EXPECT_EQ(ControlCount(), 0);
    EXPECT_FALSE(IsPaused());
    EXPECT_LT(framesRun, 5);
}

TEST_F(MsgBoxTest, ABoxWhoseDialogIsDestroyedStopsWaiting) {
    Then([] { DestroyControl("VAELOR_Common_Dialog_0"); });
    EXPECT_EQ(MsgBox("Text", "Caption", "Ok"), MSGBOX_CLOSED);
    EXPECT_EQ(ControlCount(), 0);
    EXPECT_EQ(GetModalDialog(), nullptr);
    EXPECT_LT(framesRun, 5);
    PushKey(VK_RETURN); // and the next box works as ever
    EXPECT_EQ(MsgBox("Text", "Caption", "Ok"), 0);
}

TEST_F(MsgBoxTest, WhenAll128BoxesAreOpenTheNextOneIsRefused) {
    static std::vector<int> results;
    results.clear();
    // Every frame's timer opens one more box inside the waiting one.
    script.clear();
    static bool opening;
    opening = true;
    AddTimer(
        [] {
            if (!opening) return;
            int r = MsgBox("Nested", "C", "Ok");
            results.push_back(r);
            if (r == MSGBOX_UNAVAILABLE) {
                opening = false;
                StopEngine(); // every waiting box ends
            }
        },
        0.0f);
    Then([] {});
    opening = true;
    int outer = MsgBox("Outer", "C", "Ok");
    results.push_back(outer);
    ASSERT_EQ(results.size(), 129u);
    EXPECT_EQ(results.front(), MSGBOX_UNAVAILABLE);
    for (size_t i = 1; i < results.size(); i++) EXPECT_EQ(results[i], MSGBOX_CLOSED);
    EXPECT_EQ(ControlCount(), 0);
    EXPECT_EQ(GetActiveSheet(), nullptr);
    EXPECT_FALSE(IsPaused());
}

TEST_F(MsgBoxTest, NestedBoxesGiveTheFocusBackToTheOuterOne) {
    int inner = -9;
    Then([&] {
        script.push_front([] { PushKey(VK_RETURN); }); // the inner box's first frame
        inner = MsgBox("Inner", "C", "Ok|Cancel");
        EXPECT_EQ(GetModalDialog(), FindControl("VAELOR_Common_Dialog_0"));
        EXPECT_EQ(GetFocusControl(), FindControl("VAELOR_Common_Dialog_0"));
    });
    Then([] { ClickControl("VAELOR_CD_Button_0_1"); });
    EXPECT_EQ(MsgBox("Outer", "C", "Ok|Cancel"), 1);
    EXPECT_EQ(inner, 0);
}

TEST_F(MsgBoxTest, BadArgumentsAndAMissingFontAreReported) {
    EXPECT_EQ(MsgBox(nullptr, "C", "Ok"), MSGBOX_INVALID);
    EXPECT_EQ(GUIError, GUI_ERROR_NOT_FOUND);
    EXPECT_EQ(MsgBox("T", "C", ""), MSGBOX_INVALID);
    EXPECT_EQ(MsgBox("T", nullptr, "Ok"), MSGBOX_INVALID);
    SetCommonDialogFont(nullptr);
    SetFont(nullptr);
    GUIError = 0;
    EXPECT_EQ(MsgBox("Reactor offline", "Critical Error", "Ok"), 0);
    EXPECT_EQ(GUIError, GUI_ERROR_NO_FONT);
    std::string log = dir.Read("vaelor.log");
    EXPECT_NE(log.find("Unable to display MsgBox(), CommonDialogFont == NULL\n\nMessage: Critical "
                       "Error\n\nReactor offline"),
              std::string::npos);
    ASSERT_EQ(fake::MessageBoxes().size(), 1u); // the user still sees it
    EXPECT_EQ(fake::MessageBoxes()[0].caption, "Critical Error");
    EXPECT_EQ(framesRun, 0);
}

TEST_F(MsgBoxTest, WithoutAFontOfItsOwnItBorrowsTheCurrentOneForTheCallOnly) {
    SetCommonDialogFont(nullptr);
    PushKey(VK_RETURN);
    EXPECT_EQ(MsgBox("Text", "Caption", "Ok"), 0);
    EXPECT_EQ(framesRun, 1); // it was shown, with the current font
    // The font is not kept: the game may free it when it reloads its fonts.
    EXPECT_EQ(GetCommonDialogFont(), nullptr);
}

TEST_F(MsgBoxTest, ReportErrorShowsItsBoxThroughTheGUI) {
    std::string caption;
    Then([&] {
        caption = Text("VAELOR_Common_Dialog_0");
        PushKey(VK_RETURN);
    });
    EXPECT_EQ(ReportError("File 'x.dsx' not found", "glLoadTexture"), 0);
    EXPECT_EQ(caption, "Error( glLoadTexture )");
    EXPECT_TRUE(fake::MessageBoxes().empty());
}
