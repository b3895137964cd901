// A window with a sheet and a button. The GUI registers with the engine, whose frame then draws
// it and hands it the input; controls are made by class and name and set up by property name.
#include "engine/engine.h"
#include "engine/log.h"
#include "engine/loop.h"
#include "engine/window.h"
#include "graphics/font.h"
#include "gui/control.h"
#include "gui/module.h"
#include "gui/sheet.h"

namespace {
constexpr int FRAMES = 10;
int frames = 0;

void Clicked(u32 /*button*/) {
    LogWrite("Hello clicked");
}
void CountFrame() {
    if (++frames == FRAMES) StopEngine();
}
} // namespace

int main() {
    RegisterGUIModule();
    InitEngine("A sheet and a button");
    CreateMainWindow(800, 600, 0);
    InitGL(0);
    Font* font = LoadFont("Data/Fonts/arial_24.dsf"); // freed with the engine
    CreateControl("Sheet", "Main", nullptr, 0, 0, 800, 600);
    SetActiveSheet("Main");
    CreateControl("Button", "Hello", "Main", 330, 280, 140, 40);
    SetProperty("Hello", "Font", &font);
    SetProperty("Hello", "Text", "Hello");
    SetEventFn("Hello", "Click", Clicked);
    AddTimer(CountFrame, 0.0f); // every frame
    RunMainLoop();
    DestroyEngine();
    return frames == FRAMES && font ? 0 : 1;
}
