// Key-binding tables and their readable source: names, chords, round trips and refused input.
#include <gtest/gtest.h>
#include <tuple>

#include "tools/assettool/bindings_format.h"

namespace {

// A second "Up" (100) is written back as "Key 100".
KeyNames EnglishSample() {
    const std::pair<int, const char*> named[] = {
        {'W', "W"},         {'S', "S"},    {38, "Up"},     {230, "Mouse Left"}, {241, "Left Shift"},
        {243, "Left Ctrl"}, {253, "Ctrl"}, {255, "Shift"}, {107, "Num +"},      {187, "="},
        {221, "+"},         {60, "+ +"},   {100, "Up"}};
    std::vector<std::string> names(KEY_CODES);
    for (auto [code, name] : named) names[size_t(code)] = name;
    return KeyNames(names);
}

bool Parse(const std::string& text, BindingTable* out, std::string* error) {
    return ParseBindingsText(reinterpret_cast<const u8*>(text.data()), text.size(), EnglishSample(),
                             out, error);
}

std::vector<u8> Keys(const Binding& b) {
    return std::vector<u8>(b.keys, b.keys + b.count);
}

} // namespace

// Key names holding a plus ("Num +", "+") are keys, not separators; unlisted actions stay unbound.
TEST(BindingsText, ParsesNamesAndChordsAndLeavesTheRestUnbound) {
    BindingTable table;
    std::string error;
    ASSERT_TRUE(Parse("# comment\nSpeedUp = W\n  WarpCoreBreach = Ctrl + Shift + Key 66\r\n"
                      "ZoomIn = Num +\nZoomOut = +\nPause = =\nAction40 = Mouse Left\nCloak =\n"
                      "Warp = Num + + W\n",
                      &table, &error))
        << error;
    ASSERT_EQ(table.size(), BINDING_ACTIONS);
    const std::pair<size_t, std::vector<u8>> expected[] = {
        {0, {'W'}}, {1, {}},  {2, {253, 255, 66}}, {4, {107, 'W'}}, {7, {107}}, {8, {221}},
        {9, {187}}, {28, {}}, {40, {230}}};
    for (const auto& [action, keys] : expected) EXPECT_EQ(Keys(table[action]), keys) << action;
    // Action and key names, case-insensitive, or by number.
    EXPECT_EQ(ActionName(40), "Action40");
    EXPECT_EQ(std::tuple(FindAction("speedup"), FindAction("Action40"), FindAction("Action128")),
              std::tuple(0, 40, -1));
    KeyNames keys = EnglishSample();
    EXPECT_EQ(std::tuple(keys.Find("left shift"), keys.Find("Key 65"), keys.Find("Key 256"),
                         keys.Find("Up")),
              std::tuple(241, 65, -1, 38));
    EXPECT_EQ(keys.Name(100), "Key 100");
}

TEST(BindingsText, ErrorsNameTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"SpeedUp = W\nFlyHigher = S\n", "line 2: unknown action 'FlyHigher'"},
        {"SpeedUp = Q\n", "line 1: unknown key 'Q'"},
        {"Warp = W + S + W + S\n", "line 1: more than three keys for 'Warp'"},
        {"SpeedUp = W\nspeedup = S\n", "line 2: action 'speedup' bound twice"},
        {"SpeedUp W\n", "line 1: expected \"Action = Key + Key\""},
        {"SpeedUp = W + \n", "line 1: unknown key 'W +'"}};
    for (const auto& [source, message] : cases) {
        BindingTable table;
        std::string error;
        EXPECT_FALSE(Parse(source, &table, &error)) << source;
        EXPECT_EQ(error, message);
    }
}

// Text -> table -> binary -> table -> text is exact, chords of key names holding a plus included.
TEST(BindingsText, TextToBinaryToTextIsExact) {
    BindingTable table;
    std::string error;
    ASSERT_TRUE(Parse("SpeedUp = W\nWarpCoreBreach = Ctrl + Shift + Key 66\nAction40 = Key 100\n"
                      "ConsoleMode = Left Ctrl\n",
                      &table, &error));
    table[3] = Binding{{221, 107, 221}, 3};
    table[4] = Binding{{107, 221}, 2};
    table[5] = Binding{{253, 107, 101}, 3};
    table[6] = Binding{{60, 221}, 2}; // "+ + + +" would read back as "+" and "+ +"
    KeyNames keys = EnglishSample();
    std::string text = FormatBindingsText(table, keys);
    std::vector<u8> binary = WriteBindingsBinary(table);
    BindingTable fromBinary;
    ASSERT_TRUE(ParseBindingsBinary(binary.data(), binary.size(), &fromBinary, &error));
    EXPECT_EQ(FormatBindingsText(fromBinary, keys), text);
    BindingTable again;
    ASSERT_TRUE(Parse(text, &again, &error)) << error << "\n" << text;
    EXPECT_EQ(WriteBindingsBinary(again), binary);
    for (const char* line :
         {"WarpCoreBreach        = Ctrl + Shift + Key 66\n", "Action40              = Key 100\n",
          "SlowDown              =\n", "= Ctrl + Num + + Key 101\n", "= Key 60 + Key 221\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " missing from\n" << text;
}
