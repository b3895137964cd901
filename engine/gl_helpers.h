// Small GL conveniences: clearing the buffers in use, reading a float state, sorting arrays
// whose element type is given as a GL type code.
#pragma once

#include "engine/types.h"

// Clears the colour buffer, plus depth and stencil when their tests are enabled.
void ClearBuffers();
// The first value of a GL float state.
f32 GetGLFloat(u32 name);
bool IsNaN(f64 value);
// Sorts ascending by element type: GL_INT, GL_FLOAT (values closer than 1e-5 count as equal),
// GL_SHORT, GL_BYTE (unsigned), 0 (signed bytes), GL_DOUBLE; any other type leaves the array.
void SortByGLType(void* array, u32 count, u32 glType);
