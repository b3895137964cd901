// Items of ListBox, MCListBox and ComboBox controls, columns of MCListBox and panels of
// StatusBar. Every call ignores controls of other classes and indexes outside the list.
#pragma once

#include "engine/types.h"

class Control;

// Appends an unselected item; its text is copied. False for a control that holds no items.
bool AddItem(Control* list, const char* text, u32 data);
// index -1 inserts at the front; an index at or past the end appends.
bool InsertItem(Control* list, i32 index, const char* text, u32 data);
bool RemoveItem(Control* list, i32 index);
void ClearItems(Control* list); // every item and the selection
// Marks the item, makes it current and scrolls it into view; runs the Select handler.
void SetSelected(Control* list, i32 index);
void SelectAll(Control* list);  // multi-select lists only
i32 GetSelected(Control* list); // the current item, -1 for none
i32 ItemCount(Control* list);
const char* GetItemText(Control* list, i32 index); // null outside the list
u32 GetItemData(Control* list, i32 index);
bool IsItemSelected(Control* list, i32 index);

// MCListBox: the cells of an item's text are separated by tab characters; each column shows
// one cell under its title.
bool AddColumn(Control* list, const char* title, f32 width);

// StatusBar: panels from left to right, each with a text and a width.
bool AddStatusPanel(Control* bar, const char* text, f32 width);
bool SetStatusPanelText(Control* bar, i32 index, const char* text);
