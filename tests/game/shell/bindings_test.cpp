// Key bindings: short and missing binding files, chords held or not, and their key names.
#include <gtest/gtest.h>

#include "engine/input.h"
#include "game/shell/bindings.h"
#include "game/shell/startup.h"
#include "tests/game/shell/shell_data.h"
#include "tests/support/fake_platform.h"

namespace {

class BindingsTest : public ShellTest {
  protected:
    void Press(u32 vk) { WndProc(fake::KeyDown(vk)); }
    void Release(u32 vk) { WndProc(fake::KeyUp(vk)); }
};

TEST_F(BindingsTest, AShortFileFillsOnlyTheWholeRecordsItHolds) {
    keyBindings[1] = {{9, 9, 9}, 3};
    keyBindings[2] = {{7, 7, 7}, 2};
    WriteBindings({{{'W', 0, 0}, 1}, {{'S', 'X', 0}, 2}}, 6);
    LoadUserConfig();
    EXPECT_EQ(keyBindings[0].keys[0], 'W');
    EXPECT_EQ(keyBindings[0].count, 1);
    EXPECT_EQ(keyBindings[1].keys[0], 9) << "a half record must not be read";
    EXPECT_EQ(keyBindings[2].count, 2);
    EXPECT_STREQ(UserConfigDamage(), "file ends inside record 1");
}

TEST_F(BindingsTest, OnlyAWholeTableOfValidRecordsIsUndamaged) {
    const struct {
        size_t bytes;
        const char* damage;
    } cases[] = {{BINDING_COUNT * sizeof(KeyBinding), nullptr},
                 {BINDING_COUNT * sizeof(KeyBinding) + 1, "file runs past the 128 records"},
                 {8, "file ends after 2 of the 128 records"}};
    std::vector<u8> table(BINDING_COUNT * sizeof(KeyBinding) + 1, 1);
    for (const auto& c : cases) {
        ParseUserConfig(table.data(), c.bytes);
        EXPECT_STREQ(UserConfigDamage(), c.damage) << c.bytes;
    }
}

TEST_F(BindingsTest, AMissingFileEndsTheProgramWithAFailureStatus) {
    EXPECT_EXIT(LoadUserConfig(), testing::ExitedWithCode(EXIT_MISSING_DATA), "");
}

TEST_F(BindingsTest, AChordIsDownOnlyWhileAllItsKeysAre) {
    std::vector<KeyBinding> table(BINDING_COUNT, KeyBinding{{'Q', 0, 0}, 1});
    table[ACTION_FASTER] = {{'W', 'E', 0}, 2};
    table[ACTION_SLOWER] = {{'S', 'S', 'S'}, 200}; // a count past three uses the three keys
    table[ACTION_CONSOLE] = {{0, 0, 0}, 0};
    WriteBindings(table, BINDING_COUNT * sizeof(KeyBinding));
    LoadUserConfig();
    EXPECT_STREQ(UserConfigDamage(), "action 1 has 200 keys, at most 3 fit");
    EXPECT_TRUE(IsActionDown(ACTION_CONSOLE)) << "no keys: always held";
    EXPECT_FALSE(IsActionDown(ACTION_FASTER));
    Press('W');
    EXPECT_FALSE(IsActionDown(ACTION_FASTER));
    Press('E');
    EXPECT_TRUE(IsActionDown(ACTION_FASTER));
    Release('W');
    EXPECT_FALSE(IsActionDown(ACTION_FASTER));
    Press('S');
    EXPECT_TRUE(IsActionDown(ACTION_SLOWER));
    EXPECT_FALSE(IsActionDown(BINDING_COUNT));
}

TEST_F(BindingsTest, KeyNamesAreJoinedAndCutToTheBuffer) {
    keyBindings[3] = {{'A', 'B', 0}, 2};
    keyBindings[4] = {{'A', 'B', 'C'}, 9};
    const char* names[256] = {};
    names['A'] = "Alpha";
    names['B'] = "Bravo";
    SetKeyNames(names);
    char text[64] = "Keys: ";
    BindingKeyNames(text, sizeof text, 3, true);
    EXPECT_STREQ(text, "Keys: Alpha + Bravo\n");
    char small[10] = "";
    BindingKeyNames(small, sizeof small, 4, false);
    EXPECT_STREQ(small, "Alpha + B");
}

} // namespace
