// The describe functions of the eighteen built-in control classes, registered by InitGUI in
// byte order of their names.
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
