// A fresh battle for each scene test, drawn with plain white textures.
#include "tests/game/scene/scene_fixture.h"

#include <GL/gl.h>
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

struct WhiteTextures {
    Texture sprite{};
    Texture sheet{};
};
WhiteTextures white;

void MakeWhite(Texture* texture, u16 size) {
    if (texture->name) return;
    std::vector<u8> pixels(size_t(size) * size * 4, 255);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, size, size, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    *texture = Texture{size, size, name};
}
} // namespace

void SceneGLTest::SetUp() {
    GLTestEnsureContext();
    MakeWhite(&white.sprite, SPRITE_PIXELS);
    MakeWhite(&white.sheet, SHEET_PIXELS);
    ResetSimulation();
    ResetInputState();
    keyBindings[ACTION_CONSOLE] = KeyBinding{{u8(CONSOLE_KEY)}, 1};
    SetMousePos(400, 300);
    for (int i = 0; i < SHIP_CLASS_COUNT; i++) world.shipClasses[i].sprite = &white.sprite;
    hud.tacticalTexture = &white.sheet;
    GLTestClear(0, 0, 0);
}

void SceneGLTest::TearDown() {
    ResetInputState();
    hud.tacticalTexture = nullptr;
}

void SceneGLTest::RenderScene(bool stars) {
    GLTestClear(0, 0, 0);
    Transform2D frame;
    ApplyCamera();
    if (stars) DrawStars();
    DrawObjects();
}

void SceneGLTest::HoldKey(u32 key, bool down) {
    WndProc(SysMessage{down ? u32(SYSMSG_KEYDOWN) : u32(SYSMSG_KEYUP), key, 0});
}

bool LitAt(int x, int y, int threshold) {
    RGBA p = GLTestPixel(x, y);
    return p.r > threshold || p.g > threshold || p.b > threshold;
}
