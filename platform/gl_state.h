// The few fixed-function GL state changes the engine makes on its own context. Plain OpenGL,
// apart from the SDL platform so the scripted platform of windowless runs shares them: there
// they reach GL with no context current, which the driver ignores.
#pragma once

#include <cstdint>

// The engine's start-up state: black clear colour, alpha blending, 2D texturing and smoothed
// lines and points, so every layer above draws on the same footing.
void GLimp_SetDefaultState();
// Viewport over the whole client area with the 45-degree perspective projection between the
// given planes, and the model-view reset, as a freshly sized 3D view needs.
void GLimp_SetPerspectiveView(int width, int height, double nearPlane, double farPlane);
// Viewport over the whole client area with the virtual screen (y down) mapped onto it, and the
// model-view reset, as a freshly sized 2D view needs.
void GLimp_SetVirtualScreenView(int width, int height, int virtualWidth, int virtualHeight);
// Clears the colour buffer, plus depth and stencil when their tests are on, so a frame starts
// clean whatever the layers above enabled.
void GLimp_ClearBuffers();
// The first value of a float state (GL_LINE_WIDTH, ...), for callers without GL headers.
float GLimp_GetFloat(uint32_t name);
// Reads the back buffer's bottom-left width x height as packed RGB rows, bottom row first,
// so a screenshot shows the frame before it is swapped out.
void GLimp_ReadBackBuffer(int width, int height, uint8_t* rgb);
