// Screenshots of the GL frame buffer and the two file layouts they are written in.
#pragma once

#include "engine/types.h"

// Writes the frame buffer to a path ending in ".bmp" or ".tga".
void glScreenShot(const char* path);
// The two screenshot layouts, from RGB rows stored bottom row first.
bool WriteBMP24(const char* path, int width, int height, const u8* rgbBottomUp);
bool WriteTGA24(const char* path, int width, int height, const u8* rgbBottomUp);
