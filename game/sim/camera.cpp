// The battle camera's state.
#include "game/sim/camera.h"

f32 cameraZoom = CAMERA_START_ZOOM;
