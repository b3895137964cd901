// The game's music rule: music may start while a sheet is up, unless it holds a lone control.
#include <gtest/gtest.h>

#include "audio/music.h"
#include "game/shell/music_gate.h"
#include "gui/control.h"
#include "gui/gui.h"
#include "gui/sheet.h"
#include "tests/support/fake_platform.h"

TEST(MusicGate, FollowsTheActiveSheetsControlCount) {
    const std::pair<int, bool> cases[] = {{-1, false}, {0, true}, {1, false}, {2, true}, {5, true}};
    for (auto [controls, allowed] : cases) {
        fake::Reset();
        InitGUI();
        if (controls >= 0) { // -1: no sheet at all
            ASSERT_NE(CreateControl("Sheet", "Menu", nullptr, 0, 0, 0, 0), nullptr);
            ASSERT_TRUE(SetActiveSheet("Menu"));
        }
        for (int i = 0; i < controls; i++) {
            const std::string name = "B" + std::to_string(i);
            ASSERT_NE(CreateControl("Button", name.c_str(), "Menu", 10, 10 + 30 * i, 60, 20),
                      nullptr);
        }
        SetMusicAllowed(!allowed);
        UpdateMusicGate();
        EXPECT_EQ(MusicAllowed(), allowed) << controls << " controls";
        ShutdownGUI();
    }
}
