// Key-binding tables and their readable source: action and key names, chords, exact round
// trips and refused input.
#include <gtest/gtest.h>

#include "tools/assettool/bindings_format.h"

namespace {

KeyNames EnglishSample() {
    std::vector<std::string> names(KEY_CODES);
    names['W'] = "W";
    names['S'] = "S";
    names[38] = "Up";
    names[230] = "Mouse Left";
    names[241] = "Left Shift";
    names[243] = "Left Ctrl";
    names[253] = "Ctrl";
    names[255] = "Shift";
    names[107] = "Num +";
    names[187] = "=";
    names[221] = "+";
    names[100] = "Up"; // a second "Up": written back as "Key 100"
    return KeyNames(names);
}

bool Parse(const std::string& text, BindingTable* out, std::string* error) {
    return ParseBindingsText(reinterpret_cast<const u8*>(text.data()), text.size(), EnglishSample(),
                             out, error);
}

} // namespace

TEST(BindingNames, ActionsAndKeysByName) {
    EXPECT_EQ(ActionName(0), "SpeedUp");
    EXPECT_EQ(ActionName(127), "ConsoleMode");
    EXPECT_EQ(ActionName(40), "Action40");
    EXPECT_EQ(FindAction("speedup"), 0);
    EXPECT_EQ(FindAction("Action40"), 40);
    EXPECT_EQ(FindAction("Action128"), -1);
    EXPECT_EQ(FindAction("Nothing"), -1);
    EXPECT_TRUE(IsGameAction(70));
    EXPECT_FALSE(IsGameAction(19));

    KeyNames keys = EnglishSample();
    EXPECT_EQ(keys.Find("left shift"), 241);
    EXPECT_EQ(keys.Find("Key 65"), 65);
    EXPECT_EQ(keys.Find("Key 256"), -1);
    EXPECT_EQ(keys.Find("Up"), 38);
    EXPECT_EQ(keys.Name(100), "Key 100");
    EXPECT_EQ(keys.Name(12), "Key 12");
    EXPECT_EQ(keys.Name(230), "Mouse Left");
}

TEST(BindingsText, ParsesChordsAndLeavesTheRestUnbound) {
    BindingTable table;
    std::string error;
    ASSERT_TRUE(Parse("# comment\nSpeedUp = W\n  WarpCoreBreach = Ctrl + Shift + Key 66\r\n"
                      "ZoomIn = Num +\nZoomOut = +\nPause = =\nAction40 = Mouse Left\nCloak =\n",
                      &table, &error))
        << error;
    ASSERT_EQ(table.size(), BINDING_ACTIONS);
    EXPECT_EQ(table[0].count, 1);
    EXPECT_EQ(table[0].keys[0], 'W');
    EXPECT_EQ(table[2].count, 3);
    EXPECT_EQ(table[2].keys[0], 253);
    EXPECT_EQ(table[2].keys[1], 255);
    EXPECT_EQ(table[2].keys[2], 66);
    EXPECT_EQ(table[7].keys[0], 107);
    EXPECT_EQ(table[8].keys[0], 221);
    EXPECT_EQ(table[9].keys[0], 187);
    EXPECT_EQ(table[40].keys[0], 230);
    EXPECT_EQ(table[28].count, 0);
    EXPECT_EQ(table[1].count, 0);
}

TEST(BindingsText, ErrorsNameTheLine) {
    BindingTable table;
    std::string error;
    EXPECT_FALSE(Parse("SpeedUp = W\nFlyHigher = S\n", &table, &error));
    EXPECT_EQ(error, "line 2: unknown action 'FlyHigher'");
    EXPECT_FALSE(Parse("SpeedUp = Q\n", &table, &error));
    EXPECT_EQ(error, "line 1: unknown key 'Q'");
    EXPECT_FALSE(Parse("SpeedUp = W\nspeedup = S\n", &table, &error));
    EXPECT_FALSE(Parse("SpeedUp = W + S + Up + Ctrl\n", &table, &error));
    EXPECT_FALSE(Parse("SpeedUp W\n", &table, &error));
    EXPECT_FALSE(Parse("SpeedUp = W + \n", &table, &error));
}

TEST(BindingsBinary, RecordsAreThreeKeysAndACount) {
    BindingTable table(BINDING_ACTIONS);
    table[1] = {{'S', 0, 0}, 1};
    table[127] = {{243, 241, 'W'}, 3};
    std::vector<u8> bytes = WriteBindingsBinary(table);
    ASSERT_EQ(bytes.size(), BINDING_FILE_BYTES);
    EXPECT_EQ(bytes[4], 'S');
    EXPECT_EQ(bytes[7], 1);
    EXPECT_EQ(bytes[508], 243);
    EXPECT_EQ(bytes[511], 3);

    BindingTable back;
    std::string error;
    ASSERT_TRUE(ParseBindingsBinary(bytes.data(), bytes.size(), &back, &error));
    EXPECT_EQ(WriteBindingsBinary(back), bytes);

    EXPECT_FALSE(ParseBindingsBinary(bytes.data(), 511, &back, &error));
    bytes[7] = 4;
    EXPECT_FALSE(ParseBindingsBinary(bytes.data(), bytes.size(), &back, &error));
}

TEST(BindingsText, TextToBinaryToTextIsExact) {
    BindingTable table;
    std::string error;
    ASSERT_TRUE(Parse("SpeedUp = W\nWarpCoreBreach = Ctrl + Shift + Key 66\nAction40 = Key 100\n"
                      "ConsoleMode = Left Ctrl\n",
                      &table, &error));
    KeyNames keys = EnglishSample();
    std::string text = FormatBindingsText(table, keys);
    std::vector<u8> binary = WriteBindingsBinary(table);
    BindingTable fromBinary;
    ASSERT_TRUE(ParseBindingsBinary(binary.data(), binary.size(), &fromBinary, &error));
    EXPECT_EQ(FormatBindingsText(fromBinary, keys), text);
    BindingTable again;
    ASSERT_TRUE(ParseBindingsText(reinterpret_cast<const u8*>(text.data()), text.size(), keys,
                                  &again, &error))
        << error;
    EXPECT_EQ(WriteBindingsBinary(again), binary);
    EXPECT_NE(text.find("WarpCoreBreach        = Ctrl + Shift + Key 66\n"), std::string::npos);
    EXPECT_NE(text.find("Action40              = Key 100\n"), std::string::npos);
    EXPECT_NE(text.find("SlowDown              =\n"), std::string::npos);
}

TEST(BindingsText, KeyNamesHoldingAPlusReadBack) {
    // "Num +" next to a separator reads as "Num + + ..."; every such line must read back as the
    // same keys, in readable or numeric form.
    KeyNames keys = EnglishSample();
    BindingTable table(BINDING_ACTIONS);
    table[2] = Binding{{253, 107, 101}, 3};
    table[3] = Binding{{221, 107, 221}, 3};
    table[4] = Binding{{107, 221}, 2};
    std::string text = FormatBindingsText(table, keys);
    BindingTable again;
    std::string error;
    ASSERT_TRUE(ParseBindingsText(reinterpret_cast<const u8*>(text.data()), text.size(), keys,
                                  &again, &error))
        << error << "\n"
        << text;
    EXPECT_EQ(WriteBindingsBinary(again), WriteBindingsBinary(table));
    EXPECT_NE(text.find("= Ctrl + Num + + Key 101\n"), std::string::npos) << text;

    BindingTable parsed;
    ASSERT_TRUE(Parse("Warp = Num + + W\n", &parsed, &error)) << error;
    EXPECT_EQ(parsed[4].count, 2);
    EXPECT_EQ(parsed[4].keys[0], 107);
    EXPECT_EQ(parsed[4].keys[1], 'W');
    EXPECT_FALSE(Parse("Warp = W + S + W + S\n", &parsed, &error));
    EXPECT_EQ(error, "line 1: more than three keys for 'Warp'");
}
