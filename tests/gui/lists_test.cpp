// List controls: selection by mouse, keys and letters, ranges, scrolling and the combo drop.
#include <string>

#include "gui/lists.h"
#include "tests/gui/gui_fixture.h"

namespace {
constexpr f32 ITEM_H = TEST_LINE_HEIGHT + 1;
} // namespace

class ListTest : public GUITest {
  protected:
    void SetUp() override {
        GUITest::SetUp();
        MakeSheet("S");
    }
    Control* List(int items, f32 h, const char* name = "list", const char* cls = "ListBox") {
        Control* list = CreateControl(cls, name, "S", 100, 100, 150, h);
        const char* names[] = {"Tessaly", "Shrike", "Meridian", "Sparrow", "Talon"};
        for (int i = 0; i < items; i++)
            AddItem(list, (std::string(names[i % 5]) + " " + std::to_string(i)).c_str(), 0);
        SetEventFn(name, "Select", SayIndex<"select">);
        SetEventFn(name, "Action", SayIndex<"action">);
        return list;
    }
    // The middle of item i's row when nothing is scrolled.
    int RowY(int i, f32 top = 100) { return int(top + ITEM_H * f32(i) + ITEM_H / 2); }
};

TEST_F(ListTest, ClicksSelectAnItemAndSelectingScrollsItIntoView) {
    Control* list = List(3, 100);
    ClickAt(240, RowY(2)); // the right edge: no scroll bar takes the click
    EXPECT_EQ(GetSelected(list), 2);
    ClickAt(120, RowY(0));
    EXPECT_EQ(GetSelected(list), 0);
    EXPECT_FALSE(IsItemSelected(list, 2)); // single selection
    ClickAt(120, 190);                     // below the last item: nothing
    EXPECT_EQ(GetSelected(list), 0);
    EXPECT_EQ(TakeEvents(), (Lines{"select 2", "select 0"}));
    // Selecting scrolls the item into view.
    for (int i = 3; i < 20; i++) AddItem(list, "more", 0);
    SetSelected(list, 19); // the last item: to the bottom edge
    EXPECT_EQ(Get<f32>("list", "cBlock"), 20 * ITEM_H + 2 - 100);
    SetSelected(list, 3);
    EXPECT_EQ(Get<f32>("list", "cBlock"), 3 * ITEM_H);
    SetSelected(list, 99); // outside: ignored
    EXPECT_EQ(GetSelected(list), 3);
    EXPECT_EQ(TakeEvents(), (Lines{"select 19", "select 3"}));
}

TEST_F(ListTest, ArrowKeysMoveTheSelectionAndEnterActs) {
    Control* list = List(5, 100);
    ClickAt(120, RowY(1));
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(GetSelected(list), 3);
    EXPECT_FALSE(IsItemSelected(list, 2));
    Key(VK_UP);
    EXPECT_EQ(GetSelected(list), 2);
    Key(VK_RETURN);
    Key(VK_SPACE);
    fake::AdvanceTime(1000);
    ClickAt(120, RowY(2)); // a double click on the current item acts too
    fake::AdvanceTime(100);
    ClickAt(120, RowY(2));
    EXPECT_EQ(TakeEvents(), (Lines{"select 1", "select 2", "select 3", "select 2", "action 2",
                                   "action 2", "select 2", "select 2", "action 2"}));
}

TEST_F(ListTest, TypingAFirstLetterCyclesThroughItsItems) {
    Control* list = List(10, 100); // Tessaly 0, Shrike 1, ... Talon 4, Tessaly 5 ...
    ClickAt(120, RowY(1));
    // Either case; round to the start; no match changes nothing.
    for (auto [typed, selected] : {std::pair{"t", 4}, {"T", 5}, {"tt", 0}, {"q", 0}}) {
        Type(typed);
        EXPECT_EQ(GetSelected(list), selected) << typed;
    }
}

TEST_F(ListTest, ShiftClickMarksARangeInMultiSelectLists) {
    Control* list = List(6, 120);
    SetPropertyValue("list", "MultiSelect", 1);
    ClickAt(120, RowY(1));
    Send(fake::KeyDown(VK_SHIFT, LEFT_SHIFT_SCAN));
    ClickAt(120, RowY(4));
    Send(fake::KeyUp(VK_SHIFT, LEFT_SHIFT_SCAN));
    for (int i = 0; i < 6; i++) EXPECT_EQ(IsItemSelected(list, i), i >= 1 && i <= 4) << i;
    EXPECT_EQ(TakeEvents(), (Lines{"select 1", "select -1"}));
    ClickAt(120, RowY(2)); // a plain click toggles one item
    EXPECT_FALSE(IsItemSelected(list, 2));
    EXPECT_TRUE(IsItemSelected(list, 3));
    Ctrl('A');
    for (int i = 0; i < 6; i++) EXPECT_TRUE(IsItemSelected(list, i));
    ClickAt(120, RowY(5)); // unmarks the last item, which stays current
    SetPropertyValue("list", "MultiSelect", 0);
    TakeEvents();
    Key(VK_DOWN); // down on the last item stays on it, and selects it again
    EXPECT_EQ(GetSelected(list), 5);
    EXPECT_TRUE(IsItemSelected(list, 5));
    EXPECT_EQ(TakeEvents(), Lines{"select 5"});
}

TEST_F(ListTest, ItemsCanBeInsertedRemovedAndCleared) {
    Control* list = List(3, 100);
    SetSelected(list, 1);
    InsertItem(list, -1, "front", 7);
    EXPECT_STREQ(GetItemText(list, 0), "front");
    EXPECT_EQ(GetItemData(list, 0), 7u);
    EXPECT_EQ(GetSelected(list), 2); // the current item moved with its row
    RemoveItem(list, 2);
    EXPECT_EQ(GetSelected(list), -1);
    EXPECT_EQ(ItemCount(list), 3);
    EXPECT_EQ(GetItemText(list, 5), nullptr);
    ClearItems(list);
    EXPECT_EQ(ItemCount(list), 0);
    EXPECT_EQ(TakeEvents(), Lines{"select 1"});
    ClickAt(120, RowY(0)); // empty: nothing happens
    EXPECT_TRUE(TakeEvents().empty());
    // Lists calls on other classes do nothing.
    Control* label = CreateControl("Label", "label", "S", 0, 0, 10, 10);
    EXPECT_FALSE(AddItem(label, "x", 0));
    EXPECT_EQ(ItemCount(label), 0);
    EXPECT_FALSE(AddItem(nullptr, "x", 0));
}

TEST_F(ListTest, AComboBoxDropsDownOverTheGamesOverlayAndPicksTheReleasedItem) {
    static int overlays;
    overlays = 0;
    OverlayFunc game = [] { overlays++; };
    SetGUIOverlay(game);
    Control* combo = List(3, 20, "combo", "ComboBox");
    ClickAt(150, 110); // opens; its own release keeps it open
    EXPECT_EQ(GetCaptureControl(), combo);
    EXPECT_NE(GetGUIOverlay(), nullptr);
    EXPECT_NE(GetGUIOverlay(), game);
    EXPECT_EQ(Get<f32>("combo", "h"), 20 + 3 * ITEM_H + 2);
    DrawGUI();
    EXPECT_EQ(overlays, 1);                 // the game's is still drawn, under the list
    ClickAt(150, int(120 + ITEM_H * 1.5f)); // the second item of the list below
    EXPECT_EQ(GetSelected(combo), 1);
    EXPECT_EQ(TakeEvents(), Lines{"select 1"});
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(GetGUIOverlay(), game); // given back
    EXPECT_EQ(Get<f32>("combo", "h"), 20.0f);
    ClickAt(150, 110);
    ClickAt(150, 110); // a press on the field closes it
    EXPECT_EQ(GetGUIOverlay(), game);
}
