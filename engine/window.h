// The one window and its OpenGL context, full-screen display modes, minimise and restore.
#pragma once

#include "engine/types.h"

constexpr u16 WINDOW_FULLSCREEN = 0x1D00;
constexpr u16 WINDOW_RESIZABLE = 1;

void CreateMainWindow(i16 width, i16 height, u16 mode);
void DestroyMainWindow();
void InitGL(i16 argument);
void DestroyGL();
bool SetDisplayMode(i16 width, i16 height, u8 bits, u8 refresh);
void RestoreDisplayMode();
void SwapMainBuffers();

i16 GetClientWidth();
i16 GetClientHeight();
void SetClientSize(i16 width, i16 height);
i16 GetDisplayBits(); // non-zero while a full-screen mode is in force
bool HasGLContext();

// The 2D projection flag (set by the 2D drawing mode, cleared by InitGL and DestroyGL).
bool Is2DMode();
void Set2DMode(bool on);

// Window-size message handling: minimise, restore and plain resizes.
void HandleMinimize();
void HandleRestore();
void HandleResize(i16 width, i16 height);
void HandleFocusLoss();

// Fatal-start-up exit status (a missing GL context must not report success).
constexpr int EXIT_NO_GL_CONTEXT = 2;
