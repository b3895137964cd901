// Input from the engine's window procedure to the controls: key and mouse events through
// capture, focus and hit testing, and Tab order within the nearest tab scope.
#include "engine/input.h"
#include "gui/gui_internal.h"

namespace {
constexpr u32 FIRST_MOUSE_KEY = KEY_MOUSE_LEFT;
constexpr u32 LAST_MOUSE_KEY = KEY_WHEEL_DOWN;

bool IsMouseKey(u32 key) {
    return key >= FIRST_MOUSE_KEY && key <= LAST_MOUSE_KEY;
}
bool IsWheel(u32 key) {
    return key == KEY_WHEEL_UP || key == KEY_WHEEL_DOWN;
}

bool TakesTab(const Control* c) {
    return IsShown(c) && c->tabStop != NO_TAB_STOP;
}

// The smallest TabStop above `after` in the subtree (the control before its children,
// children in order); hidden controls and their children are passed over.
void FindNextStop(Control* c, i32 after, Control** best) {
    if (!c->visible) return;
    if (TakesTab(c) && i32(c->tabStop) > after && (!*best || c->tabStop < (*best)->tabStop))
        *best = c;
    for (Control* child : c->children) FindNextStop(child, after, best);
}

Control* TabScope(Control* focus) {
    for (Control* s = focus; s; s = s->parent)
        if (s->cls && s->cls->tabScope) return s;
    Control* top = focus;
    while (top->parent) top = top->parent;
    return top;
}

// The focus moves once, to the chosen control, so no control in between hears of it. After
// the last stop of the scope it wraps round to the smallest.
void TabToNext() {
    if (!GetFocusRaw()) SetFocus(GetActiveSheetRaw());
    Control* focus = GetFocusRaw();
    if (!focus) return;
    Control* scope = TabScope(focus);
    i32 current = focus->tabStop == NO_TAB_STOP ? 0 : focus->tabStop;
    Control* best = nullptr;
    FindNextStop(scope, current, &best);
    if (!best) FindNextStop(scope, -1, &best);
    if (best && best != focus) SetFocus(best);
}

void MouseDownPath(u32 key) {
    HideToolTip();
    if (Control* capture = GetCaptureControl()) {
        if (MouseInside(capture)) {
            capture->MouseDown(key);
            return;
        }
        SetCaptureControl(nullptr);
    }
    f32 mx = 0, my = 0;
    GetMousePos(&mx, &my);
    Control* under = ControlAt(mx, my);
    if (IsWheel(key)) {
        if (under) under->MouseDown(key); // the wheel scrolls without taking the focus
        return;
    }
    Control* previous = GetFocusRaw();
    if (under != previous) SetFocus(under);
    Control* focus = GetFocusRaw();
    Control* modal = GetModalDialog();
    if (!modal || (focus && IsInside(focus, modal))) {
        if (focus) focus->MouseDown(key);
    } else if (!previous || !previous->destroyed) {
        SetFocus(previous);
    }
}
} // namespace

void GUIKeyDown(u32 key) {
    if (!GetActiveSheetRaw()) return;
    GUIDispatch guard;
    if (IsMouseKey(key)) {
        MouseDownPath(key);
        return;
    }
    Control* focus = GetFocusRaw();
    SetKeyFocusMemory(focus);
    bool keepsTab = focus && focus->cls && focus->cls->keepsTab;
    if (key == VK_TAB && !IsKeyDown(KEY_LALT) && !keepsTab) TabToNext();
    if (Control* f = GetFocusRaw()) f->KeyDown(key);
}

void GUIKeyUp(u32 key) {
    Control* focus = GetFocusRaw();
    if (!GetActiveSheetRaw() || !focus) return;
    GUIDispatch guard;
    if (!IsMouseKey(key)) {
        if (Control* keyFocus = GetKeyFocusMemory()) keyFocus->KeyUp(key);
        return;
    }
    // A wheel step is a press and a release at once; its release clicks nothing.
    if (IsWheel(key)) return;
    if (Control* capture = GetCaptureControl()) {
        if (MouseInside(capture)) {
            capture->Click(key);
            return;
        }
        SetCaptureControl(nullptr);
    }
    // A click is a release over the control that took the focus at the press.
    if (MouseInside(focus)) focus->Click(key);
}

void GUIDoubleClick(u32 button) {
    if (!GetActiveSheetRaw()) return;
    GUIDispatch guard;
    if (Control* capture = GetCaptureControl()) {
        if (MouseInside(capture)) {
            capture->DoubleClick(button);
            return;
        }
        SetCaptureControl(nullptr);
    }
    if (Control* focus = GetFocusRaw()) focus->DoubleClick(button);
}

// A character whose key press went to another control (the focus moved since, by Tab or by
// a handler) is dropped.
void GUIChar(u32 ch) {
    Control* focus = GetFocusRaw();
    if (focus != GetKeyFocusMemory()) {
        SetKeyFocusMemory(focus);
        return;
    }
    if (!GetActiveSheetRaw() || !focus) return;
    GUIDispatch guard;
    focus->Char(ch);
}

void GUIMouseMove(f32 dx, f32 dy) {
    HideToolTip();
    if (!GetActiveSheetRaw()) return;
    GUIDispatch guard;
    if (Control* capture = GetCaptureControl()) {
        if (MouseInside(capture)) {
            capture->MouseMove(dx, dy);
            return;
        }
        SetCaptureControl(nullptr);
    }
    f32 mx = 0, my = 0;
    GetMousePos(&mx, &my);
    if (Control* under = ControlAt(mx, my)) under->MouseMove(dx, dy);
}
