// Text entry: formats, limits, UTF-8 editing, selection, the clipboard and hostile input.
#include <string>

#include "tests/gui/gui_fixture.h"

class TextBoxTest : public GUITest {
  protected:
    void SetUp() override {
        GUITest::SetUp();
        MakeSheet("S");
        CreateControl("TextBox", "t", "S", 10, 10, 200, 20);
        SetProperty("t", "Text", "");
        ClickAt(20, 20);
    }
    i32 Caret() { return Get<i32>("t", "cPos"); }
    i32 Selection() { return Get<i32>("t", "nSel"); }
    // A point on the text's line: it starts 2 units inside the box (x 12), each glyph 8 wide.
    void ClickGlyph(int column, int offset) { ClickAt(12 + 8 * column + offset, 20); }
    void DragGlyphs(int from, int to) { Drag(12 + 8 * from, 20, 12 + 8 * to, 20); }
};

TEST_F(TextBoxTest, SetTextIsCleanedAndHeldToTheFormatAndLength) {
    const struct {
        u32 format, maxLen;
        std::string set, expected;
    } cases[] = {
        {0, 0, "a\tb\nc\r\nd", "a b|c||d"}, // line breaks become bars, tabs spaces
        // Every byte that is not part of a whole character becomes U+FFFD.
        {0, 0, "ok\xC3(\xFF\x80\xE2\x82", "ok\xEF\xBF\xBD(\xEF\xBF\xBD\xEF\xBF\xBD"},
        {0, 3, "\xC3\xA9\xC3\xA9xyz", "\xC3\xA9\xC3\xA9x"}, // characters, not bytes
        {1, 0, "007", ""},                                  // no leading zero in an integer
        {2, 0, "1.2.3", ""},                                // one dot in a float
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.set);
        SetPropertyValue("t", "Format", c.format);
        SetPropertyValue("t", "MaxLen", c.maxLen);
        SetProperty("t", "Text", c.set.c_str());
        EXPECT_EQ(Text("t"), c.expected);
    }
}

TEST_F(TextBoxTest, TypingFollowsTheFormatAndTheLength) {
    const struct {
        u32 format, maxLen;
        const char *start, *typed, *expected;
        bool selectAll;
    } cases[] = {
        {1, 0, "", "01x0", "10", false},               // integer: digits, no leading zero
        {2, 0, "", "05.5.", "0.5", false},             // float: one dot, no zero before a digit
        {0, 0, "a b", "\t", "a b", false},             // control characters are not typed
        {0, 3, "\xC3\xA9", "xy", "\xC3\xA9xy", false}, // the limit counts characters
        {0, 3, "\xC3\xA9\xC3\xA9x", "q", "\xC3\xA9\xC3\xA9x", false}, // full
        {0, 3, "\xC3\xA9\xC3\xA9x", "z", "z", true}, // typing over a selection replaces it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        SetPropertyValue("t", "Format", c.format);
        SetPropertyValue("t", "MaxLen", c.maxLen);
        SetProperty("t", "Text", c.start);
        if (c.selectAll) Ctrl('A');
        Type(c.typed);
        EXPECT_EQ(Text("t"), c.expected);
    }
}

TEST_F(TextBoxTest, BackspaceAndDeleteRemoveWholeCharacters) {
    SetProperty("t", "Text", "a\u20ACb"); // a, euro sign, b
    Key(VK_LEFT);
    Key(VK_BACK);
    EXPECT_EQ(Text("t"), "ab");
    EXPECT_EQ(Caret(), 1);
    SetProperty("t", "Text", "x\xF0\x9F\x9A\x80y"); // a four-byte character
    SetPropertyValue("t", "cPos", 1);
    Key(VK_DELETE);
    EXPECT_EQ(Text("t"), "xy");
}

TEST_F(TextBoxTest, ShiftArrowsMoveTheSelectionsFreeEndAndControlKeysUseIt) {
    SetProperty("t", "Text", "abcdef");
    SetPropertyValue("t", "cPos", 3);
    Shift(VK_LEFT);
    Shift(VK_LEFT);
    EXPECT_EQ(Caret(), 3);
    EXPECT_EQ(Selection(), -2);
    Shift(VK_RIGHT);
    EXPECT_EQ(Selection(), -1);
    Key(VK_LEFT); // collapses to the near end
    EXPECT_EQ(Caret(), 2);
    EXPECT_EQ(Selection(), 0);
    Shift(VK_RIGHT);
    Shift(VK_RIGHT);
    Key(VK_RIGHT); // and to the far end
    EXPECT_EQ(Caret(), 4);
    for (int i = 0; i < 10; i++) Shift(VK_RIGHT); // never past the end
    EXPECT_EQ(Caret() + Selection(), 6);
    // The control keys select all, copy, cut and paste.
    SetProperty("t", "Text", "alpha beta");
    Ctrl('A');
    EXPECT_EQ(Caret(), 0);
    EXPECT_EQ(Selection(), 10);
    Ctrl('C');
    EXPECT_EQ(fake::Clipboard(), "alpha beta");
    SetPropertyValue("t", "cPos", 6);
    SetPropertyValue("t", "nSel", 0);
    Shift(VK_RIGHT);
    Shift(VK_RIGHT);
    Ctrl('X');
    EXPECT_EQ(fake::Clipboard(), "be");
    EXPECT_EQ(Text("t"), "alpha ta");
    fake::Clipboard() = "one\ntwo";
    Ctrl('V');
    EXPECT_EQ(Text("t"), "alpha one|twota");
    EXPECT_EQ(Caret(), 13);
}

TEST_F(TextBoxTest, HugePastesStopAtTheLimitAndCaretPropertiesStayInside) {
    fake::Clipboard() = std::string(1 << 20, 'x');
    Ctrl('V');
    EXPECT_EQ(GetProperty("t", "Text", nullptr), 65536);
    Type("y"); // full: nothing more goes in
    EXPECT_EQ(GetProperty("t", "Text", nullptr), 65536);
    DrawGUI();
    // Caret and selection properties are kept inside the text and on character boundaries.
    SetProperty("t", "Text", "\xC3\xA9t\xC3\xA9");
    SetPropertyValue("t", "cPos", u32(-50));
    SetPropertyValue("t", "nSel", 1000);
    Type("x");
    EXPECT_EQ(Text("t"), "x");
    SetProperty("t", "Text", "\xC3\xA9t\xC3\xA9");
    SetPropertyValue("t", "cPos", 1); // inside the first character
    SetPropertyValue("t", "nSel", 0);
    Type("y");
    EXPECT_EQ(Text("t"), "y\xC3\xA9t\xC3\xA9");
    DrawGUI();
}

TEST_F(TextBoxTest, MouseClickPlacesTheCaretDragAndDoubleClickSelect) {
    SetProperty("t", "Text", "abcdefgh");
    ClickGlyph(3, 3); // left half of "d": before it
    EXPECT_EQ(Caret(), 3);
    fake::AdvanceTime(500); // not a double click
    ClickGlyph(3, 5);       // right half: after it
    EXPECT_EQ(Caret(), 4);
    fake::AdvanceTime(500);
    DragGlyphs(1, 5);
    EXPECT_EQ(Caret(), 1);
    EXPECT_EQ(Selection(), 4);
    // A double click selects the word around the caret.
    fake::AdvanceTime(500);
    SetProperty("t", "Text", "fire at-will now");
    ClickGlyph(9, 0); // inside "will", after "at-"
    fake::AdvanceTime(100);
    ClickGlyph(9, 0);
    EXPECT_EQ(Caret(), 12);
    EXPECT_EQ(Selection(), -4);
}

// The multi-line box: Enter inserts newlines, Up and Down keep the column, long text scrolls.
TEST_F(TextBoxTest, MultiLineBoxKeepsNewlinesMovesBetweenLinesAndScrolls) {
    CreateControl("MLTextBox", "m", "S", 10, 40, 200, 100);
    SetProperty("m", "Text", "");
    ClickAt(20, 50);
    Type("ab");
    Key(VK_RETURN);
    Type("c");
    Send(fake::KeyDown(VK_RETURN, 0, true)); // keypad Enter
    Send(fake::KeyUp(VK_RETURN, 0, true));
    EXPECT_EQ(Text("m"), "ab\nc\n");
    SetProperty("m", "Text", "abcdef\nxy\nlong line");
    SetPropertyValue("m", "cPos", 4); // after "abcd"
    // "xy" is shorter: its end; then column 2 of "long line"; up stops at the first line.
    for (auto [key, caret] :
         {std::pair{VK_DOWN, 9}, {VK_DOWN, 12}, {VK_UP, 9}, {VK_UP, 2}, {VK_UP, 2}}) {
        Key(key);
        EXPECT_EQ(Get<i32>("m", "cPos"), caret);
    }

    DrawGUI();
}
