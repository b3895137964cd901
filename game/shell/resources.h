// The game's shared resources: fonts, textures and the HUD tint, loaded at start and used by the
// menu, the consoles, the chat and the scene.
#pragma once

#include "engine/types.h"

struct Font;
struct Texture;

constexpr u32 DEFAULT_HUD_COLOR = 0xFF58F086; // (134, 240, 88), packed red in the lowest byte

struct GameResources {
    Font* smallFont = nullptr;
    Font* largeFont = nullptr;
    Texture* avatarTexture = nullptr;
    Texture* disruptorTexture = nullptr;
    Texture* torpedoTexture = nullptr;
    Texture* menuCursorTexture = nullptr;
    Texture* gameCursorTexture = nullptr;
    Texture* lancerTexture = nullptr;
    Texture* sparkTexture = nullptr;
    u32 hudColor = DEFAULT_HUD_COLOR;
};
extern GameResources res;

// The chat avatar (loaded first, before the texts and models).
void LoadAvatarTexture();
// The projectile, cursor and beam textures, in the order the loading step names them.
void LoadGameTextures();

// The menu pointer (GUI cursor slot 1): the pointer picture 32 x 32 with its tip at (x, y).
void DrawMenuPointer(f32 x, f32 y);
