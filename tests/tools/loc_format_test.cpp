// LOC files and their readable source: the binary layout, hostile files, escapes and exact
// round trips of any bytes.
#include <gtest/gtest.h>

#include "tools/assettool/loc_format.h"

namespace {

std::vector<u8> Bytes(std::initializer_list<int> values) {
    std::vector<u8> out;
    for (int v : values) out.push_back(u8(v));
    return out;
}

bool ParseText(const std::string& text, LocEntries* out, std::string* error) {
    return ParseLocText(reinterpret_cast<const u8*>(text.data()), text.size(), out, error);
}

} // namespace

TEST(LocBinary, ReadsCountsLengthsAndIgnoresTrailingBytes) {
    LocEntries entries;
    std::string error;
    std::vector<u8> empty = Bytes({0, 0});
    ASSERT_TRUE(ParseLocBinary(empty.data(), empty.size(), &entries, &error));
    EXPECT_TRUE(entries.empty());

    std::vector<u8> two = Bytes({2, 0, 0, 0, 3, 0, 'a', '\n', 'b', 0xEE, 0xFF});
    ASSERT_TRUE(ParseLocBinary(two.data(), two.size(), &entries, &error)) << error;
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], "");
    EXPECT_EQ(entries[1], "a\nb");
}

TEST(LocBinary, RefusesFilesThatDoNotHoldWhatTheyAnnounce) {
    LocEntries entries;
    std::string error;
    for (const std::vector<u8>& bad :
         {Bytes({}), Bytes({1}), Bytes({1, 0}), Bytes({1, 0, 5}), Bytes({1, 0, 5, 0, 'a', 'b'}),
          Bytes({0xFF, 0xFF}), Bytes({1, 0, 0xFF, 0xFF})}) {
        error.clear();
        EXPECT_FALSE(ParseLocBinary(bad.data(), bad.size(), &entries, &error)) << bad.size();
        EXPECT_FALSE(error.empty());
    }
    // A huge count in a tiny file fails without reserving room for it.
    std::vector<u8> claim = Bytes({0xFF, 0x7F, 0, 0});
    EXPECT_FALSE(ParseLocBinary(claim.data(), claim.size(), &entries, &error));
}

TEST(LocBinary, WriterLaysOutCountAndRecords) {
    std::vector<u8> out;
    std::string error;
    ASSERT_TRUE(WriteLocBinary({"", "Hi"}, &out, &error));
    EXPECT_EQ(out, Bytes({2, 0, 0, 0, 2, 0, 'H', 'i'}));
    EXPECT_FALSE(WriteLocBinary({std::string(32768, 'x')}, &out, &error));
    EXPECT_FALSE(WriteLocBinary(LocEntries(32768), &out, &error));
}

TEST(LocText, ParsesEntriesCommentsAndEscapes) {
    LocEntries entries;
    std::string error;
    std::string source = "\xEF\xBB\xBF# header\n\n0 = Resolution\r\n  1=Two\\nlines\n"
                         "2 =\n3 = \\x20padded\\x20\n# end\n4 = a\\\\b\\tc <c red>x</c> \xC3\xA9";
    ASSERT_TRUE(ParseText(source, &entries, &error)) << error;
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0], "Resolution");
    EXPECT_EQ(entries[1], "Two\nlines");
    EXPECT_EQ(entries[2], "");
    EXPECT_EQ(entries[3], " padded ");
    EXPECT_EQ(entries[4], "a\\b\tc <c red>x</c> \xC3\xA9");
}

TEST(LocText, ErrorsNameTheLine) {
    LocEntries entries;
    std::string error;
    EXPECT_FALSE(ParseText("0 = a\n2 = b\n", &entries, &error));
    EXPECT_EQ(error, "line 2: entry 1 expected, found 2");
    EXPECT_FALSE(ParseText("0 = a\n\n1 = bad \\q\n", &entries, &error));
    EXPECT_EQ(error.rfind("line 3:", 0), 0u) << error;
    EXPECT_FALSE(ParseText("0 = ends in \\", &entries, &error));
    EXPECT_FALSE(ParseText("0 = \\x4", &entries, &error));
    EXPECT_FALSE(ParseText("zero = a", &entries, &error));
    EXPECT_FALSE(ParseText("0 a", &entries, &error));
    EXPECT_FALSE(ParseText("0 = bad \xC3 utf8", &entries, &error));
    EXPECT_FALSE(ParseText("123456 = too long an index", &entries, &error));
}

TEST(LocText, AnyBytesSurviveFormatAndParse) {
    LocEntries original = {"",
                           " lead",
                           "trail ",
                           "\\n literal",
                           "tab\there",
                           "line\nbreak",
                           "\r\n",
                           std::string("nul\0byte", 8),
                           "\xFF\xFE invalid",
                           "caf\xC3\xA9 \xE2\x80\x94 ok",
                           "#not a comment",
                           "x = y",
                           " "};
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    original.push_back(all);
    std::string text = FormatLocText(original);
    LocEntries back;
    std::string error;
    ASSERT_TRUE(ParseText(text, &back, &error)) << error;
    EXPECT_EQ(back, original);
    // The canonical text is stable: formatting what was parsed gives the same text.
    EXPECT_EQ(FormatLocText(back), text);
}

TEST(LocText, BinaryRoundTripIsExact) {
    LocEntries entries = {"Start", "Zweite\nZeile",
                          "\xC4\x8C"
                          "e\xC5\xA1tina"};
    std::vector<u8> binary;
    std::string error;
    ASSERT_TRUE(WriteLocBinary(entries, &binary, &error));
    LocEntries back;
    ASSERT_TRUE(ParseLocBinary(binary.data(), binary.size(), &back, &error));
    std::string text = FormatLocText(back);
    LocEntries again;
    ASSERT_TRUE(ParseText(text, &again, &error));
    std::vector<u8> binaryAgain;
    ASSERT_TRUE(WriteLocBinary(again, &binaryAgain, &error));
    EXPECT_EQ(binaryAgain, binary);
}
