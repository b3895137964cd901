// LOC files: what loads and what is refused, the fatal exit, a short keyboard file.
#include <gtest/gtest.h>

#include "engine/input.h"
#include "game/shell/loc.h"
#include "game/shell/startup.h"
#include "tests/game/shell/shell_data.h"

namespace {

struct LocCase {
    const char* what;
    std::vector<u8> bytes;
    bool loads;
    Texts entries;
    const char* reason = nullptr; // why a refused file is refused
};

class LocTest : public ShellTest {};

TEST_F(LocTest, LoadsWhatTheRecordsHoldAndRefusesWhatTheyDoNot) {
    std::vector<u8> trailing = LocBytes({"ab", ""});
    trailing.insert(trailing.end(), {0xFF, 0xFF, 0x7F});
    std::vector<u8> cut = LocBytes({"hello"});
    cut.pop_back();
    const LocCase cases[] = {
        {"empty table", {0, 0}, true, {}},
        {"zero-length entry", LocBytes({"", "x"}), true, {"", "x"}},
        {"bytes after the records", trailing, true, {"ab", ""}},
        {"markup and line breaks kept", LocBytes({"<c red>a</c>\nb"}), true, {"<c red>a</c>\nb"}},
        {"text cut short", cut, false, {}, "file ends inside a record"},
        {"fewer records than counted", {3, 0, 1, 0, 'a'}, false, {}, "file ends inside a record"},
        {"negative count", {0xFF, 0xFF}, false, {}, "negative record count"},
        {"negative length", {1, 0, 0xFE, 0xFF, 'a'}, false, {}, "negative record length"},
        {"no count", {7}, false, {}, "file ends inside the record count"},
    };
    for (const LocCase& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile("t.loc", c.bytes);
        LocTable table;
        ASSERT_EQ(TryLoadLOC("t.loc", &table), c.loads);
        if (!c.loads) {
            EXPECT_STREQ(LocFailureReason(), c.reason);
        }
        ASSERT_EQ(table.count, i32(c.entries.size()));
        for (size_t i = 0; i < c.entries.size(); i++) {
            EXPECT_EQ(table.entries[i], c.entries[i]);
        }
        if (c.loads) {
            EXPECT_EQ(table.entries[table.count], nullptr);
        }
        EXPECT_STREQ(LocText(table, u32(c.entries.size())), "");
        FreeLOC(&table);
        EXPECT_EQ(table.entries, nullptr);
    }
    EXPECT_FALSE(TryLoadLOC("missing.loc", &gameText));
    EXPECT_STREQ(GameText(0), "");
}

TEST_F(LocTest, AnUnreadableFileEndsTheProgramWithAFailureStatus) {
    WriteFile("cut.loc", {2, 0, 1, 0});
    for (const char* path : {"missing.loc", "cut.loc"}) {
        SCOPED_TRACE(path);
        EXPECT_EXIT(LoadLOC(path, &gameText), testing::ExitedWithCode(EXIT_MISSING_DATA), "");
    }
}

TEST_F(LocTest, AShortKeyboardFileNamesOnlyTheKeysItHolds) {
    WriteLanguage("fin");
    ApplyKeyNames(LanguageFile(7, "keyboard.loc"));
    EXPECT_STREQ(GetKeyName(65), "fin A");
    EXPECT_STREQ(GetKeyName(66), "fin B");
    EXPECT_STREQ(GetKeyName(200), "Key 200");
    EXPECT_STREQ(LanguageFile(99, "menu.loc"), "Texts/eng/menu.loc");
}

} // namespace
