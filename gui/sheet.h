// The GUI's global state: the active sheet, focus, mouse capture, the modal dialog, the mode
// flags, cursors, the overlay and the tooltip.
#pragma once

#include "engine/types.h"
#include "gui/gui.h"

struct Font;
struct Surface;

enum GUIFlag : u32 {
    GUI_PAUSE_FOR_DIALOGS = 0, // message boxes pause the engine (on)
    GUI_THROTTLE = 1,          // sleep 1 ms a frame while a sheet hides the scene (on)
    GUI_SHOW_SCENE = 2,        // the game renders and updates under the active sheet (off)
};

// Null or empty clears the active sheet. Always clears the focus, without notifications.
bool SetActiveSheet(const char* name);
Control* GetModalDialog();

// Refused while a modal dialog exists and the focus lies outside it; false for unknown names.
bool FocusControl(const char* name);
void SetFocusControl(Control* control); // no notifications
Control* GetFocusControl();             // the focus, or the active sheet without one
void SetCaptureControl(Control* control);
Control* GetCaptureControl();

void EnableGUIFlag(u32 flag);
void DisableGUIFlag(u32 flag);
bool IsGUIFlagEnabled(u32 flag);

// Cursor slots 0..31. A slot with a draw function is drawn by calling it with the mouse
// position; otherwise a surface frame sheet is animated over `period` seconds.
constexpr int GUI_CURSOR_SLOTS = 32;
enum GUICursor : i32 { CURSOR_ARROW = 1, CURSOR_IBEAM = 9, CURSOR_DOUBLE_BAR = 10 };
using CursorDrawFunc = void (*)(f32 x, f32 y);
void SetCursorShape(i32 slot, CursorDrawFunc draw, Surface* surface, u16 frameWidth,
                    u16 frameHeight, u16 frameCount, f32 period, f32 scale, f32 hotX, f32 hotY);
i32 GetCursorSlot();
void ShowGUICursor(bool visible);

// Drawn after the control tree and before the cursor.
using OverlayFunc = void (*)();
void SetGUIOverlay(OverlayFunc overlay);
OverlayFunc GetGUIOverlay();

enum ToolTipParam : u32 {
    TOOLTIP_ANCHOR_X = 15,
    TOOLTIP_ANCHOR_Y = 16,
    TOOLTIP_FADE = 17,
    TOOLTIP_SHADOW = 18, // on when the value is above 0
};
void SetToolTipParam(u32 id, f32 value);
// The tooltip as it stands: its text (empty when none was raised), box and fade (0 hidden).
struct ToolTipInfo {
    const char* text;
    f32 x, y, w, h;
    f32 fade;
};
ToolTipInfo GetToolTip();
void SetToolTipColor(u32 color);

// Font, text colour of message boxes.
void SetCommonDialogFont(Font* font);
Font* GetCommonDialogFont();

// The topmost visible control at a screen point, searched from the active sheet; null when
// none. Screen position of a control: its x, y plus those of its ancestors.
Control* ControlAt(f32 x, f32 y);
void ControlScreenPos(const Control* control, f32* x, f32* y);
