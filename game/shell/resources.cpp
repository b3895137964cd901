// The game's shared resources: the font pair for the display height, the textures loaded at
// start, and the menu pointer drawn from one of them.
#include "game/shell/resources.h"

#include "engine/log.h"
#include "engine/window.h"
#include "game/shell/startup.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/font.h"
#include "graphics/gl_setup.h"
#include "graphics/texture.h"

GameResources res;

namespace {

struct FontPair {
    i16 maxHeight; // the largest display height the pair serves
    const char* small;
    const char* large;
};

// Each small font stores the scale that draws it 12 units high in the 800 x 600 space, so a
// taller display gets sharper, not larger, text; the large one, twice the texels, shares that
// scale and comes out 24 units high. (arial_24 is both a small and a large font, so only the
// small font's scale is right for both.)
const FontPair FONT_PAIRS[] = {
    {600, "Data/Fonts/arial_12.dsf", "Data/Fonts/arial_24.dsf"},
    {768, "Data/Fonts/arial_15.dsf", "Data/Fonts/arial_30.dsf"},
    {864, "Data/Fonts/arial_17.dsf", "Data/Fonts/arial_34.dsf"},
    {1024, "Data/Fonts/arial_19.dsf", "Data/Fonts/arial_38.dsf"},
    {1200, "Data/Fonts/arial_24.dsf", "Data/Fonts/arial_48.dsf"},
};
constexpr int FONT_PAIR_COUNT = int(sizeof FONT_PAIRS / sizeof FONT_PAIRS[0]);

// Taller displays than the menu offers get the largest pair.
const FontPair& PairForHeight(i16 height) {
    for (const FontPair& pair : FONT_PAIRS)
        if (height <= pair.maxHeight) return pair;
    return FONT_PAIRS[FONT_PAIR_COUNT - 1];
}

struct TextureFile {
    Texture* GameResources::*handle;
    const char* path;
    u32 filter;
};

const TextureFile GAME_TEXTURES[] = {
    {&GameResources::disruptorTexture, "Data/distruptor.dsx", FILTER_LINEAR},
    {&GameResources::torpedoTexture, "Data/torpedo.dsx", FILTER_LINEAR},
    {&GameResources::menuCursorTexture, "Data/Graphics/menu_cursor.dsx",
     FILTER_LINEAR_MIPMAP_LINEAR},
    {&GameResources::gameCursorTexture, "Data/Graphics/game_cursor.dsx",
     FILTER_LINEAR_MIPMAP_LINEAR},
    {&GameResources::lancerTexture, "lancer.tga", FILTER_LINEAR_MIPMAP_LINEAR},
    {&GameResources::sparkTexture, "spark.tga", FILTER_LINEAR_MIPMAP_LINEAR},
};

constexpr f32 POINTER_SIZE = 32.0f;
constexpr f32 POINTER_TIP_X = 8.0f; // the tip's place in the picture
constexpr f32 POINTER_TIP_Y = 5.0f;
constexpr u32 OPAQUE_WHITE = 0xFFFFFFFF;

} // namespace

void LoadFonts() {
    LogWrite("Loading fonts");
    FreeFont(res.smallFont);
    FreeFont(res.largeFont);
    const FontPair& pair = PairForHeight(GetClientHeight());
    res.smallFont = LoadFont(pair.small);
    res.largeFont = LoadFont(pair.large);
    if (res.smallFont && res.largeFont) res.largeFont->scale = res.smallFont->scale;
    SetFont(res.smallFont);
    LogWrite("Fonts loaded");
}

void LoadAvatarTexture() {
    res.avatarTexture = glLoadTexture("Data/Graphics/avatar.dsx", FILTER_LINEAR);
}

void LoadGameTextures() {
    for (const TextureFile& file : GAME_TEXTURES)
        res.*file.handle = glLoadTexture(file.path, file.filter);
}

void DrawMenuPointer(f32 x, f32 y) {
    if (!res.menuCursorTexture) return;
    PushColor();
    SetColor(OPAQUE_WHITE);
    glDrawTexture(x - POINTER_TIP_X, y - POINTER_TIP_Y, POINTER_SIZE, POINTER_SIZE,
                  res.menuCursorTexture, nullptr, FLIP_NONE);
    PopColor();
}
