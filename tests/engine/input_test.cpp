// The window procedure fed with messages: key translation, press and release order, double
// clicks, the wheel, quit keys, mouse scaling, the screenshot hot key.
#include <fstream>

#include "engine/utils.h"
#include "tests/engine/engine_fixture.h"

namespace {
float moveX, moveY;
constexpr u32 EXT = SYS_KEYFLAG_EXTENDED;
} // namespace

class InputTest : public EngineFixture {
  protected:
    void SetUp() override {
        EngineFixture::SetUp();
        using KeyFn = void(u32);
        SetCallbackFn<KeyFn>(CB_KEY_HIT, [](u32 k) { CallRecorder::Add("hit", k); });
        SetCallbackFn<KeyFn>(CB_KEY_DOWN, [](u32 k) { CallRecorder::Add("down", k); });
        SetCallbackFn<KeyFn>(CB_KEY_UP, [](u32 k) { CallRecorder::Add("up", k); });
        SetCallbackFn<KeyFn>(CB_DOUBLE_CLICK, [](u32 k) { CallRecorder::Add("double", k); });
        SetCallbackFn<KeyFn>(CB_CHAR, [](u32 c) { CallRecorder::Add("char", c); });
        SetCallbackFn<void(f32, f32)>(CB_MOUSE_MOVE, [](f32 x, f32 y) {
            moveX = x;
            moveY = y;
        });
    }
    void Click(int x, int y) {
        Send(fake::MouseMove(x, y));
        Send(fake::Button(SYSMSG_LBUTTONDOWN, x, y));
        Send(fake::Button(SYSMSG_LBUTTONUP, x, y));
    }
    size_t Count(const char* call) { return std::count(Calls().begin(), Calls().end(), call); }
};

TEST_F(InputTest, TranslateKeyGivesEngineCodes) {
    const u32 LS = 0x2A << SYS_KEYFLAG_SCAN_SHIFT, RS = 0x36 << SYS_KEYFLAG_SCAN_SHIFT;
    const u32 cases[][3] = {{16, LS, 241},  {16, RS, 242}, {17, EXT, 244}, {17, 0, 243},
                            {18, EXT, 246}, {18, 0, 245},  {13, EXT, 247}, {13, 0, 13},
                            {65, 0, 65},    {104, 0, 104}};
    for (const auto& c : cases) EXPECT_EQ(TranslateKey(c[0], c[1]), c[2]) << c[0];
    // Keypad with Num Lock off: navigation keys without the extended flag.
    const std::pair<u32, u32> keypad[] = {{12, 101}, {33, 105}, {40, 98}, {45, 96}, {46, 110}};
    for (auto [vk, code] : keypad) {
        EXPECT_EQ(TranslateKey(vk, 0), code) << vk;
        EXPECT_EQ(TranslateKey(vk, EXT), vk) << vk; // the cursor block keeps its codes
    }
    EXPECT_LT(TranslateKey(0x1234, 0), 256u); // never a code outside the key table
}

TEST_F(InputTest, HeldKeyRepeatsDownOnlyWhileKeyRepeatIsOn) {
    for (bool repeat : {true, false}) {
        Calls().clear();
        repeat ? EngineEnable(ENGINE_KEY_REPEAT) : EngineDisable(ENGINE_KEY_REPEAT);
        Send(fake::KeyDown('A'));
        Send(fake::KeyDown('A', 0, false, true));
        Send(fake::KeyUp('A'));
        Lines want = {"hit 65", "down 65", "up 65"};
        if (repeat) want.insert(want.begin() + 1, "down 65");
        EXPECT_EQ(Calls(), want) << repeat;
    }
}

TEST_F(InputTest, KeyStateFollowsPressesPairQueriesAndFocusLoss) {
    Send(fake::KeyDown(17, 0x1D, true)); // right Ctrl
    EXPECT_TRUE(IsKeyDown(KEY_RCONTROL));
    EXPECT_TRUE(IsKeyDown(KEY_CONTROL));
    EXPECT_FALSE(IsKeyDown(KEY_LCONTROL));
    EXPECT_FALSE(IsKeyDown(300));
    // Keys held when the window loses the focus are released at once, with their key-up.
    Send(fake::KeyDown('S'));
    Send(fake::Button(SYSMSG_LBUTTONDOWN, 10, 10));
    Calls().clear();
    Send(SysMessage{SYSMSG_KILLFOCUS, 0, 0});
    EXPECT_FALSE(IsKeyDown('S'));
    EXPECT_FALSE(IsKeyDown(KEY_MOUSE_LEFT));
    EXPECT_FALSE(IsKeyDown(KEY_CONTROL));
    EXPECT_EQ(Calls(), (Lines{"up 83", "up 230", "up 244"}));
}

// Two clicks make a double click only when close in time and place; a third starts anew.
TEST_F(InputTest, DoubleClicksNeedQuickNearbyPairs) {
    const struct {
        int gapMs, dx;
        bool twice;
    } cases[] = {{300, 1, true}, {500, 0, false}, {100, 6, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gapMs);
        fake::SetTime(100000);
        ResetInputState();
        Calls().clear();
        Click(300, 300);
        fake::AdvanceTime(c.gapMs);
        Click(300 + c.dx, 300);
        EXPECT_EQ(Count("double 230"), c.twice ? 1u : 0u);
        EXPECT_EQ(Count("hit 230"), c.twice ? 1u : 2u);
        if (!c.twice) continue;
        Calls().clear(); // a third click starts a new pair
        fake::AdvanceTime(100);
        Click(300 + c.dx, 300);
        EXPECT_EQ(Calls(), (Lines{"hit 230", "down 230", "up 230"}));
    }
}

TEST_F(InputTest, WheelStepIsDownHitUpAndLeavesKeyReleased) {
    Send(fake::Wheel(120));
    Send(fake::Wheel(-360)); // one step whatever the delta
    EXPECT_EQ(Calls(), (Lines{"down 238", "hit 238", "up 238", "down 239", "hit 239", "up 239"}));
    EXPECT_FALSE(IsKeyDown(KEY_WHEEL_UP));
}

// Switched off, no way out ends the engine and a refused Escape reaches the game as a key;
// the end-to-end scripts quit by Escape and Alt+F4.
TEST_F(InputTest, QuitKeysAndCommandsObeyTheirSwitches) {
    EngineEnable(ENGINE_ALT_F4_QUITS);
    Send(fake::KeyDown(VK_F4)); // F4 without Alt is an ordinary key
    EngineDisable(ENGINE_ESCAPE_QUITS);
    Send(fake::KeyDown(VK_ESCAPE));
    EXPECT_EQ(Count("hit 27"), 1u);
    EngineDisable(ENGINE_ALT_F4_QUITS);
    Send(fake::SysKeyDown(VK_MENU, 0x38));
    Send(fake::SysKeyDown(VK_F4));
    Send(SysMessage{SYSMSG_CLOSE, 0, 0});
    EXPECT_TRUE(IsEngineRunning());
    EngineEnable(ENGINE_ALT_F4_QUITS);
    Send(SysMessage{SYSMSG_CLOSE, 0, 0});
    EXPECT_FALSE(IsEngineRunning());
    SetUp();
    fake::Window().created = true;
    EngineEnable(ENGINE_ESCAPE_QUITS);
    Send(fake::KeyDown(VK_ESCAPE));
    EXPECT_FALSE(fake::Window().created);
    EXPECT_TRUE(Calls().empty()); // a quitting Escape reaches no game handler
}

TEST_F(InputTest, MouseIsMeasuredInTheVirtualScreen) {
    SetClientSize(1600, 1200);
    Send(fake::MouseMove(100, 100));
    Send(fake::MouseMove(800, 600));
    f32 x, y;
    GetMousePos(&x, &y);
    EXPECT_EQ(std::pair(x, y), std::pair(400.0f, 300.0f));
    // The move callback gets the previous cursor's offset from the virtual centre.
    EXPECT_EQ(std::pair(moveX, moveY), std::pair((400 - 100) * 0.5f, (300 - 100) * 0.5f));
    SetMousePos(10, 20);
    GetMousePos(&x, &y);
    EXPECT_EQ(std::pair(x, y), std::pair(10.0f, 20.0f));
    // A window of no size leaves the mouse where it was and moves nothing in the game.
    for (const auto& [w, h] : {std::pair{0, 0}, {0, 600}, {800, 0}}) {
        SetClientSize(800, 600);
        Send(fake::MouseMove(200, 100));
        moveX = -1.0f;
        Send(fake::Size(SYS_SIZE_RESTORED, w, h));
        Send(fake::MouseMove(300, 300));
        GetMousePos(&x, &y);
        EXPECT_EQ(std::pair(x, y), std::pair(200.0f, 100.0f)) << w << "x" << h;
        EXPECT_EQ(moveX, -1.0f) << w << "x" << h;
    }
}

TEST_F(InputTest, CharactersBelowSpaceReachOnlyTheKeyPath) {
    for (u32 c : {8, 13, 0xE9}) Send(fake::Char(c));
    EXPECT_EQ(Calls(), (Lines{"char 233"}));
}

TEST_F(InputTest, ScreenshotHotKeyTakesTheFirstFreeNumber) {
    for (const char* taken : {"Screenshot001.bmp", "Screenshot002.bmp"})
        std::ofstream(taken) << "x";
    Send(fake::SysKeyDown(VK_MENU, 0x38));
    Send(fake::SysKeyDown(VK_SHIFT, 0x2A));
    Calls().clear();
    Send(fake::SysKeyDown('S', 0x1F));
    // The chord's S is the engine's: no game key is held or pressed by it.
    EXPECT_FALSE(IsKeyDown('S'));
    EXPECT_TRUE(Calls().empty());
    EXPECT_FALSE(dir.Exists("Screenshot003.bmp")); // the shot waits for the next frame
    DoFrame();
    EXPECT_EQ(dir.Read("Screenshot003.bmp").size(), 54u + 2400u * 600u);
    EXPECT_EQ(dir.Read("Screenshot001.bmp"), "x");
}
