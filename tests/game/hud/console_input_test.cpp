// The consoles' input: hit tests, the speed lever, buttons, shortcuts and tooltips.
#include <gtest/gtest.h>

#include "engine/loop.h"
#include "game/shell/consoles.h"
#include "game/sim/objects.h"
#include "game/sim/power.h"
#include "tests/game/hud/hud_fixture.h"

using ConsoleTest = HudTest;

TEST_F(ConsoleTest, HitTestsAtTheRegionBoundaries) {
    // Degrees from the right horizontal, clockwise: the lever arc ends at -30, rim button 7
    // begins at -28 and the eight buttons are 18.3 degrees each.
    const struct {
        f32 degrees, radius;
        i32 id;
    } rim[] = {{-29.0f, 70, 1},  {-27.9f, 70, 7}, {-9.6f, 70, 8},  {0.0f, 66, 8},  {46.0f, 74, 11},
               {117.9f, 70, 14}, {118.2f, 70, 1}, {-90.0f, 70, 1}, {-29.0f, 64, 0}};
    for (const auto& c : rim) {
        f32 x, y;
        DialPointFromRight(c.degrees, c.radius, &x, &y);
        EXPECT_EQ(NavHitTest(x, y), c.id) << c.degrees << " deg at " << c.radius;
    }
    // The corners: navigation on the right, tactical on the left.
    const struct {
        f32 x, y;
        i32 id;
    } corners[] = {{790, 464, 2}, {790, 509, 2}, {790, 510, 3}, {709, 595, 6},
                   {770, 575, 4}, {765, 560, 3}, {730, 595, 5}, {661, 590, 0},
                   {790, 463, 0}, {698, 520, 0}, {10, 464, 25}, {91, 590, 29},
                   {30, 575, 27}, {35, 560, 26}, {60, 595, 28}, {139, 590, 0}};
    for (const auto& c : corners) {
        i32 hit = c.x < 400 ? TacticalHitTest(c.x, c.y) : NavHitTest(c.x, c.y);
        EXPECT_EQ(hit, c.id) << c.x << ", " << c.y;
    }
}

TEST_F(ConsoleTest, LeverFollowsPressAndDragWithinTheEngineLimit) {
    struct Case {
        f32 theta;
        f32 lever;
    };
    // The 2-degree gap at 151 before rim button 7 starts a drag without moving the lever.
    const Case presses[] = {
        {149.9f, 1.0f}, {-54.9f, -1.0f}, {75.0f, 0.5f}, {-27.5f, -0.5f}, {151.0f, 0.0f}};
    f32 x, y;
    for (const Case& c : presses) {
        hud = HudState{};
        DialPointFromLeft(c.theta, 70, &x, &y);
        SetMousePos(x, y);
        NavPress();
        EXPECT_EQ(hud.hudHotId, HOT_LEVER) << c.theta;
        EXPECT_NEAR(hud.speedLever, c.lever, 0.002f) << c.theta;
    }
    world.playerShip->engineFactor = 0.5f;
    const Case drags[] = {{149.0f, 0.5f}, {-70.0f, -0.5f}, {30.0f, 0.2f}, {-80.0f, 0.2f}};
    for (const Case& c : drags) {
        DialPointFromLeft(c.theta, 120, &x, &y); // far off the rim: a drag follows the angle
        SetMousePos(x, y);
        NavDrag();
        EXPECT_NEAR(hud.speedLever, c.lever, 0.002f) << c.theta;
    }
    hud.hudHotId = HOT_NONE;
    DialPointFromLeft(100.0f, 70, &x, &y);
    SetMousePos(x, y);
    NavDrag();
    EXPECT_NEAR(hud.speedLever, 0.2f, 0.002f) << "no drag without a press";
}

TEST_F(ConsoleTest, ReleaseAfterSlidingOffAButtonStillActs) {
    SetMousePos(770, 530); // the signal button
    NavPress();
    ASSERT_EQ(hud.hudHotId, 3);
    SetMousePos(400, 300);
    NavClick();
    EXPECT_FLOAT_EQ(hud.signalTimer, SIGNAL_SECONDS);
    EXPECT_EQ(Line(0), "<c green># <c yellow>text 49");
    NavClick();
    EXPECT_EQ(hud.signalTimer, -1.0f);
    EXPECT_EQ(Line(1), "<c green># <c yellow>text 50");

    hud.hudHotId = HOT_NONE;
    SetMousePos(30, 530); // tactical button 26 toggles the spread
    TacticalPress();
    SetMousePos(400, 300);
    TacticalClick();
    EXPECT_EQ(systems.torpedoSpread, 1);

    // A press that misses every console leaves the element untouched.
    hud.hudHotId = HOT_NONE;
    NavPress();
    TacticalPress();
    EXPECT_EQ(hud.hudHotId, HOT_NONE);
}

TEST_F(ConsoleTest, KeyboardShortcutsRunTheButtonsOncePerPressOrOnRepeat) {
    Bind(9, 'P');
    Bind(12, 'U');
    Down('P');
    ConsoleKeyHit();
    EXPECT_TRUE(IsPaused());
    ConsoleKeyDown(); // pause is not among the repeating buttons
    EXPECT_TRUE(IsPaused());
    ConsoleKeyHit();
    EXPECT_FALSE(IsPaused());
    Up('P');

    Down('U');
    f32 front = systems.shieldFacing[0];
    ConsoleKeyHit();
    EXPECT_EQ(systems.shieldFacing[0], front);
    for (int repeat = 0; repeat < 2; ++repeat) {
        ConsoleKeyDown();
        EXPECT_GT(systems.shieldFacing[0], front) << repeat;
        front = systems.shieldFacing[0];
    }
    Up('U');
    Bind(2, 'B');
    Down('B');
    ConsoleKeyHit();
    EXPECT_FLOAT_EQ(systems.breachCountdown, BREACH_SECONDS);
    ConsoleKeyHit();
    EXPECT_EQ(systems.breachCountdown, -1.0f);
}

TEST_F(ConsoleTest, TooltipsNameTheElementTheRequestAndTheBoundKeys) {
    Bind(15, '1');
    Bind(20, '5');
    keyBindings[4] = KeyBinding{{KEY_LCONTROL, 'J', 0}, 2};
    systems.powerRequest[0] = 0.42f;
    EXPECT_EQ(std::string(ButtonTooltip(15)),
              "text 17 (42%)\n<color 200,200,200>text 0: <color 246,235,20>K49 text 1 K53");
    systems.overloadedSystem = 0;
    EXPECT_EQ(std::string(ButtonTooltip(15)).substr(0, 14), "text 17 (150%)");
    EXPECT_EQ(std::string(ButtonTooltip(4)),
              "text 6\n<color 200,200,200>text 0: <color 246,235,20>K243 + K74");
    EXPECT_EQ(std::string(ButtonTooltip(19)).substr(0, 2), "?\n"); // no fifth meter to read
    EXPECT_EQ(std::string(ButtonTooltip(200)).substr(0, 2), "?\n");
}

TEST_F(ConsoleTest, SpeedKeysMoveTheLeverOnlyWhileTheGameHasTheKeyboard) {
    Bind(ACTION_FASTER, 'W');
    Bind(ACTION_CHAT_ALL, 'T');
    Down('W');
    UpdateNavConsole(0.55f); // 55 degrees of the 150 ahead
    EXPECT_NEAR(hud.speedLever, 55.0f / 150.0f, 1e-4f);
    UpdateNavConsole(10.0f);
    EXPECT_FLOAT_EQ(hud.speedLever, 1.0f);
    Up('W');
    hud.speedLever = 0.0f;
    Key('T');
    Down('W');
    UpdateNavConsole(0.5f);
    EXPECT_EQ(hud.speedLever, 0.0f);
}
