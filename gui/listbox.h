// ListBox: a scrollable list of text items with single or multiple selection. MCListBox
// builds on it with columns under a header bar.
#pragma once

#include <string>

#include "gui/control.h"
#include "gui/list_host.h"
#include "gui/scroll.h"

class ListBox : public ScrollHost, public ListHost {
  public:
    ListBox();
    void Draw() override;
    void MouseDown(u32 button) override;
    void DoubleClick(u32 button) override;
    void KeyDown(u32 key) override;
    void Char(u32 ch) override;
    int DescribeProperties(PropertyDesc* out) override;
    int DescribeEvents(EventDesc* out) override;
    void SelectIndex(i32 index) override;
    void SelectEvery() override;

    Font* font;
    u32 color;
    u32 textColor;
    u32 selectedTextColor;
    f32 barWidth;
    u32 selectorColor;
    u8 multiSelect = 0;

  protected:
    // Room above the items (MCListBox's column bar).
    virtual f32 HeaderHeight() const { return 0.0f; }
    // One item's text in its row; `width` is the room the text has.
    virtual void DrawItemText(const ListItem& item, f32 tx, f32 ty, f32 width);
    void DrawCutText(const std::string& text, f32 tx, f32 ty, f32 width);
    f32 ItemHeight() const;
    bool BarShown() const;
    ScrollRect BarRect() const override;
    void Layout();
    i32 ItemAtMouse() const;
    bool MouseOnBar() const;
};
