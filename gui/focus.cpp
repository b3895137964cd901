// The GUI's global state: active sheet, focus with its notifications, key-focus memory,
// capture, the modal dialog, mode flags and the overlay; hit testing down the tree.
#include "engine/input.h"
#include "gui/gui_internal.h"

namespace {
constexpr int FLAG_COUNT = 3;

Control* activeSheet = nullptr;
Control* focus = nullptr;
Control* keyFocus = nullptr;
Control* capture = nullptr;
Control* modal = nullptr;
bool flags[FLAG_COUNT] = {true, true, false};
OverlayFunc overlay = nullptr;

Control* HitAt(Control* c, f32 px, f32 py) {
    if (!c->visible || !c->HitTest(px - c->x, py - c->y)) return nullptr;
    f32 cx = px - c->x, cy = py - c->y;
    for (size_t i = c->children.size(); i-- > 0;)
        if (Control* hit = HitAt(c->children[i], cx, cy)) return hit;
    return c;
}

// Where the LoseFocus walk up from the old focus stops: at the top, at the new focus, or
// before an ancestor whose parent is the new focus or lies inside it.
bool EndsLoseFocusWalk(const Control* a, const Control* next) {
    if (!a || a == next) return true;
    return next && a->parent && IsInside(a->parent, next);
}
} // namespace

void ResetGUIState() {
    activeSheet = focus = keyFocus = capture = modal = nullptr;
    flags[GUI_PAUSE_FOR_DIALOGS] = true;
    flags[GUI_THROTTLE] = true;
    flags[GUI_SHOW_SCENE] = false;
    overlay = nullptr;
}

void SetFocus(Control* c) {
    GUIDispatch guard;
    Control* old = focus;
    focus = c;
    Control* stop = nullptr;
    if (old) {
        old->LoseFocus();
        Control* a = old->parent;
        while (!EndsLoseFocusWalk(a, c)) {
            a->LoseFocus();
            a = a->parent;
        }
        stop = a;
    }
    if (c) {
        c->GetFocus();
        for (Control* a = c->parent; a && a != stop; a = a->parent) a->GetFocus();
    }
}

Control* GetFocusRaw() {
    return focus;
}
Control* GetKeyFocusMemory() {
    return keyFocus;
}
void SetKeyFocusMemory(Control* c) {
    keyFocus = c;
}
Control* GetActiveSheetRaw() {
    return activeSheet;
}
Control* GetActiveSheet() {
    return activeSheet;
}
Control* GetModalDialog() {
    return modal;
}
void SetModalDialog(Control* dialog) {
    modal = dialog;
}

bool SetActiveSheet(const char* name) {
    focus = nullptr;
    if (!name || !name[0]) {
        activeSheet = nullptr;
        return true;
    }
    Control* sheet = FindControl(name);
    if (!sheet) return false;
    activeSheet = sheet;
    return true;
}

bool FocusControl(const char* name) {
    Control* c = FindControl(name);
    if (!c) return false;
    if (modal && focus && !IsInside(focus, modal)) return false;
    SetFocus(c);
    return true;
}

void SetFocusControl(Control* control) {
    focus = control && !control->destroyed ? control : nullptr;
}

Control* GetFocusControl() {
    return focus ? focus : activeSheet;
}

void SetCaptureControl(Control* control) {
    capture = control && !control->destroyed ? control : nullptr;
}
Control* GetCaptureControl() {
    return capture;
}

void EnableGUIFlag(u32 flag) {
    if (flag < FLAG_COUNT) flags[flag] = true;
}
void DisableGUIFlag(u32 flag) {
    if (flag < FLAG_COUNT) flags[flag] = false;
}
bool IsGUIFlagEnabled(u32 flag) {
    return flag < FLAG_COUNT && flags[flag];
}

bool GUIShowsScene() {
    return !activeSheet || flags[GUI_SHOW_SCENE];
}

void SetGUIOverlay(OverlayFunc function) {
    overlay = function;
}
OverlayFunc GetGUIOverlay() {
    return overlay;
}

// Nothing may reach a control after it is destroyed.
void ForgetControl(Control* c) {
    if (activeSheet == c) activeSheet = nullptr;
    if (focus == c) focus = nullptr;
    if (keyFocus == c) keyFocus = nullptr;
    if (capture == c) capture = nullptr;
    if (modal == c) modal = nullptr;
    ForgetToolTipOwner(c);
    ForgetComboBox(c);
    ForgetMessageBoxControl(c);
}

Control* ControlAt(f32 x, f32 y) {
    return activeSheet ? HitAt(activeSheet, x, y) : nullptr;
}

void ControlScreenPos(const Control* control, f32* x, f32* y) {
    f32 sx = 0, sy = 0;
    for (const Control* c = control; c; c = c->parent) {
        sx += c->x;
        sy += c->y;
    }
    if (x) *x = sx;
    if (y) *y = sy;
}

void MouseInControl(const Control* c, f32* x, f32* y) {
    f32 mx = 0, my = 0, sx = 0, sy = 0;
    GetMousePos(&mx, &my);
    ControlScreenPos(c, &sx, &sy);
    *x = mx - sx;
    *y = my - sy;
}

bool MouseInside(Control* c) {
    f32 x = 0, y = 0;
    MouseInControl(c, &x, &y);
    return c->HitTest(x, y);
}
