// LOC files and their readable source: layout, hostile files, escapes and round trips.
#include <gtest/gtest.h>

#include "tools/assettool/loc_format.h"

namespace {

std::vector<u8> Bytes(std::initializer_list<int> values) {
    return std::vector<u8>(values.begin(), values.end());
}

bool ParseText(const std::string& text, LocEntries* out, std::string* error) {
    return ParseLocText(reinterpret_cast<const u8*>(text.data()), text.size(), out, error);
}

} // namespace

TEST(LocBinary, ReadsWhatTheCountAnnouncesAndIgnoresTrailingBytes) {
    LocEntries entries;
    std::string error;
    std::vector<u8> empty = Bytes({0, 0});
    ASSERT_TRUE(ParseLocBinary(empty.data(), empty.size(), &entries, &error));
    EXPECT_TRUE(entries.empty());
    std::vector<u8> two = Bytes({2, 0, 0, 0, 3, 0, 'a', '\n', 'b', 0xEE, 0xFF});
    ASSERT_TRUE(ParseLocBinary(two.data(), two.size(), &entries, &error)) << error;
    EXPECT_EQ(entries, (LocEntries{"", "a\nb"}));

    for (const std::vector<u8>& bad :
         {Bytes({}), Bytes({1}), Bytes({1, 0}), Bytes({1, 0, 5}), Bytes({1, 0, 5, 0, 'a', 'b'}),
          Bytes({0xFF, 0xFF}), Bytes({1, 0, 0xFF, 0xFF}),
          Bytes({0xFF, 0x7F, 0, 0})}) { // a huge count in a tiny file reserves nothing
        error.clear();
        EXPECT_FALSE(ParseLocBinary(bad.data(), bad.size(), &entries, &error)) << bad.size();
        EXPECT_FALSE(error.empty());
    }
}

TEST(LocText, ParsesEntriesCommentsAndEscapesAndErrorsNameTheLine) {
    LocEntries entries;
    std::string error;
    std::string source = "\xEF\xBB\xBF# header\n\n0 = Resolution\r\n  1=Two\\nlines\n"
                         "2 =\n3 = \\x20padded\\x20\n# end\n4 = a\\\\b\\tc <c red>x</c> \xC3\xA9";
    ASSERT_TRUE(ParseText(source, &entries, &error)) << error;
    EXPECT_EQ(entries, (LocEntries{"Resolution", "Two\nlines", "", " padded ",
                                   "a\\b\tc <c red>x</c> \xC3\xA9"}));
    const std::pair<const char*, const char*> cases[] = {
        {"0 = a\n2 = b\n", "line 2: entry 1 expected, found 2"},
        {"0 = a\n\n1 = bad \\q\n", "line 3: unknown escape '\\q'"},
        {"0 = ends in \\", "line 1: line ends in a lone backslash"},
        {"0 = \\x4", "line 1: \\x needs two hexadecimal digits"},
        {"zero = a", "line 1: expected \"INDEX = TEXT\""},
        {"0 a", "line 1: expected '=' after the index"},
        {"0 = bad \xC3 utf8", "line 1: text is not valid UTF-8"},
        {"123456 = too long an index", "line 1: index too long"}};
    for (const auto& [source, message] : cases) {
        LocEntries entries;
        std::string error;
        EXPECT_FALSE(ParseText(source, &entries, &error)) << source;
        EXPECT_EQ(error, message);
    }
}

// Any bytes survive text and binary form; the canonical text is stable.
TEST(LocText, AnyBytesRoundTripThroughTextAndBinary) {
    LocEntries original = {"",     " lead",           "trail ", "\\n literal",
                           "\r\n", "#not a comment",  "x = y",  std::string("nul\0byte", 8),
                           " ",    "\xFF\xFE invalid"};
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    original.push_back(all);
    std::string text = FormatLocText(original);
    LocEntries back;
    std::string error;
    ASSERT_TRUE(ParseText(text, &back, &error)) << error;
    EXPECT_EQ(back, original);
    EXPECT_EQ(FormatLocText(back), text);
}
