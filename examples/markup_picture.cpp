// A picture and a line of text with colour tags, drawn by the game's render slot every frame
// through the graphics layer (no GL calls here).
#include "engine/engine.h"
#include "engine/loop.h"
#include "engine/utils.h"
#include "engine/window.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/font.h"
#include "graphics/gl_setup.h"
#include "graphics/texture.h"

namespace {
constexpr int FRAMES = 10;
struct Example {
    Texture* picture = nullptr;
    Font* font = nullptr;
    int frames = 0;
};
Example example;

void Render() {
    ClearBuffers();
    SetColorF(1, 1, 1, 1);
    glDrawTexture(336, 180, 128, 128, example.picture, nullptr, FLIP_NONE);
    DrawText(400, 340, "A <c red>red</c> word and a <color 255,255,0>yellow</c> one", ALIGN_CENTER);
    if (++example.frames == FRAMES) StopEngine();
}
} // namespace

int main() {
    InitEngine("A picture and markup text");
    CreateMainWindow(800, 600, 0);
    InitGL(0);
    example.picture = glLoadTexture("fin.tga", FILTER_LINEAR);
    example.font = LoadFont("Data/Fonts/arial_24.dsf");
    SetFont(example.font);
    SetCallbackFn(CB_RENDER, Render);
    RunMainLoop();
    DestroyEngine();
    return example.frames == FRAMES && example.picture && example.font ? 0 : 1;
}
