// What ListBox, MCListBox and ComboBox share: the item list with its current item, reached by
// the public item calls of gui/lists.h.
#pragma once

#include <string>
#include <vector>

#include "engine/types.h"

constexpr size_t MAX_LIST_ITEMS = 65535;

struct ListItem {
    std::string text;
    u32 data = 0;
    bool selected = false;
};

class ListHost {
  public:
    virtual ~ListHost() = default;
    // Marks the item, makes it current, scrolls it into view and runs the Select handler.
    virtual void SelectIndex(i32 index) = 0;
    virtual void SelectEvery() {}
    virtual bool AddColumn(const char*, f32) { return false; }

    std::vector<ListItem> items;
    i32 current = -1;
};
