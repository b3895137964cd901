// GL helpers shared by the texture loaders and the registry: filter setup, pixel sizes and
// the upload of one texture image with or without mipmaps.
#pragma once

#include "engine/types.h"

// True when a GL context is current; GLU's helpers read pixel-store state and must not run
// without one.
bool GLContextCurrent();

// Bytes per pixel of GL_RGB, GL_RGBA or GL_LUMINANCE_ALPHA pixels; 4 for anything else, so a
// buffer sized with it is never too small.
u32 TextureBytesPerPixel(u32 format);

bool IsMipmapFilter(u32 filter);

// Sets the minification filter and a magnification filter GL accepts: a mipmap filter is not
// a magnification filter, so those textures magnify linearly.
void SetTextureFilters(u32 filter);

// Uploads level 0 (and with mipmaps every level) of the bound GL_TEXTURE_2D.
void UploadTextureImage(u16 width, u16 height, u32 internalFormat, u32 format, const u8* pixels,
                        bool mipmapped);
