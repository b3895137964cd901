// The audio listener's position, set by the game's camera so sounds fade as the view zooms out.
#pragma once

#include "engine/types.h"

// Does nothing while sound is unavailable.
void SetListenerPosition(f32 x, f32 y, f32 z);
