// Describing control classes: the eighteen built-in ones, registered by InitGUI in byte order
// of their names, and the helpers any class (the game's own too) describes itself with.
#pragma once

#include <cstring>

#include "gui/control.h"

void DescribeButton(ClassDesc* cls);
void DescribeCheckBox(ClassDesc* cls);
void DescribeComboBox(ClassDesc* cls);
void DescribeDialog(ClassDesc* cls);
void DescribeFrame(ClassDesc* cls);
void DescribeLabel(ClassDesc* cls);
void DescribeLine(ClassDesc* cls);
void DescribeListBox(ClassDesc* cls);
void DescribeMCListBox(ClassDesc* cls);
void DescribeMLTextBox(ClassDesc* cls);
void DescribePictureBox(ClassDesc* cls);
void DescribeProgressBar(ClassDesc* cls);
void DescribeRadioButton(ClassDesc* cls);
void DescribeScrollBar(ClassDesc* cls);
void DescribeShape(ClassDesc* cls);
void DescribeSheet(ClassDesc* cls);
void DescribeStatusBar(ClassDesc* cls);
void DescribeTextBox(ClassDesc* cls);

// Fills a descriptor; the flags say tab-stoppable, tab scope.
template <typename T>
void DescribeClass(ClassDesc* cls, const char* name, bool tabStoppable, bool tabScope) {
    strncpy(cls->name, name, CONTROL_NAME_MAX);
    cls->tabStoppable = tabStoppable;
    cls->tabScope = tabScope;
    cls->keepsTab = 0;
    cls->factory = []() -> Control* { return new T(); };
}

// Writes own descriptors to out (when given) and returns how many there are.
template <typename Desc, size_t N> int CopyDescriptors(const Desc (&own)[N], Desc* out) {
    if (out)
        for (size_t i = 0; i < N; i++) out[i] = own[i];
    return int(N);
}
// The accessor of a property descriptor: where `member` lives in a control of `Class`.
#define GUI_FIELD(Class, member) [](Control* c) -> void* { return &static_cast<Class*>(c)->member; }
