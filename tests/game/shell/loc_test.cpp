// LOC files: what loads and what is refused, the fatal exit, a short keyboard file; texts cut
// to their buffers only between characters, and nothing added after a cut.
#include <gtest/gtest.h>
#include <string>

#include "engine/input.h"
#include "game/shell/bindings.h"
#include "game/shell/chat_format.h"
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

const std::string A_UMLAUT = "\xC3\xA4"; // two bytes

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

TEST_F(LocTest, KeyNamesLongerThanTheEngineKeepsEndBetweenCharacters) {
    std::string umlauts;
    for (int i = 0; i < 20; i++) umlauts += A_UMLAUT;
    std::vector<u8> bytes = LocBytes({umlauts, std::string(40, 'x')});
    LocTable keys;
    ASSERT_TRUE(ParseLOC(bytes.data(), bytes.size(), &keys));
    ApplyKeyNameTable(keys);
    FreeLOC(&keys);
    EXPECT_EQ(GetKeyName(0), umlauts.substr(0, 30));
    EXPECT_EQ(GetKeyName(1), std::string(31, 'x'));
    EXPECT_STREQ(GetKeyName(2), "Key 2");
}

TEST_F(LocTest, BindingNamesStopAtTheFirstCut) {
    const char* names[256] = {};
    names['A'] = "ab";
    names['B'] = "\xC3\xA4";
    SetKeyNames(names);
    keyBindings[5] = {{'A', 'B', 0}, 2};
    char text[7] = "";
    BindingKeyNames(text, sizeof text, 5, true);
    EXPECT_STREQ(text, "ab + ") << "no half character, and no line break after it";
}

TEST_F(LocTest, LocalisedFormatsAreCutBetweenCharactersAndStopThere) {
    struct Case {
        size_t capacity;
        const char* format;
        const char* args[3];
        const char* expected;
    };
    const Case cases[] = {
        {2, "\xCF\xAD%s", {""}, ""},                      // a character of the format itself
        {5, "ab%sc", {"\xC3\xA9\xC3\xA9"}, "ab\xC3\xA9"}, // an argument's, nothing after it
        {4, "ab%sc", {"\xC3\xA9\xC3\xA9"}, "ab"},
        {6, "%s", {"\x80\x80\x80\x80\x80\x80\x80"}, "\x80\x80\x80\x80\x80"}, // no characters
        {8, "%s+%s+%s", {"a", "b", "c"}, "a+b+c"}, // all three arguments, uncut
    };
    for (const Case& c : cases) {
        char out[8];
        FormatLoc(out, c.capacity, c.format, c.args[0], c.args[1], c.args[2]);
        EXPECT_STREQ(out, c.expected) << c.capacity << " " << c.format;
    }
}

} // namespace
