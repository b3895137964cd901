// The GUI's global state: active sheet, focus with its notifications, key-focus memory,
// capture, the modal dialog, mode flags and the overlay; hit testing down the tree.
#include "engine/input.h"
#include "gui/gui_internal.h"

namespace {
constexpr int FLAG_COUNT = 3;

// Who holds the sheet, the focus, the keys and the mouse, the modal dialog, the mode flags and
// the game's overlay; a default record is the GUI before anything is shown.
struct FocusState {
    Control* activeSheet = nullptr;
    Control* focus = nullptr;
    Control* keyFocus = nullptr;
    Control* capture = nullptr;
    Control* modal = nullptr;
    bool flags[FLAG_COUNT] = {true, true, false};
    OverlayFunc overlay = nullptr;
};
FocusState gui;

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
    gui = FocusState{};
}

void SetFocus(Control* c) {
    GUIDispatch guard;
    Control* old = gui.focus;
    gui.focus = c;
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
    return gui.focus;
}
Control* GetKeyFocusMemory() {
    return gui.keyFocus;
}
void SetKeyFocusMemory(Control* c) {
    gui.keyFocus = c;
}
Control* GetActiveSheetRaw() {
    return gui.activeSheet;
}
Control* GetActiveSheet() {
    return gui.activeSheet;
}
Control* GetModalDialog() {
    return gui.modal;
}
void SetModalDialog(Control* dialog) {
    gui.modal = dialog;
}

bool SetActiveSheet(const char* name) {
    gui.focus = nullptr;
    if (!name || !name[0]) {
        gui.activeSheet = nullptr;
        return true;
    }
    Control* sheet = FindControl(name);
    if (!sheet) return false;
    gui.activeSheet = sheet;
    return true;
}

bool FocusControl(const char* name) {
    Control* c = FindControl(name);
    if (!c) return false;
    if (gui.modal && gui.focus && !IsInside(gui.focus, gui.modal)) return false;
    SetFocus(c);
    return true;
}

void SetFocusControl(Control* control) {
    gui.focus = control && !control->destroyed ? control : nullptr;
}

Control* GetFocusControl() {
    return gui.focus ? gui.focus : gui.activeSheet;
}

void SetCaptureControl(Control* control) {
    gui.capture = control && !control->destroyed ? control : nullptr;
}
Control* GetCaptureControl() {
    return gui.capture;
}

void EnableGUIFlag(u32 flag) {
    if (flag < FLAG_COUNT) gui.flags[flag] = true;
}
void DisableGUIFlag(u32 flag) {
    if (flag < FLAG_COUNT) gui.flags[flag] = false;
}
bool IsGUIFlagEnabled(u32 flag) {
    return flag < FLAG_COUNT && gui.flags[flag];
}

bool GUIShowsScene() {
    return !gui.activeSheet || gui.flags[GUI_SHOW_SCENE];
}

void SetGUIOverlay(OverlayFunc function) {
    gui.overlay = function;
}
OverlayFunc GetGUIOverlay() {
    return gui.overlay;
}

// Nothing may reach a control after it is destroyed.
void ForgetControl(Control* c) {
    if (gui.activeSheet == c) gui.activeSheet = nullptr;
    if (gui.focus == c) gui.focus = nullptr;
    if (gui.keyFocus == c) gui.keyFocus = nullptr;
    if (gui.capture == c) gui.capture = nullptr;
    if (gui.modal == c) gui.modal = nullptr;
    ForgetToolTipOwner(c);
    ForgetComboBox(c);
    ForgetMessageBoxControl(c);
}

Control* ControlAt(f32 x, f32 y) {
    return gui.activeSheet ? HitAt(gui.activeSheet, x, y) : nullptr;
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
