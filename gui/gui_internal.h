// Shared internals of the GUI toolkit: class tables, the control tree's bookkeeping, focus
// with notifications, deferred freeing during dispatch, and small drawing helpers.
#pragma once

#include <cstring>

#include "engine/types.h"
#include "gui/classes.h"
#include "gui/control.h"
#include "gui/sheet.h"

// ---- names and class tables (registry.cpp, properties.cpp) ----
bool IsValidControlName(const char* name);
void RegisterBuiltinClasses();
ClassDesc* FindClassForCreate(const char* name);
void FreeClassRegistry();
// Builds a class's sorted property and event tables from its first instance.
void BuildClassTables(ClassDesc* cls, Control* instance);
const PropertyDesc* FindPropertyDesc(const ClassDesc* cls, const char* name);
const EventDesc* FindEventDesc(const ClassDesc* cls, const char* name);
// The table-driven set and get that classes fall back to.
bool SetTableProperty(Control* control, const char* name, const void* value);
int GetTableProperty(Control* control, const char* name, void* out);
// The size a value of this property has right now (PT_BACKGROUND depends on the owner's mode).
int PropertyValueSize(Control* control, const PropertyDesc* desc);

inline bool NameIs(const char* a, const char* b) {
    return strcmp(a, b) == 0;
}

// ---- the tree (model.cpp) ----
// True when c is ancestor or lies inside it.
bool IsInside(const Control* c, const Control* ancestor);
bool IsShown(const Control* c); // it and every ancestor visible
void DeleteAllControls();
bool ClassIs(const Control* c, const char* className);

// ---- GUI state (focus.cpp) ----
void ResetGUIState();
// The focus change with its LoseFocus and GetFocus notifications.
void SetFocus(Control* c);
Control* GetFocusRaw(); // the focus itself, null when none
Control* GetKeyFocusMemory();
void SetKeyFocusMemory(Control* c);
void SetModalDialog(Control* dialog);
Control* GetActiveSheetRaw();
// Clears every reference the GUI keeps to a control that is being destroyed.
void ForgetControl(Control* c);
void ForgetComboBox(Control* c);          // combobox.cpp: its overlay
void ForgetMessageBoxControl(Control* c); // msgbox.cpp: remembered modal dialogs

// Public calls and dispatch hold one of these while handlers may run; controls destroyed
// meanwhile are unlinked at once but freed only when the outermost guard ends.
class GUIDispatch {
  public:
    GUIDispatch();
    ~GUIDispatch();
    GUIDispatch(const GUIDispatch&) = delete;
    GUIDispatch& operator=(const GUIDispatch&) = delete;
};
void ReleaseControl(Control* c); // frees now, or when the dispatch ends
void FreeReleasedControls();

// ---- mouse helpers ----
void MouseInControl(const Control* c, f32* x, f32* y); // mouse relative to c's top-left
bool MouseInside(Control* c);                          // c's HitTest at the mouse

// ---- drawing (draw_tree.cpp, tooltip.cpp, cursor.cpp) ----
void DrawTree(Control* c, f32 ox, f32 oy);
void DisableClipPlanes();
// Clip planes 4 and 5 (controls' own horizontal or vertical cuts), in current coordinates.
void ClipLeftRight(f32 left, f32 right);
void ClipTopBottom(f32 top, f32 bottom);
void DisableOwnClips();

void ResetToolTip();
void UpdateToolTip(f32 dt);
void HideToolTip();
void RaiseToolTip(Control* owner, const std::string& text, f32 anchorX, f32 anchorY, f32 fade);
void LayoutToolTipIfFontChanged();
void DrawToolTip();
void ForgetToolTipOwner(Control* c);

void ResetCursors();
void UpdateCursor(f32 dt);
void DrawCursor();

// ---- message boxes (msgbox.cpp) ----
void ResetMessageBoxes();

// ---- small helpers ----
void SetColorWithAlpha(u32 color, u8 alpha); // the colour's RGB with another alpha
// A box filled with one colour and outlined with another, textures off.
void DrawOutlinedBox(f32 x, f32 y, f32 w, f32 h, u32 fill, u32 border);
f32 FontLineHeight(const Font* font); // line height x scale, 0 without a font
// Polygons in line mode over the same shape, the way surfaces get smoothed edges.
// A band along the bottom and right edges, dark at the box and clear outwards, with slanted
// ends; it starts `inset` in from the left and the top.
void DrawSoftShadow(f32 left, f32 top, f32 right, f32 bottom, f32 width, f32 inset, f32 alpha);
void BeginLinePolygons();
void EndLinePolygons();
