// Every picture the game loads is in the program folder, decodes with the engine's decoders at
// the size the game draws it from, and holds art where the game samples it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "game/shell/console_art.h"
#include "tests/assets/art_test_support.h"

namespace {

struct Expected {
    const char* path;
    int width;
    int height;
};

const Expected PICTURES[] = {
    {"Data/tessaly.dsx", SHIP_SPRITE_SIZE, SHIP_SPRITE_SIZE},
    {"Data/shrike.dsx", SHIP_SPRITE_SIZE, SHIP_SPRITE_SIZE},
    {"Data/meridian.dsx", SHIP_SPRITE_SIZE, SHIP_SPRITE_SIZE},
    {"Data/distruptor.dsx", DISRUPTOR_WIDTH, DISRUPTOR_HEIGHT},
    {"Data/torpedo.dsx", 126, 126},
    {"Data/Graphics/menu_cursor.dsx", CURSOR_SIZE, CURSOR_SIZE},
    {"Data/Graphics/game_cursor.dsx", CURSOR_SIZE, CURSOR_SIZE},
    {"Data/Graphics/avatar.dsx", AVATAR_SIZE, AVATAR_SIZE},
    {"Data/Graphics/Flags/eng.dsx", 69, 42},
    {"Data/Graphics/Flags/cro.dsx", 69, 42},
    {"Data/Graphics/Flags/cz.dsx", 69, 42},
    {"Data/Graphics/Flags/pl.dsx", 69, 42},
    {"Data/Graphics/Flags/de.dsx", 69, 42},
    {"Data/Graphics/Flags/it.dsx", 69, 42},
    {"Data/Graphics/Flags/spa.dsx", 69, 42},
    {"fin.tga", 69, 42},
    {"lancer.tga", LANCER_WIDTH, LANCER_HEIGHT},
    {"spark.tga", SPARK_SIZE, SPARK_SIZE},
    {"Data/Graphics/Navigations/nav.dsx", 512, 512},
    {"Data/Graphics/Navigations/keyboard.dsx", HUD_ICON_SIZE, HUD_ICON_SIZE},
    {"Data/Graphics/Navigations/question.dsx", HUD_ICON_SIZE, HUD_ICON_SIZE},
    {"Data/Graphics/Power Display/power.dsx", 512, 512},
    {"Data/Graphics/Score Display/score.dsx", SCORE_WIDTH, SCORE_HEIGHT},
    {"Data/Graphics/Tactical/tactical.dsx", 512, 512},
};

// Share of the region's pixels that are not fully transparent.
double Coverage(const LoadedImage& img, const ArtRect& r) {
    int covered = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) covered += img.Alpha(x, y) > 0;
    return double(covered) / (r.w * r.h);
}

void ExpectRegionsDrawn(const char* sheet, const std::vector<ArtRect>& regions) {
    LoadedImage img;
    ASSERT_TRUE(LoadDistImage(sheet, &img)) << sheet;
    for (const ArtRect& r : regions) {
        ASSERT_LE(r.x + r.w, img.image.width) << sheet;
        ASSERT_LE(r.y + r.h, img.image.height) << sheet;
        EXPECT_GT(Coverage(img, r), 0.1)
            << sheet << " region " << r.x << "," << r.y << " " << r.w << "x" << r.h << " is empty";
    }
}

TEST(ArtFiles, EveryPictureDecodesAtItsSize) {
    for (const Expected& e : PICTURES) {
        LoadedImage img;
        ASSERT_TRUE(LoadDistImage(e.path, &img)) << e.path << " missing or undecodable";
        EXPECT_EQ(img.image.width, e.width) << e.path;
        EXPECT_EQ(img.image.height, e.height) << e.path;
    }
}

TEST(ArtFiles, ConsoleRegionsHoldArt) {
    std::vector<ArtRect> nav = {NAV_LEVER_ICON, NAV_HELP_ICON, PLATING_ICON, WARP_ICON};
    for (int i = 0; i < CORNER_BUTTON_COUNT; ++i) nav.push_back(NavButtonArt()[i].icon);
    ExpectRegionsDrawn("Data/Graphics/Navigations/nav.dsx", nav);

    std::vector<ArtRect> tactical = {TACTICAL_TORPEDO_ICON,
                                     TACTICAL_BADGE,
                                     RACK_PIP_FRAME,
                                     RACK_PIP,
                                     STATUS_PIP,
                                     CLOAK_ICON,
                                     WARP_ICON,
                                     PLATING_ICON};
    for (const SystemIconArt& s : SYSTEM_ICONS) tactical.push_back(s.region);
    for (int i = 0; i < CORNER_BUTTON_COUNT; ++i)
        if (TacticalButtonArt()[i].icon.w) tactical.push_back(TacticalButtonArt()[i].icon);
    ExpectRegionsDrawn("Data/Graphics/Tactical/tactical.dsx", tactical);

    ExpectRegionsDrawn("Data/Graphics/Power Display/power.dsx",
                       {POWER_BAR_LEFT, POWER_BAR_MIDDLE, POWER_BAR_RIGHT, POWER_HEALTH_ICON,
                        MARKER_WARP, MARKER_RESERVE, MARKER_CLOAK, MARKER_POLARIZE});
}

// The game stretches the middle bar piece sideways: every column must be the same.
TEST(ArtFiles, StretchedPiecesAreUniformAlongTheStretch) {
    LoadedImage power;
    ASSERT_TRUE(LoadDistImage("Data/Graphics/Power Display/power.dsx", &power));
    const ArtRect& m = POWER_BAR_MIDDLE;
    for (int y = m.y; y < m.y + m.h; ++y)
        for (int x = m.x + 1; x < m.x + m.w; ++x)
            EXPECT_EQ(power.Alpha(x, y), power.Alpha(m.x, y)) << "column " << x << " row " << y;

    LoadedImage lancer;
    ASSERT_TRUE(LoadDistImage("lancer.tga", &lancer));
    const size_t row = size_t(lancer.image.width) * 4;
    for (int y = 1; y < lancer.image.height; ++y)
        EXPECT_EQ(0, std::memcmp(lancer.image.pixels, lancer.image.pixels + y * row, row)) << y;
}

TEST(ArtFiles, TorpedoFramesAreSeparateAndAllDrawn) {
    LoadedImage img;
    ASSERT_TRUE(LoadDistImage("Data/torpedo.dsx", &img));
    const int f = TORPEDO_FRAME_SIZE;
    for (int frame = 0; frame < 9; ++frame) {
        const int fx = frame % 3 * f, fy = frame / 3 * f;
        EXPECT_EQ(img.Alpha(fx + f / 2, fy + f / 2), 255) << "frame " << frame << " has no core";
        for (int i = 0; i < f; ++i) {
            EXPECT_EQ(img.Alpha(fx + i, fy), 0) << "frame " << frame << " touches its top edge";
            EXPECT_EQ(img.Alpha(fx, fy + i), 0) << "frame " << frame << " touches its left edge";
        }
    }
}

TEST(ArtFiles, FlagsAreOpaqueAndShipsDistinct) {
    for (const char* flag :
         {"Data/Graphics/Flags/eng.dsx", "Data/Graphics/Flags/pl.dsx", "fin.tga"}) {
        LoadedImage img;
        ASSERT_TRUE(LoadDistImage(flag, &img));
        EXPECT_EQ(img.Channels(), 3) << flag;
    }
    // Three clearly different silhouettes: any two differ in over a fifth of their coverage.
    const char* ships[] = {"Data/tessaly.dsx", "Data/shrike.dsx", "Data/meridian.dsx"};
    LoadedImage img[3];
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(LoadDistImage(ships[i], &img[i]));
    for (int a = 0; a < 3; ++a)
        for (int b = a + 1; b < 3; ++b) {
            int differ = 0, covered = 0;
            for (int y = 0; y < SHIP_SPRITE_SIZE; ++y)
                for (int x = 0; x < SHIP_SPRITE_SIZE; ++x) {
                    const bool in = img[a].Alpha(x, y) > 128, other = img[b].Alpha(x, y) > 128;
                    differ += in != other;
                    covered += in || other;
                }
            EXPECT_GT(differ, covered / 5) << ships[a] << " and " << ships[b];
        }
}

} // namespace
