// The GUI's entry points that the engine calls: start-up and shutdown, the per-frame drawing and
// update, input dispatch, the scene flag, cursor selection and the modal message box.
#pragma once

#include "engine/types.h"

class Control;

void InitGUI();
void ShutdownGUI();
bool DrawGUI();
void UpdateGUI(f32 dt);
bool GUIShowsScene();
void SelectCursor(i32 slot);

void GUIKeyDown(u32 key);
void GUIKeyUp(u32 key);
void GUIDoubleClick(u32 key);
void GUIChar(u32 ch);
void GUIMouseMove(f32 dx, f32 dy);

Control* GetActiveSheet();
u16 ControlChildCount(const Control* control);

// A modal box with a caption, a message and buttons ("Ok", "Yes|No"); runs engine frames until
// a button is pressed and returns its index (0 = first). Without a font or a GL context to
// draw with, the message goes to the log and the system's box, and the result is 0.
constexpr int MSGBOX_INVALID = -1;     // missing text, caption or button list
constexpr int MSGBOX_UNAVAILABLE = -2; // all 128 boxes open, or the box could not be built
constexpr int MSGBOX_CLOSED = -3;      // the program ended or the box was destroyed meanwhile
constexpr int MSGBOX_MAX_BUTTONS = 32; // further labels are left out
constexpr int MSGBOX_MAX_LABEL = 31;   // longer labels are cut (at a character boundary)
int MsgBox(const char* text, const char* caption, const char* buttons);
