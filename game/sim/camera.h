// The battle camera's state shared with the rest of the game.
#pragma once

#include "engine/types.h"

constexpr f32 CAMERA_START_ZOOM = 1000.0f;

// The camera's zoom distance: 1000 at start, kept between 500 and 3000.
extern f32 cameraZoom;
