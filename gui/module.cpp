// The GUI's engine module.
#include "gui/module.h"

#include "engine/module.h"
#include "gui/gui.h"

namespace {
constexpr i32 DEFAULT_CURSOR_SLOT = 1; // every frame starts with the arrow; controls may change it

void BeginFrame() {
    SelectCursor(DEFAULT_CURSOR_SLOT);
}
void Draw() {
    DrawGUI();
}
int ReportBox(const char* text, const char* caption) {
    return MsgBox(text, caption, "Ok");
}

const EngineModule guiModule = {
    .name = "gui",
    .init = InitGUI,
    .shutdown = ShutdownGUI,
    .beginFrame = BeginFrame,
    .showsScene = GUIShowsScene,
    .draw = Draw,
    .advance = UpdateGUI,
    .keyDown = GUIKeyDown,
    .keyUp = GUIKeyUp,
    .doubleClick = GUIDoubleClick,
    .character = GUIChar,
    .mouseMove = GUIMouseMove,
    .reportError = ReportBox,
};
} // namespace

const EngineModule* GUIModule() {
    return &guiModule;
}

void RegisterGUIModule() {
    RegisterEngineModule(&guiModule);
}
