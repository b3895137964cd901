// The window procedure fed with messages: key translation, press and release order, double
// clicks, the wheel, quit keys, mouse scaling, the screenshot hot key, key names.
#include <filesystem>
#include <fstream>

#include "engine/utils.h"
#include "tests/engine/engine_fixture.h"

namespace {
void OnHit(u32 k) {
    CallRecorder::Add("hit " + std::to_string(k));
}
void OnDown(u32 k) {
    CallRecorder::Add("down " + std::to_string(k));
}
void OnUp(u32 k) {
    CallRecorder::Add("up " + std::to_string(k));
}
void OnDouble(u32 k) {
    CallRecorder::Add("double " + std::to_string(k));
}
void OnChar(u32 c) {
    CallRecorder::Add("char " + std::to_string(c));
}
float moveX, moveY;
void OnMove(f32 x, f32 y) {
    moveX = x;
    moveY = y;
}
constexpr u32 EXT = SYS_KEYFLAG_EXTENDED;
u32 Scan(u32 s) {
    return s << SYS_KEYFLAG_SCAN_SHIFT;
}
} // namespace

class InputTest : public EngineFixture {
  protected:
    void SetUp() override {
        EngineFixture::SetUp();
        SetCallbackFn(CB_KEY_HIT, OnHit);
        SetCallbackFn(CB_KEY_DOWN, OnDown);
        SetCallbackFn(CB_KEY_UP, OnUp);
        SetCallbackFn(CB_DOUBLE_CLICK, OnDouble);
        SetCallbackFn(CB_CHAR, OnChar);
        SetCallbackFn(CB_MOUSE_MOVE, OnMove);
    }
    void Click(int x, int y) {
        Send(fake::MouseMove(x, y));
        Send(fake::Button(SYSMSG_LBUTTONDOWN, x, y));
        Send(fake::Button(SYSMSG_LBUTTONUP, x, y));
    }
};

TEST_F(InputTest, TranslateKeyGivesEngineCodes) {
    EXPECT_EQ(TranslateKey(16, Scan(0x2A)), 241u);
    EXPECT_EQ(TranslateKey(16, Scan(0x36)), 242u);
    EXPECT_EQ(TranslateKey(17, EXT), 244u);
    EXPECT_EQ(TranslateKey(17, 0), 243u);
    EXPECT_EQ(TranslateKey(18, EXT), 246u);
    EXPECT_EQ(TranslateKey(18, 0), 245u);
    EXPECT_EQ(TranslateKey(13, EXT), 247u);
    EXPECT_EQ(TranslateKey(13, 0), 13u);
    // Keypad with Num Lock off: navigation keys without the extended flag.
    const std::pair<u32, u32> keypad[] = {{12, 101}, {33, 105}, {34, 99},  {35, 97},
                                          {36, 103}, {37, 100}, {38, 104}, {39, 102},
                                          {40, 98},  {45, 96},  {46, 110}};
    for (auto [vk, code] : keypad) {
        EXPECT_EQ(TranslateKey(vk, 0), code) << vk;
        EXPECT_EQ(TranslateKey(vk, EXT), vk) << vk; // the cursor block keeps its codes
    }
    EXPECT_EQ(TranslateKey(65, 0), 65u);
    EXPECT_EQ(TranslateKey(104, 0), 104u);
    EXPECT_LT(TranslateKey(0x1234, 0), 256u); // never a code outside the key table
}

TEST_F(InputTest, HeldKeyRepeatsDownOnlyWhileKeyRepeatIsOn) {
    Send(fake::KeyDown('A'));
    Send(fake::KeyDown('A', 0, false, true));
    Send(fake::KeyDown('A', 0, false, true));
    Send(fake::KeyUp('A'));
    EXPECT_EQ(Calls(),
              (std::vector<std::string>{"hit 65", "down 65", "down 65", "down 65", "up 65"}));
    Calls().clear();
    EngineDisable(ENGINE_KEY_REPEAT);
    Send(fake::KeyDown('A'));
    Send(fake::KeyDown('A', 0, false, true));
    Send(fake::KeyUp('A'));
    EXPECT_EQ(Calls(), (std::vector<std::string>{"hit 65", "down 65", "up 65"}));
}

TEST_F(InputTest, KeyStateFollowsPressesAndPairQueries) {
    Send(fake::KeyDown(17, 0x1D, true)); // right Ctrl
    EXPECT_TRUE(IsKeyDown(KEY_RCONTROL));
    EXPECT_TRUE(IsKeyDown(KEY_CONTROL));
    EXPECT_FALSE(IsKeyDown(KEY_LCONTROL));
    Send(fake::KeyUp(17, 0x1D, true));
    EXPECT_FALSE(IsKeyDown(KEY_CONTROL));
    Send(fake::KeyDown(16, 0x36)); // right Shift
    EXPECT_TRUE(IsKeyDown(KEY_SHIFT));
    EXPECT_TRUE(IsKeyDown(KEY_RSHIFT));
    EXPECT_FALSE(IsKeyDown(300));
}

// Keys held when the window loses the focus are released at once, with their key-up.
TEST_F(InputTest, FocusLossReleasesHeldKeys) {
    Send(fake::KeyDown('S'));
    Send(fake::Button(SYSMSG_LBUTTONDOWN, 10, 10));
    Calls().clear();
    Send(SysMessage{SYSMSG_KILLFOCUS, 0, 0});
    EXPECT_FALSE(IsKeyDown('S'));
    EXPECT_FALSE(IsKeyDown(KEY_MOUSE_LEFT));
    EXPECT_EQ(Calls(), (std::vector<std::string>{"up 83", "up 230"}));
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
        Click(300, 300);
        fake::AdvanceTime(c.gapMs);
        Click(300 + c.dx, 300);
        EXPECT_EQ(std::count(Calls().begin(), Calls().end(), "double 230"), c.twice ? 1 : 0);
        EXPECT_EQ(std::count(Calls().begin(), Calls().end(), "hit 230"), c.twice ? 1 : 2);
        Calls().clear();
        if (c.twice) { // a third click starts a new pair
            fake::AdvanceTime(100);
            Click(300 + c.dx, 300);
            EXPECT_EQ(Calls(), (std::vector<std::string>{"hit 230", "down 230", "up 230"}));
        }
        Calls().clear();
    }
}

TEST_F(InputTest, WheelStepIsDownHitUpAndLeavesKeyReleased) {
    Send(fake::Wheel(120));
    Send(fake::Wheel(-360)); // one step whatever the delta
    EXPECT_EQ(Calls(), (std::vector<std::string>{"down 238", "hit 238", "up 238", "down 239",
                                                 "hit 239", "up 239"}));
    EXPECT_FALSE(IsKeyDown(KEY_WHEEL_UP));
}

// Each way out obeys its switch; a refused Escape still reaches the game as a key.
TEST_F(InputTest, QuitKeysAndCommandsObeyTheirSwitches) {
    const struct {
        const char* what;
        u32 flag;
        std::vector<SysMessage> press;
    } cases[] = {
        {"Escape", ENGINE_ESCAPE_QUITS, {fake::KeyDown(VK_ESCAPE)}},
        {"Alt+F4", ENGINE_ALT_F4_QUITS, {fake::SysKeyDown(VK_MENU, 0x38), fake::SysKeyDown(VK_F4)}},
        {"close", ENGINE_ALT_F4_QUITS, {SysMessage{SYSMSG_CLOSE, 0, 0}}},
    };
    for (const auto& c : cases) {
        for (bool on : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (on ? " on" : " off"));
            SetUp();
            fake::Window().created = true;
            on ? EngineEnable(c.flag) : EngineDisable(c.flag);
            for (const SysMessage& m : c.press) Send(m);
            EXPECT_EQ(IsEngineRunning(), !on);
            if (c.flag != ENGINE_ESCAPE_QUITS) continue;
            EXPECT_EQ(fake::Window().created, !on);
            EXPECT_EQ(Calls().empty(), on); // a quitting Escape reaches no game handler
        }
    }
    SetUp();
    Send(fake::KeyDown(VK_F4)); // F4 alone is an ordinary key
    EXPECT_TRUE(IsEngineRunning());
    Send(SysMessage{SYSMSG_QUIT, 0, 0});
    EXPECT_FALSE(IsEngineRunning());
}

TEST_F(InputTest, MouseIsMeasuredInTheVirtualScreen) {
    SetClientSize(1600, 1200);
    Send(fake::MouseMove(100, 100));
    Send(fake::MouseMove(800, 600));
    f32 x, y;
    GetMousePos(&x, &y);
    EXPECT_FLOAT_EQ(x, 400.0f);
    EXPECT_FLOAT_EQ(y, 300.0f);
    // The move callback gets the previous cursor's offset from the virtual centre.
    EXPECT_FLOAT_EQ(moveX, (400 - 100) * 0.5f);
    EXPECT_FLOAT_EQ(moveY, (300 - 100) * 0.5f);
    SetMousePos(10, 20);
    GetMousePos(&x, &y);
    EXPECT_EQ(x, 10.0f);
    EXPECT_EQ(y, 20.0f);
}

TEST_F(InputTest, EmptyClientAreaLeavesTheMouseWhereItWas) {
    const int sizes[][2] = {{0, 0}, {0, 600}, {800, 0}};
    for (const auto& size : sizes) {
        SetClientSize(800, 600);
        Send(fake::MouseMove(200, 100));
        moveX = moveY = -1.0f;
        Send(fake::Size(SYS_SIZE_RESTORED, size[0], size[1]));
        Send(fake::MouseMove(300, 300));
        f32 x, y;
        GetMousePos(&x, &y);
        EXPECT_EQ(x, 200.0f) << size[0] << "x" << size[1];
        EXPECT_EQ(y, 100.0f) << size[0] << "x" << size[1];
        EXPECT_EQ(moveX, -1.0f) << "the game saw a move in a window of no size";
    }
}

TEST_F(InputTest, CharactersBelowSpaceReachOnlyTheKeyPath) {
    Send(fake::Char(8));
    Send(fake::Char(13));
    Send(fake::Char(0xE9));
    EXPECT_EQ(Calls(), (std::vector<std::string>{"char 233"}));
}

TEST_F(InputTest, ScreenshotHotKeyTakesTheFirstFreeNumber) {
    std::ofstream(dir.File("Screenshot001.bmp")) << "x";
    std::ofstream(dir.File("Screenshot002.bmp")) << "x";
    Send(fake::SysKeyDown(VK_MENU, 0x38));
    Send(fake::SysKeyDown(VK_SHIFT, 0x2A));
    Calls().clear();
    Send(fake::SysKeyDown('S', 0x1F));
    // The chord's S is the engine's: no game key is held or pressed by it.
    EXPECT_FALSE(IsKeyDown('S'));
    EXPECT_TRUE(Calls().empty());
    // The shot waits for the next frame's drawing.
    EXPECT_FALSE(dir.Exists("Screenshot003.bmp"));
    DoFrame();
    ASSERT_TRUE(dir.Exists("Screenshot003.bmp"));
    EXPECT_EQ(std::filesystem::file_size(dir.File("Screenshot003.bmp")), 54u + 2400u * 600u);
    EXPECT_EQ(dir.Read("Screenshot001.bmp"), "x");
    // Without Shift, S is an ordinary key.
    Send(fake::SysKeyUp(VK_SHIFT, 0x2A));
    Send(fake::SysKeyUp('S', 0x1F));
    Send(fake::SysKeyDown('S', 0x1F));
    DoFrame();
    EXPECT_FALSE(dir.Exists("Screenshot004.bmp"));
}

TEST_F(InputTest, KeyNamesAreCutAndDefaulted) {
    EXPECT_STREQ(GetKeyName(65), "Key 65");
    std::vector<const char*> names(256, nullptr);
    names[65] = "A";
    names[66] = "A name that is far longer than thirty-one bytes";
    SetKeyNames(names.data());
    EXPECT_STREQ(GetKeyName(65), "A");
    EXPECT_EQ(std::string(GetKeyName(66)), std::string(names[66]).substr(0, 31));
    EXPECT_STREQ(GetKeyName(67), "Key 67");
    EXPECT_STREQ(GetKeyName(300), "Key 300");
}
