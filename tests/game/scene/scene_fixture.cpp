// A fresh battle for each scene test, drawn with plain white textures.
#include "tests/game/scene/scene_fixture.h"

#include <GL/gl.h>
#include <map>
#include <vector>

#include "engine/input.h"
#include "game/shell/bindings.h"
#include "game/shell/consoles.h"
#include "game/sim/objects.h"
#include "game/sim/scene.h"
#include "graphics/draw2d_game.h"
#include "graphics/texture.h"

namespace {
constexpr u16 SPRITE_PIXELS = 64;
constexpr u16 SHEET_PIXELS = 512;

// A white square texture, made once per size: the context outlives every test.
Texture* WhiteTexture(u16 size) {
    static std::map<u16, Texture> made;
    Texture& texture = made[size];
    if (texture.name) return &texture;
    std::vector<u8> pixels(size_t(size) * size * 4, 255);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, size, size, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    texture = Texture{size, size, name};
    return &texture;
}
} // namespace

void SceneGLTest::SetUp() {
    GLTestEnsureContext();
    ResetSimulation();
    ResetInputState();
    keyBindings[ACTION_CONSOLE] = KeyBinding{{'C'}, 1}; // without keys it would always be held
    SetMousePos(400, 300);
    for (int i = 0; i < SHIP_CLASS_COUNT; i++)
        world.shipClasses[i].sprite = WhiteTexture(SPRITE_PIXELS);
    hud.tacticalTexture = WhiteTexture(SHEET_PIXELS);
    GLTestClear(0, 0, 0);
}

void SceneGLTest::TearDown() {
    ResetInputState();
    hud.tacticalTexture = nullptr;
}

void SceneGLTest::RenderScene() {
    GLTestClear(0, 0, 0);
    Transform2D frame;
    ApplyCamera();
    DrawObjects();
}

bool LitAt(int x, int y, int threshold) {
    RGBA p = GLTestPixel(x, y);
    return p.r > threshold || p.g > threshold || p.b > threshold;
}
