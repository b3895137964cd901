// Minimal GUI entry points until the control toolkit lands: no sheet is ever active, so the
// scene always shows, and message boxes fall back to the system's.
#include "gui/gui.h"
#include "platform/platform.h"

void InitGUI() {}
void ShutdownGUI() {}
bool DrawGUI() { return true; }
void UpdateGUI(f32) {}
bool GUIShowsScene() { return true; }
void SelectCursor(i32) {}
void GUIKeyDown(u32) {}
void GUIKeyUp(u32) {}
void GUIDoubleClick(u32) {}
void GUIChar(u32) {}
void GUIMouseMove(f32, f32) {}

Control* GetActiveSheet() { return nullptr; }
u16 ControlChildCount(const Control*) { return 0; }

int MsgBox(const char* text, const char* caption, const char*) {
    Sys_MessageBox(text, caption, SYS_MB_ERROR);
    return 0;
}
