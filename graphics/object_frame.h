// The model-view frame one scene object is drawn in: saved, moved to the object's offset from
// the camera's subject and turned by its heading, then put back.
#pragma once

#include "engine/types.h"

// Saves the model-view transform, translates by (dx, dy) and rotates by degrees clockwise on
// the y-down screen.
void glPushObjectFrame(f32 dx, f32 dy, f32 degrees);
// Restores the transform saved by the matching glPushObjectFrame.
void glPopObjectFrame();
// Sets the model-view transform to identity.
void glResetObjectView();
// Clears the colour buffer of the frame being drawn.
void glClearFrame();
