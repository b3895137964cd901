// Texts cut to their buffers only between characters, and nothing added after a cut.
#include <gtest/gtest.h>
#include <string>

#include "engine/input.h"
#include "game/shell/bindings.h"
#include "game/shell/chat_format.h"
#include "game/shell/loc.h"
#include "tests/game/shell/shell_data.h"

namespace {

const std::string A_UMLAUT = "\xC3\xA4"; // two bytes

class TextCutTest : public ShellTest {};

TEST_F(TextCutTest, KeyNamesLongerThanTheEngineKeepsEndBetweenCharacters) {
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

TEST_F(TextCutTest, BindingNamesStopAtTheFirstCut) {
    const char* names[256] = {};
    names['A'] = "ab";
    names['B'] = "\xC3\xA4";
    SetKeyNames(names);
    keyBindings[5] = {{'A', 'B', 0}, 2};
    char text[7] = "";
    BindingKeyNames(text, sizeof text, 5, true);
    EXPECT_STREQ(text, "ab + ") << "no half character, and no line break after it";
}

TEST_F(TextCutTest, LocalisedFormatsAreCutBetweenCharactersAndStopThere) {
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
