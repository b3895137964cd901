// Text entry: the input formats, the length limit, line breaks and tabs, UTF-8 editing,
// selection by keys, mouse and double click, the clipboard keys, hostile input, and the
// multi-line box's newlines, vertical caret moves and scrolling.
#include <string>

#include "tests/gui/gui_fixture.h"

namespace {
int changes = 0;
void OnChange() {
    changes++;
}
} // namespace

class TextBoxTest : public GUITest {
  protected:
    void SetUp() override {
        GUITest::SetUp();
        MakeSheet("S");
        CreateControl("TextBox", "t", "S", 10, 10, 200, 20);
        SetProperty("t", "Text", "");
        changes = 0;
        ClickAt(20, 20);
    }
    i32 Caret() { return Get<i32>("t", "cPos"); }
    i32 Selection() { return Get<i32>("t", "nSel"); }
    void Ctrl(u32 key) {
        Send(fake::KeyDown(VK_CONTROL));
        Key(key);
        Send(fake::KeyUp(VK_CONTROL));
    }
    void Shift(u32 key) {
        Send(fake::KeyDown(VK_SHIFT, 0x2A));
        Key(key);
        Send(fake::KeyUp(VK_SHIFT, 0x2A));
    }
};

TEST_F(TextBoxTest, IntegerFormatRefusesALeadingZeroAndNonDigits) {
    SetPropertyValue("t", "Format", 1);
    Type("0");
    EXPECT_EQ(Text("t"), "");
    Type("1x0");
    EXPECT_EQ(Text("t"), "10");
    SetProperty("t", "Text", "007"); // set text follows the same rules
    EXPECT_EQ(Text("t"), "");
}

TEST_F(TextBoxTest, FloatFormatTakesOneDotAndNoZeroBeforeADigit) {
    SetPropertyValue("t", "Format", 2);
    Type("0");
    Type("5");
    EXPECT_EQ(Text("t"), "0");
    Type(".5.");
    EXPECT_EQ(Text("t"), "0.5");
    SetProperty("t", "Text", "1.2.3");
    EXPECT_EQ(Text("t"), "");
}

TEST_F(TextBoxTest, MaxLenCountsCharactersNotBytes) {
    SetPropertyValue("t", "MaxLen", 3);
    SetProperty("t", "Text", "abcdef");
    EXPECT_EQ(Text("t"), "abc");
    SetProperty("t", "Text", "\xC3\xA9\xC3\xA9xyz"); // two e-acutes and x
    EXPECT_EQ(Text("t"), "\xC3\xA9\xC3\xA9x");
    Type("q");
    EXPECT_EQ(Text("t"), "\xC3\xA9\xC3\xA9x");
    // Typing over a selection in a full box replaces it.
    Ctrl('A');
    Type("z");
    EXPECT_EQ(Text("t"), "z");
}

TEST_F(TextBoxTest, LineBreaksBecomeBarsAndTabsSpaces) {
    SetProperty("t", "Text", "a\tb\nc\r\nd");
    EXPECT_EQ(Text("t"), "a b|c||d");
    Send(fake::KeyDown(VK_TAB));
    Send(fake::Char('\t')); // control characters are not typed
    Send(fake::KeyUp(VK_TAB));
    EXPECT_EQ(Text("t"), "a b|c||d");
}

TEST_F(TextBoxTest, SettingTextRunsChangeOnceAndTypingNever) {
    SetEventFn("t", "Change", OnChange);
    SetProperty("t", "Text", "hello");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Caret(), 5);
    Type("abc");
    Key(VK_BACK);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Text("t"), "helloab");
}

TEST_F(TextBoxTest, BackspaceAndDeleteRemoveWholeCharacters) {
    SetProperty("t", "Text",
                "a\xE2\x82\xAC"
                "b"); // a, euro sign, b
    Key(VK_LEFT);
    Key(VK_BACK);
    EXPECT_EQ(Text("t"), "ab");
    EXPECT_EQ(Caret(), 1);
    SetProperty("t", "Text", "x\xF0\x9F\x9A\x80y"); // a four-byte character
    SetPropertyValue("t", "cPos", 1);
    Key(VK_DELETE);
    EXPECT_EQ(Text("t"), "xy");
}

TEST_F(TextBoxTest, ShiftArrowsMoveTheSelectionsFreeEnd) {
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
}

TEST_F(TextBoxTest, ControlKeysSelectCopyCutAndPaste) {
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

TEST_F(TextBoxTest, InvalidUTF8AndHugePastesAreTakenSafely) {
    std::string hostile = "ok\xC3(\xFF\x80\xE2\x82";
    SetProperty("t", "Text", hostile.c_str());
    // Every byte that is not part of a whole character becomes U+FFFD.
    EXPECT_EQ(Text("t"), "ok\xEF\xBF\xBD(\xEF\xBF\xBD\xEF\xBF\xBD");
    fake::Clipboard() = std::string(1 << 20, 'x');
    Ctrl('A');
    Ctrl('V');
    EXPECT_EQ(GetProperty("t", "Text", nullptr), 65536);
    Type("y"); // full: nothing more goes in
    EXPECT_EQ(GetProperty("t", "Text", nullptr), 65536);
    DrawGUI();
}

TEST_F(TextBoxTest, CaretAndSelectionPropertiesAreKeptInsideTheText) {
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

TEST_F(TextBoxTest, MouseClickPlacesTheCaretAndDragSelects) {
    SetProperty("t", "Text", "abcdefgh");
    // The text starts 2 units inside the box (x 12); each glyph is 8 wide.
    ClickAt(12 + 8 * 3 + 3, 20); // left half of "d": before it
    EXPECT_EQ(Caret(), 3);
    fake::AdvanceTime(500);      // not a double click
    ClickAt(12 + 8 * 3 + 5, 20); // right half: after it
    EXPECT_EQ(Caret(), 4);
    fake::AdvanceTime(500);
    MouseTo(12 + 8, 20);
    LeftDown();
    MouseTo(12 + 8 * 5, 20);
    LeftUp();
    EXPECT_EQ(Caret(), 1);
    EXPECT_EQ(Selection(), 4);
}

TEST_F(TextBoxTest, ADragReleasedOutsideTheBoxEndsThere) {
    SetProperty("t", "Text", "abcdefgh");
    fake::AdvanceTime(500); // not a double click with the set-up's click
    MouseTo(12 + 8, 20);
    LeftDown();
    MouseTo(12 + 8 * 4, 20);
    MouseTo(400, 300); // off the box, released there: the box never hears of it
    LeftUp();
    i32 selection = Selection();
    MouseTo(12 + 8 * 7, 20); // back over it with the button up
    UpdateGUI(0.1f);
    EXPECT_EQ(Selection(), selection);
    EXPECT_EQ(Caret(), 1);
}

TEST_F(TextBoxTest, DoubleClickSelectsTheWordAroundTheCaret) {
    SetProperty("t", "Text", "fire at-will now");
    ClickAt(12 + 8 * 9, 20); // inside "will", after "at-"
    fake::AdvanceTime(100);
    ClickAt(12 + 8 * 9, 20);
    EXPECT_EQ(Caret(), 12);
    EXPECT_EQ(Selection(), -4);
}

class MLTextBoxTest : public GUITest {
  protected:
    void SetUp() override {
        GUITest::SetUp();
        MakeSheet("S");
        CreateControl("MLTextBox", "m", "S", 10, 10, 200, 100);
        SetProperty("m", "Text", "");
        ClickAt(20, 20);
    }
    i32 Caret() { return Get<i32>("m", "cPos"); }
};

TEST_F(MLTextBoxTest, EnterInsertsNewlinesAndSetTextKeepsThem) {
    Type("ab");
    Key(VK_RETURN);
    Type("c");
    Send(fake::KeyDown(VK_RETURN, 0, true)); // keypad Enter
    Send(fake::KeyUp(VK_RETURN, 0, true));
    EXPECT_EQ(Text("m"), "ab\nc\n");
    SetProperty("m", "Text", "one\r\ntwo\tthree");
    EXPECT_EQ(Text("m"), "one\ntwo three");
}

TEST_F(MLTextBoxTest, UpAndDownMoveBetweenLinesKeepingTheColumn) {
    SetProperty("m", "Text", "abcdef\nxy\nlong line");
    SetPropertyValue("m", "cPos", 4); // after "abcd"
    Key(VK_DOWN);
    EXPECT_EQ(Caret(), 9); // "xy" is shorter: its end
    Key(VK_DOWN);
    EXPECT_EQ(Caret(), 12); // column 2 of "long line"
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(Caret(), 2);
    Key(VK_UP); // already on the first line
    EXPECT_EQ(Caret(), 2);
}

TEST_F(MLTextBoxTest, LongTextWrapsScrollsAndFollowsTheCaret) {
    std::string text;
    for (int i = 0; i < 20; i++) text += "line " + std::to_string(i) + "\n";
    SetProperty("m", "Text", text.c_str());
    Key(VK_LEFT); // the caret moves: the view follows it to the end
    f32 lineH = TEST_LINE_HEIGHT;
    f32 visible = 100 - 4;
    f32 scroll = Get<f32>("m", "cBlock");
    EXPECT_GE(scroll, 20 * lineH - visible);
    SetPropertyValue("m", "cPos", 0);
    Key(VK_RIGHT);
    EXPECT_EQ(Get<f32>("m", "cBlock"), 0.0f);
    MouseTo(100, 50);
    Send(fake::Wheel(-120));
    EXPECT_EQ(Get<f32>("m", "cBlock"), 3 * lineH);
    DrawGUI();
}
