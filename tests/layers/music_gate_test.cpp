// The game's music rule: music may start while a sheet is up, unless it holds a lone control.
#include <gtest/gtest.h>
#include <string>

#include "audio/music.h"
#include "game/shell/music_gate.h"
#include "gui/control.h"
#include "gui/gui.h"
#include "gui/sheet.h"
#include "tests/support/fake_platform.h"

TEST(MusicGate, FollowsTheActiveSheetsControlCount) {
    struct Case {
        int controls; // -1: no sheet at all
        bool allowed;
    };
    const Case cases[] = {{-1, false}, {0, true}, {1, false}, {2, true}, {5, true}};
    for (const Case& c : cases) {
        fake::Reset();
        InitGUI();
        if (c.controls >= 0) {
            ASSERT_NE(CreateControl("Sheet", "Menu", nullptr, 0, 0, 0, 0), nullptr);
            ASSERT_TRUE(SetActiveSheet("Menu"));
        }
        for (int i = 0; i < c.controls; i++)
            ASSERT_NE(CreateControl("Button", ("B" + std::to_string(i)).c_str(), "Menu", 10,
                                    10 + 30 * i, 60, 20),
                      nullptr);
        SetMusicAllowed(!c.allowed);
        UpdateMusicGate();
        EXPECT_EQ(MusicAllowed(), c.allowed) << c.controls << " controls";
        ShutdownGUI();
    }
}
