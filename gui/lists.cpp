// The public item calls over any control that holds a list (ListBox, MCListBox, ComboBox).
#include "gui/lists.h"

#include <algorithm>

#include "gui/control.h"
#include "gui/list_host.h"

namespace {
ListHost* Host(Control* c) {
    return c ? dynamic_cast<ListHost*>(c) : nullptr;
}
bool Valid(const ListHost* l, i32 index) {
    return l && index >= 0 && size_t(index) < l->items.size();
}
} // namespace

bool AddItem(Control* list, const char* text, u32 data) {
    return InsertItem(list, i32(MAX_LIST_ITEMS), text, data);
}

bool InsertItem(Control* list, i32 index, const char* text, u32 data) {
    ListHost* l = Host(list);
    if (!l || l->items.size() >= MAX_LIST_ITEMS) return false;
    size_t at = index < 0 ? 0 : std::min(size_t(index), l->items.size());
    l->items.insert(l->items.begin() + long(at), ListItem{text ? text : "", data, false});
    if (l->current >= 0 && size_t(l->current) >= at) l->current++;
    return true;
}

bool RemoveItem(Control* list, i32 index) {
    ListHost* l = Host(list);
    if (!Valid(l, index)) return false;
    l->items.erase(l->items.begin() + index);
    if (l->current == index)
        l->current = -1;
    else if (l->current > index)
        l->current--;
    return true;
}

void ClearItems(Control* list) {
    if (ListHost* l = Host(list)) {
        l->items.clear();
        l->current = -1;
    }
}

void SetSelected(Control* list, i32 index) {
    ListHost* l = Host(list);
    if (Valid(l, index)) l->SelectIndex(index);
}

void SelectAll(Control* list) {
    if (ListHost* l = Host(list)) l->SelectEvery();
}

i32 GetSelected(Control* list) {
    ListHost* l = Host(list);
    return l ? l->current : -1;
}

i32 ItemCount(Control* list) {
    ListHost* l = Host(list);
    return l ? i32(l->items.size()) : 0;
}

const char* GetItemText(Control* list, i32 index) {
    ListHost* l = Host(list);
    return Valid(l, index) ? l->items[size_t(index)].text.c_str() : nullptr;
}

u32 GetItemData(Control* list, i32 index) {
    ListHost* l = Host(list);
    return Valid(l, index) ? l->items[size_t(index)].data : 0;
}

bool IsItemSelected(Control* list, i32 index) {
    ListHost* l = Host(list);
    return Valid(l, index) && l->items[size_t(index)].selected;
}

bool AddColumn(Control* list, const char* title, f32 width) {
    ListHost* l = Host(list);
    return l && l->AddColumn(title, width);
}
