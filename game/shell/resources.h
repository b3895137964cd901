// The game's shared resources: fonts, textures and the HUD tint, loaded at start and used by the
// menu, the consoles, the chat and the scene.
#pragma once

#include "engine/types.h"

struct Font;
struct Texture;

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
    u32 hudColor = 0xFF58F086; // (134, 240, 88), packed red in the lowest byte
};
extern GameResources res;

// The menu pointer (GUI cursor slot 1): the pointer picture 32 x 32 with its tip at (x, y).
void DrawMenuPointer(f32 x, f32 y);
