// The game's sound effects: the nine buffers loaded at start and the effect player whose volume
// follows the camera zoom.
#pragma once

#include "engine/types.h"

extern u32 engineSound;
extern u32 cloakOnSound;
extern u32 cloakOffSound;
extern u32 warpSound;
extern u32 warpExitSound;
extern u32 torpedoSound;
extern u32 disruptorSound;
extern u32 lancerSound;
extern u32 lancerStartSound;

// Loads the nine sounds from "Data/Audio"; a sound that fails keeps INVALID_HANDLE and plays as
// nothing.
void LoadSounds();
// Plays a weapon, cloak or console sound at the world origin, quieter the further the camera
// is zoomed out: gain (4000 - zoom) / 4000.
void PlayUISound(u32 buffer);
// The gain of a sound at the world origin for the current zoom: (4000 - zoom) / 4000, not below 0.
f32 ZoomGain();
