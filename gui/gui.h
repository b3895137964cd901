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

int MsgBox(const char* text, const char* caption, const char* buttons);
