// The pre-game menu: its texts, the language flags, "Start", and the fonts per display height.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/input.h"
#include "engine/loop.h"
#include "engine/window.h"
#include "game/shell/loc.h"
#include "game/shell/menu.h"
#include "game/shell/resources.h"
#include "game/shell/startup.h"
#include "game/sim/objects.h"
#include "graphics/font.h"
#include "gui/control.h"
#include "gui/lists.h"
#include "tests/game/shell/shell_data.h"
#include "tests/support/fake_platform.h"

namespace {

std::string Text(const char* control) {
    char text[256] = "";
    GetPropertyString(control, "Text", text, sizeof text);
    return text;
}

class MenuTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        WriteLanguage("eng");
        WriteLanguage("fin");
        WriteFonts();
        WriteBindings({}, 0);
        LoadFonts();
        Load();
    }
    void ClickFlag(int language) { ClickAt(60, 80 + 50 * language); }
    // The test folder lacks the in-flight pictures, and each missing one raises an error box;
    // with the loop stopped a box returns at once instead of waiting for an answer.
    void ClickStart() {
        StopEngine();
        ClickAt(400, 520);
    }
    int ShipClassIndex() { return int(world.playerShip->shipClass - world.shipClasses); }
};

TEST_F(MenuTest, StartsInEnglishWithTheTabledChoices) {
    EXPECT_EQ(GetSelected(menu.resolutionList), 1);
    EXPECT_EQ(GetSelected(menu.refreshList), 2);
    EXPECT_EQ(GetSelected(menu.shipList), 0);
    EXPECT_EQ(Text("resolution"), "eng menu 0");
    EXPECT_EQ(Text("Start"), "eng menu 3 (Alpha 3.3)");
    // The build's own date and time, in the forms "Dec  2 2005" and "00:13:15".
    EXPECT_THAT(Text("VersionInfo"),
                testing::MatchesRegex("eng menu 10: Alpha 3\\.3 \\( eng menu 11: [A-Z][a-z]{2} "
                                      "[ 1-3][0-9] [0-9]{4} [0-2][0-9]:[0-5][0-9]:[0-6][0-9] \\)"));
    EXPECT_STREQ(GameText(52), "eng game 52");
    EXPECT_STREQ(GetKeyName(65), "eng A");
}

TEST_F(MenuTest, AFlagSwitchesTheMenuTextsAndClickedAgainReloadsThem) {
    ClickFlag(7);
    EXPECT_EQ(menu.languageIndex, 7);
    EXPECT_EQ(Text("resolution"), "fin menu 0");
    WriteFile("Texts/fin/menu.loc", LocBytes(NumberedTexts("fin2", "menu", 19)));
    ClickFlag(7);
    EXPECT_EQ(Text("resolution"), "fin2 menu 0");
    EXPECT_STREQ(GameText(0), "eng game 0") << "in-flight texts change only at Start";
}

TEST_F(MenuTest, StartUntouchedOpensAWindowWithTessalyAndEnglish) {
    ClickStart();
    EXPECT_EQ(fake::Window().kind, SYS_WINDOW_FIXED);
    EXPECT_EQ(ShipClassIndex(), 0);
    EXPECT_STREQ(GameText(0), "eng game 0");
    EXPECT_EQ(dir.Read("vaelor.log").find("Setting Display Mode"), std::string::npos);
    EXPECT_EQ(menu.flagSurface[0], nullptr);
}

TEST_F(MenuTest, StartAppliesFullScreenModeLanguageAndShip) {
    ClickFlag(7);
    SetSelected(menu.resolutionList, 5);
    SetSelected(menu.refreshList, 4);
    SetSelected(menu.shipList, 2);
    ClickAt(425, 210);
    ClickStart();
    EXPECT_EQ(fake::Window().kind, SYS_WINDOW_FULLSCREEN);
    EXPECT_EQ(fake::Window().height, 1200);
    EXPECT_NE(dir.Read("vaelor.log").find("Setting Display Mode to 1600x1200x32@100"),
              std::string::npos);
    EXPECT_STREQ(GameText(0), "fin game 0");
    EXPECT_STREQ(GetKeyName(65), "fin A");
    EXPECT_EQ(ShipClassIndex(), 2);
}

TEST_F(MenuTest, FontPairsDrawTwelveAndTwentyFourUnitsHighOnEveryDisplay) {
    const struct {
        i16 height;
        i16 small, large;
    } cases[] = {{600, 12, 24}, {768, 15, 30}, {1024, 19, 38}, {1200, 24, 48}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.height);
        SetClientSize(800, c.height);
        LoadFonts();
        ASSERT_TRUE(res.smallFont && res.largeFont);
        EXPECT_EQ(res.smallFont->lineHeight, c.small);
        EXPECT_EQ(res.largeFont->lineHeight, c.large);
        EXPECT_FLOAT_EQ(res.smallFont->lineHeight * res.smallFont->scale, 12.0f);
        EXPECT_FLOAT_EQ(res.largeFont->lineHeight * res.largeFont->scale, 24.0f);
        EXPECT_EQ(GetFont(), res.smallFont);
    }
}

} // namespace
