// The colour-tag grammar: tag forms, colour names, the alpha rule, the switch, byte counts.
#include <gtest/gtest.h>
#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "engine/loop.h"
#include "engine/utils.h"
#include "graphics/markup.h"

namespace {

const f32 DEFAULT_COLOR[4] = {0.2f, 0.4f, 0.6f, 1.0f};

struct Parsed {
    int length;
    f32 color[4];
};

Parsed Parse(const std::string& text, const f32* defaultColor = DEFAULT_COLOR) {
    Parsed p{0, {-1, -1, -1, -1}};
    p.length = ParseMarkupTag(text.c_str(), -1, defaultColor, p.color);
    return p;
}

void ExpectColor(const Parsed& p, int r, int g, int b, int a, const std::string& text) {
    const int want[4] = {r, g, b, a};
    for (int i = 0; i < 4; i++) EXPECT_NEAR(p.color[i] * 255, want[i], 0.01) << text << " " << i;
}

class MarkupTest : public ::testing::Test {
  protected:
    void SetUp() override { EngineEnable(ENGINE_TEXT_MARKUP); }
    void TearDown() override { EngineEnable(ENGINE_TEXT_MARKUP); }
};

} // namespace

// Closing tags give the default colour, named ones their colour. Component tags: missing ones are
// 0, hex and octal numbers, the low 8 bits of large or negative ones. Packed tags are AABBGGRR, the
// later digits in either case.
TEST_F(MarkupTest, ComponentPackedAndNamedTags) {
    const std::string chat = StrFormat("<c %.8X>", MakeRGBA(10, 20, 30, 255));
    const std::tuple<std::string, std::array<int, 4>> cases[] = {
        {"<color 255,128>", {255, 128, 0, 255}}, {"<color 0xF,010,255>", {15, 8, 255, 255}},
        {"<color 300>", {44, 0, 0, 255}},        {"<color -1>", {255, 0, 0, 255}},
        {"<c FF0000FF>", {255, 0, 0, 255}},      {"<c 80FF0011>", {0x11, 0, 0xFF, 0x80}},
        {"<c 8000ff00>", {0, 0xFF, 0, 0x80}},    {chat, {10, 20, 30, 255}},
        {"</c>", {51, 102, 153, 255}},           {"<color default>", {51, 102, 153, 255}},
        {"<c orange>", {255, 128, 0, 255}}};
    for (const auto& [tag, colour] : cases) {
        Parsed p = Parse(tag + "x");
        EXPECT_EQ(p.length, int(tag.size())) << tag;
        ExpectColor(p, colour[0], colour[1], colour[2], colour[3], tag);
    }
    // The alpha of a component tag is all or nothing: 0.5 gives 0, above 1 gives 1.
    const f32 halfAlpha[4] = {1, 1, 1, 0.5f}, overOne[4] = {1, 1, 1, 1.5f};
    ExpectColor(Parse("<color 255,0,0>", halfAlpha), 255, 0, 0, 0, "alpha 0.5");
    ExpectColor(Parse("<color 255,0,0>", overOne), 255, 0, 0, 255, "alpha above 1");
}

TEST_F(MarkupTest, ColourNamesAreExactAndLowerCase) {
    EXPECT_EQ(ColorByName("Red", 3), 0u);
    EXPECT_EQ(ColorByName("redx", 3), MakeRGB(255, 0, 0));
    EXPECT_EQ(ColorByName("", 0), 0u);
    EXPECT_EQ(ColorByName(nullptr, 3), 0u);
}

TEST_F(MarkupTest, MalformedTagsAreText) {
    const std::string farClose = "<c " + std::string(27, 'r') + ">";
    for (const char* bad : {"<color 1,2,3,4>", "<color ,1>",    "<color 1000>", "<color 0x1F>",
                            "<color 1,>",      "<color >",      "<color 1,2",   "<color 12",
                            "<Color 1>",       "<color1>",      "<c ff0000ff>", "<c FF0000FF",
                            "<c FF0000F>",     "<c FF0000FFF>", "<c Red>",      "<c >",
                            "<c reds>",        "<c red",        "<cred>",       farClose.c_str()})
        EXPECT_EQ(Parse(bad).length, 0) << bad;
}

TEST_F(MarkupTest, LengthFollowsTheEngineSwitchAndTheByteCount) {
    EXPECT_EQ(MarkupTagLength("<c red>x"), 7);
    EXPECT_EQ(MarkupTagLength("x<c red>"), 0);
    EXPECT_EQ(MarkupTagLength(nullptr), 0);
    EngineDisable(ENGINE_TEXT_MARKUP);
    EXPECT_EQ(MarkupTagLength("<c red>x"), 0);
    const std::vector<i32> entries = {'<', 'c', ' ', 'r', 'e', 'd', '>'};
    EXPECT_EQ(MarkupTagLength32(entries.data(), 7), 0);
    f32 color[4];
    EXPECT_EQ(ParseMarkupTag("<c red>", -1, DEFAULT_COLOR, color), 7); // the grammar itself
    EngineSetf(ENGINE_TEXT_MARKUP, 1.0f);
    EXPECT_EQ(MarkupTagLength("<c red>x"), 7);
    // Tags must lie within the byte count.
    const std::tuple<const char*, int, int> cases[] = {
        {"<c red>", 6, 0},       {"<c red>", 7, 7},      {"<c red>", 0, 0},
        {"<c FF0000FF>", 11, 0}, {"<color 1,2>", 10, 0}, {"<c re\0d>", 9, 0}}; // \0 ends the text
    for (auto [text, count, length] : cases)
        EXPECT_EQ(MarkupTagLengthN(text, count), length) << text;
}
