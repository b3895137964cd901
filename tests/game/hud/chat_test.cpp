// The chat panel: the list's order and timing, line cuts, and the chat box driven by keys.
#include <gtest/gtest.h>

#include "gui/control.h"
#include "gui/lists.h"
#include "gui/sheet.h"
#include "tests/game/hud/hud_fixture.h"

namespace {
bool Visible(const char* control) {
    u8 visible = 0;
    GetProperty(control, "Visible", &visible);
    return visible != 0;
}

bool ChatOpen() {
    return Visible("ChatBox") && GetFocusControl() == FindControl("ChatBox");
}

i32 SelectedPilot() {
    return GetSelected(FindControl("ChatList"));
}
} // namespace

using ChatTest = HudTest;

TEST_F(ChatTest, SixthLinePushesOutTheOldestAndLinesLeaveTheTopEveryTenSeconds) {
    for (int i = 1; i <= 5; ++i) AddChatLine(("line " + std::to_string(i)).c_str(), nullptr);
    UpdateChat(4.0f);
    AddChatLine("line 6", nullptr);
    EXPECT_EQ(Line(0), "line 2");
    EXPECT_EQ(Line(4), "line 6");
    UpdateChat(9.5f); // the new top line started its ten seconds afresh
    EXPECT_EQ(Line(0), "line 2");
    UpdateChat(0.5f);
    EXPECT_EQ(Line(0), "line 3");
    EXPECT_EQ(Line(4), "");
    for (int i = 0; i < 5; ++i) UpdateChat(CHAT_LINE_SECONDS); // an empty list stays empty
    AddChatLine("again", nullptr);
    EXPECT_EQ(Line(0), "again");
    EXPECT_FLOAT_EQ(chat.lines[0].timer, CHAT_LINE_SECONDS);
}

TEST_F(ChatTest, LongLinesAreCutOnACharacterBoundary) {
    struct Case {
        std::string text;
        size_t kept;
    };
    const std::string e = "\xC3\xA9"; // two bytes
    const Case cases[] = {
        {std::string(700, 'a'), 599},
        {std::string(598, 'a') + e, 598}, // the 599th byte would split the character
        {std::string(597, 'a') + e + "b", 599},
        {std::string(700, '\x80'), 599}, // stray bytes: cut at the limit, not emptied
    };
    for (const Case& c : cases) {
        AddChatLine(c.text.c_str(), nullptr);
        EXPECT_EQ(Line(0), c.text.substr(0, c.kept)) << c.text.size();
        chat = ChatState{};
    }
}

TEST_F(ChatTest, CtrlBlocksTheChatKeys) {
    Bind(ACTION_CHAT_ALL, 'T');
    Bind(ACTION_CHAT_PILOT, 'E');
    Down(VK_CONTROL);
    Key('T');
    Key('E');
    Up(VK_CONTROL);
    EXPECT_FALSE(Visible("ChatBox"));
    Key('E');
    EXPECT_TRUE(ChatOpen());
    EXPECT_TRUE(Visible("ChatList"));
}

TEST_F(ChatTest, SentLinesCarryTheirModeAndThePilotIsRemembered) {
    Bind(ACTION_CHAT_ALL, 'T');
    Bind(ACTION_CHAT_GROUP, 'R');
    Bind(ACTION_CHAT_PILOT, 'E');
    Key('T');
    Key(VK_RETURN); // the greeting the box starts with
    EXPECT_EQ(Line(0), "<c FF58F086>[ Ravenfox ]</c> Damn this game rocks!");
    EXPECT_FALSE(Visible("ChatBox"));

    Key('R');
    TypeText("hold");
    Key(VK_RETURN);
    EXPECT_EQ(Line(1), "<c FF58F086>[ Ravenfox <c grey>(text 33) <c FF58F086>]</c> hold");

    Key('E');
    EXPECT_EQ(SelectedPilot(), 0);
    Key(VK_DOWN);
    Key(VK_DOWN);
    TypeText("go");
    Key(VK_RETURN);
    EXPECT_EQ(Line(2), std::string("<c FF58F086>[ Ravenfox <c grey>(text 35 ") + pilotNames[2] +
                           ") <c FF58F086>]</c> go");
    Key('E');
    EXPECT_EQ(SelectedPilot(), 2);
    Key(VK_ESCAPE); // closing keeps the selection too
    Key('E');
    EXPECT_EQ(SelectedPilot(), 2);

    Key(VK_RETURN); // an empty box sends nothing but closes
    EXPECT_EQ(Line(3), "");
    EXPECT_FALSE(Visible("ChatBox"));
}

TEST_F(ChatTest, AFullBoxIsSentWhole) {
    Bind(ACTION_CHAT_ALL, 'T');
    Key('T');
    SetProperty("ChatBox", "Text", "");
    const std::string full(256, 'w');
    TypeText(full + "overflow");
    Key(VK_RETURN);
    EXPECT_EQ(Line(0), "<c FF58F086>[ Ravenfox ]</c> " + full);
}
