// The game's frame callbacks: what one frame updates and draws in which order, and how keys and
// the mouse reach the simulation and the consoles.
#pragma once

#include "engine/types.h"

void GameUpdate(f32 dt);
void GameRender();
void GameMouseMove(f32 x, f32 y);
void GameKeyUp(u32 key);
void GameKeyDown(u32 key);
void GameKeyHit(u32 key);
void GameDoubleClick(u32 key);

// Installs the seven callbacks and the one-second shield timer.
void InstallGameCallbacks();

// True when no control of the in-flight GUI has the focus (the active sheet itself has it).
bool GameHasInput();

// Engine key codes the game handles itself.
constexpr u32 KEY_LBUTTON = 230;
constexpr u32 KEY_RBUTTON = 231;
constexpr u32 KEY_MBUTTON = 232;
constexpr u32 KEY_SPACE = 32;

struct FrameState {
    f32 disruptorRepeat = 0.0f; // seconds since disruptors last fired (reset by FireWeapons)
    f32 torpedoRepeat = 0.0f;
    f32 pulsePhase = 0.0f; // degrees, drives the flashing warnings
    bool showDirections = false;
    bool showQuickHelp = false;
    u32 engineSource = 0xFFFFFFFF; // the looping engine hum, made on the first render
    u16 shieldTimer = 0xFFFF;
};
extern FrameState frame;
