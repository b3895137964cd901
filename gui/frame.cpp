// The GUI's per-frame work and lifetime: start-up and shutdown, UpdateGUI and DrawGUI.
#include <vector>

#include "engine/window.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/draw2d_state.h"
#include "graphics/font.h"
#include "gui/gui_internal.h"
#include "gui/module.h"
#include "platform/platform.h"

namespace {
constexpr u32 THROTTLE_SLEEP_MS = 1;

void UpdateTree(Control* c, f32 dt) {
    c->Update(dt);
    std::vector<Control*> kids = c->children; // handlers may change the list
    for (Control* child : kids)
        if (!child->destroyed && child->parent == c && !child->detached) UpdateTree(child, dt);
}
} // namespace

void InitGUI() {
    RegisterGUIModule(); // a GUI started on its own still gets the frames and the input
    ResetGUIState();
    ResetToolTip();
    ResetCursors();
    ResetMessageBoxes();
    SetCommonDialogFont(GetFont());
    RegisterBuiltinClasses();
}

void ShutdownGUI() {
    DeleteAllControls();
    ResetGUIState();
    ResetToolTip();
    ResetMessageBoxes();
    FreeClassRegistry();
}

void UpdateGUI(f32 dt) {
    GUIDispatch guard;
    UpdateCursor(dt);
    UpdateToolTip(dt);
    if (Control* sheet = GetActiveSheetRaw()) UpdateTree(sheet, dt);
}

bool DrawGUI() {
    GUIDispatch guard;
    Font* savedFont = GetFont();
    {
        SavedDrawState savedState; // the caller's switches and line state come back after
        PushColor();
        glSetLineSmoothing(true);
        glSetLineWidth(1.0f);
        bool entered = !Is2DMode();
        if (entered) glEnter2D();

        if (Control* sheet = GetActiveSheetRaw()) {
            DrawTree(sheet, 0.0f, 0.0f);
            DrawToolTip();
        }
        glDefaultDrawState();
        DisableClipPlanes();
        DisableOwnClips();
        if (OverlayFunc overlay = GetGUIOverlay()) overlay();
        DrawCursor();

        if (entered) glLeave2D();
        PopColor();
    }
    SetFont(savedFont);
    if (GetActiveSheetRaw() && !IsGUIFlagEnabled(GUI_SHOW_SCENE) && IsGUIFlagEnabled(GUI_THROTTLE))
        Sys_Sleep(THROTTLE_SLEEP_MS);
    return true;
}
