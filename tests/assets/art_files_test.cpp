// Every picture the game loads decodes at its size and holds art where the game samples it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game/shell/console_art.h"
#include "tests/assets/art_test_support.h"

namespace {

struct Expected {
    std::string path;
    int width;
    int height;
    bool opaque = false; // stored without alpha
};

std::vector<Expected> Pictures() {
    std::vector<Expected> pictures = {
        {"Data/tessaly.dsx", SHIP_SPRITE_SIZE, SHIP_SPRITE_SIZE},
        {"Data/shrike.dsx", SHIP_SPRITE_SIZE, SHIP_SPRITE_SIZE},
        {"Data/meridian.dsx", SHIP_SPRITE_SIZE, SHIP_SPRITE_SIZE},
        {"Data/distruptor.dsx", DISRUPTOR_WIDTH, DISRUPTOR_HEIGHT},
        {"Data/torpedo.dsx", TORPEDO_SHEET_SIZE, TORPEDO_SHEET_SIZE},
        {"Data/Graphics/menu_cursor.dsx", CURSOR_SIZE, CURSOR_SIZE},
        {"Data/Graphics/game_cursor.dsx", CURSOR_SIZE, CURSOR_SIZE},
        {"Data/Graphics/avatar.dsx", AVATAR_SIZE, AVATAR_SIZE},
        {"fin.tga", FLAG_WIDTH, FLAG_HEIGHT, true},
        {"lancer.tga", LANCER_WIDTH, LANCER_HEIGHT},
        {"spark.tga", SPARK_SIZE, SPARK_SIZE},
        {"Data/Graphics/Navigations/nav.dsx", CONSOLE_SHEET_SIZE, CONSOLE_SHEET_SIZE},
        {"Data/Graphics/Navigations/keyboard.dsx", HUD_ICON_SIZE, HUD_ICON_SIZE},
        {"Data/Graphics/Navigations/question.dsx", HUD_ICON_SIZE, HUD_ICON_SIZE},
        {"Data/Graphics/Power Display/power.dsx", CONSOLE_SHEET_SIZE, CONSOLE_SHEET_SIZE},
        {"Data/Graphics/Score Display/score.dsx", SCORE_WIDTH, SCORE_HEIGHT},
        {"Data/Graphics/Tactical/tactical.dsx", CONSOLE_SHEET_SIZE, CONSOLE_SHEET_SIZE}};
    for (const char* flag : {"eng", "cro", "cz", "pl", "de", "it", "spa"})
        pictures.push_back(
            {std::string("Data/Graphics/Flags/") + flag + ".dsx", FLAG_WIDTH, FLAG_HEIGHT, true});
    return pictures;
}

TEST(ArtFiles, EveryPictureDecodesAtItsSize) {
    for (const Expected& e : Pictures()) {
        SCOPED_TRACE(e.path);
        LoadedImage img;
        ASSERT_TRUE(LoadDistImage(e.path, &img)) << "missing or undecodable";
        EXPECT_EQ(std::pair(int(img.image.width), int(img.image.height)),
                  std::pair(e.width, e.height));
        EXPECT_TRUE(!e.opaque || img.Channels() == 3) << "opaque pictures store no alpha";
    }
}

// The game stretches the middle bar piece sideways: every column must be the same.
TEST(ArtFiles, StretchedPiecesAreUniformAndTorpedoFramesSeparate) {
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

    // The torpedo's frames are separate and all drawn.
    LoadedImage img;
    ASSERT_TRUE(LoadDistImage("Data/torpedo.dsx", &img));
    const int f = TORPEDO_FRAME_SIZE, perRow = TORPEDO_FRAMES_PER_ROW;
    for (int frame = 0; frame < perRow * perRow; ++frame) {
        const int fx = frame % perRow * f, fy = frame / perRow * f;
        EXPECT_EQ(img.Alpha(fx + f / 2, fy + f / 2), 255) << "frame " << frame << " has no core";
        for (int i = 0; i < f; ++i) {
            EXPECT_EQ(img.Alpha(fx + i, fy), 0) << "frame " << frame << " touches its top edge";
            EXPECT_EQ(img.Alpha(fx, fy + i), 0) << "frame " << frame << " touches its left edge";
        }
    }
}

} // namespace
