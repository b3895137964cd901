// Message boxes driven by a timer that runs one scripted step per engine frame.
#include <deque>
#include <functional>
#include <string>

#include "engine/log.h"
#include "engine/utils.h"
#include "tests/gui/gui_fixture.h"

namespace {
constexpr const char* DIALOG = "VAELOR_Common_Dialog_0";
constexpr const char* LABEL = "VAELOR_CD_Label_0";
std::string ButtonName(int i) {
    return "VAELOR_CD_Button_0_" + std::to_string(i);
}

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
    static void ClickControl(const std::string& name) {
        Control* c = FindControl(name.c_str());
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
    // A step that looks at the open box, then answers it with Enter.
    static void Inspect(std::function<void()> look) {
        Then([look] {
            look();
            PushKey(VK_RETURN);
        });
    }
    // The dialog's x, w and h and the label's w and h while a one-button box shows text.
    static std::vector<f32> Measure(const std::string& text) {
        std::vector<f32> b;
        Inspect([&] {
            for (const char* p : {"x", "w", "h"}) b.push_back(Get<f32>(DIALOG, p));
            for (const char* p : {"w", "h"}) b.push_back(Get<f32>(LABEL, p));
        });
        MsgBox(text.c_str(), "C", "Ok");
        return b;
    }
};

TEST_F(MsgBoxTest, ReturnsTheIndexOfTheButtonClickedOrPressedByKey) {
    Then([] { ClickControl(ButtonName(1)); });
    EXPECT_EQ(MsgBox("Eject the warp core?", "Engineering", "Yes|No"), 1);
    Then([] { ClickControl(ButtonName(0)); });
    EXPECT_EQ(MsgBox("Eject the warp core?", "Engineering", "Yes|No"), 0);
    EXPECT_EQ(ControlCount(), 0); // dialog, label, buttons and root sheet are gone
    PushKey(VK_RETURN);           // the keyboard presses the focused one, the first from the start
    EXPECT_EQ(MsgBox("Ready?", "Launch", "Go|Wait"), 0);
    PushKey(VK_TAB); // Tab stays inside the dialog
    PushKey(VK_RETURN);
    EXPECT_EQ(MsgBox("Ready?", "Launch", "Go|Wait"), 1);
}

TEST_F(MsgBoxTest, ItOpensItsOwnSheetOrKeepsTheGamesAndInputReachesNothingBehind) {
    bool sawSheet = false;
    Inspect([&] {
        Control* sheet = GetActiveSheet();
        sawSheet = sheet && std::string(sheet->name) == "VAELOR_CD_RootWnd_0";
        EXPECT_TRUE(GUIShowsScene()); // the game goes on drawing under it
        EXPECT_EQ(Get<u32>("VAELOR_CD_RootWnd_0", "Background"), 0u);
    });
    EXPECT_EQ(MsgBox("Text", "Caption", "Ok"), 0);
    EXPECT_TRUE(sawSheet);
    EXPECT_EQ(GetActiveSheet(), nullptr);
    EXPECT_FALSE(IsGUIFlagEnabled(GUI_SHOW_SCENE));
    // Over the game's own sheet, input outside the box reaches nothing behind it.
    MakeSheet("Menu");
    CreateControl("Button", "start", "Menu", 10, 10, 100, 30);
    SetEventFn("start", "Click", SayKey<"clicked">);
    std::string focusAfter;
    Then([] { ClickControl("start"); });
    Inspect([&] { focusAfter = GetFocusControl() ? GetFocusControl()->name : ""; });
    EXPECT_EQ(MsgBox("Busy", "Wait", "Ok"), 0);
    EXPECT_EQ(focusAfter, ButtonName(0));
    EXPECT_TRUE(TakeEvents().empty());
    EXPECT_EQ(GetActiveSheet(), FindControl("Menu")); // the game's sheet stays
    EXPECT_EQ(GetModalDialog(), nullptr);
}

TEST_F(MsgBoxTest, TheBoxFitsItsTextBetweenAQuarterAndThreeQuartersOfTheScreen) {
    enum { X, W, H, LABEL_W, LABEL_H };
    std::vector<f32> hi = Measure("Hi");
    EXPECT_EQ(hi[W], 200.0f + 8.0f); // content 800/4, plus the left margin
    EXPECT_EQ(hi[X], 400.0f - 104.0f);
    std::vector<f32> word = Measure(std::string(100, 'w')); // 800 wide as one word
    EXPECT_EQ(word[W], 600.0f + 8.0f);
    EXPECT_EQ(word[LABEL_H], f32(int(6 + 2 * TEST_LINE_HEIGHT + 15))); // wrapped to two lines
    // The widest line (320, between the two limits) fits the label unwrapped, on one line.
    std::vector<f32> line = Measure(std::string(40, 'm'));
    EXPECT_GE(line[LABEL_W], 320.0f);
    EXPECT_EQ(line[W], 8.0f + 320.0f + 9.0f);
    EXPECT_EQ(line[LABEL_H], f32(int(6 + TEST_LINE_HEIGHT + 15)));
    // A very long message is capped at three quarters of the height below the title.
    std::string lines;
    for (int i = 0; i < 100; i++) lines += "line\n";
    EXPECT_EQ(Measure(lines)[H], 6 + 6 + 6 + TEST_LINE_HEIGHT + 450.0f);
}

TEST_F(MsgBoxTest, LongLabelsAreCutAndButtonsPastThe32ndLeftOut) {
    std::string labels = std::string(40, 'L');
    for (int i = 1; i < 40; i++) labels += "|b";
    bool has31 = false, has32 = true;
    std::string first;
    Inspect([&] {
        has31 = FindControl(ButtonName(31).c_str()) != nullptr;
        has32 = FindControl(ButtonName(32).c_str()) != nullptr;
        first = Text(ButtonName(0).c_str());
    });
    EXPECT_EQ(MsgBox("Many", "C", labels.c_str()), 0);
    EXPECT_TRUE(has31);
    EXPECT_FALSE(has32);
    EXPECT_EQ(first, std::string(31, 'L'));
}

TEST_F(MsgBoxTest, WhenAll128BoxesAreOpenTheNextOneIsRefusedAndTheEndOfTheProgramEndsTheWaits) {
    static std::vector<int> results;
    results.clear();
    // Every frame's timer opens one more box inside the waiting one.
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
    results.push_back(MsgBox("Outer", "C", "Ok"));
    ASSERT_EQ(results.size(), 129u);
    EXPECT_EQ(results.front(), MSGBOX_UNAVAILABLE);
    for (size_t i = 1; i < results.size(); i++) EXPECT_EQ(results[i], MSGBOX_CLOSED);
    EXPECT_EQ(ControlCount(), 0);
    EXPECT_EQ(GetActiveSheet(), nullptr);
    EXPECT_FALSE(IsPaused());
}

TEST_F(MsgBoxTest, ReportErrorUsesTheGUIAndBadArgumentsAndAMissingFontAreReported) {
    std::string caption;
    Inspect([&] { caption = Text(DIALOG); });
    EXPECT_EQ(ReportError("File 'x.dsx' not found", "glLoadTexture"), 0);
    EXPECT_EQ(caption, "Error( glLoadTexture )");
    EXPECT_TRUE(fake::MessageBoxes().empty());
    const int framesBefore = framesRun;
    EXPECT_EQ(MsgBox(nullptr, "C", "Ok"), MSGBOX_INVALID);
    EXPECT_EQ(GUIError, GUI_ERROR_NOT_FOUND);
    EXPECT_EQ(MsgBox("T", "C", ""), MSGBOX_INVALID);
    EXPECT_EQ(MsgBox("T", nullptr, "Ok"), MSGBOX_INVALID);
    SetCommonDialogFont(nullptr);
    SetFont(nullptr);
    GUIError = 0;
    EXPECT_EQ(MsgBox("Reactor offline", "Critical Error", "Ok"), 0);
    EXPECT_EQ(GUIError, GUI_ERROR_NO_FONT);
    ASSERT_EQ(fake::MessageBoxes().size(), 1u); // the user still sees it
    EXPECT_EQ(fake::MessageBoxes()[0].caption, "Critical Error");
    EXPECT_EQ(framesRun, framesBefore);
}
