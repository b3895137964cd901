// Textures and tiled surfaces loaded from image files, and the registry that lets every
// texture survive the loss of the GL context.
#pragma once

#include "engine/types.h"

struct Texture {
    u16 width;  // as uploaded (power of two)
    u16 height;
    u32 name;   // GL texture name; rewritten by glUpload
};

constexpr u16 SURFACE_TILE_PIXELS = 254; // image pixels per tile; tiles are 256 with a border

struct Surface {
    u16 width;   // image pixels
    u16 height;
    u16 columns; // tiles across
    u16 rows;    // tiles down
    u16 lastColumnPixels;
    u16 lastRowPixels;
    u16 lastColumnWidth; // texture width of the last tile column
    u16 lastRowHeight;   // texture height of the last tile row
    u32* names;          // columns x rows GL names, row-major; rewritten by glUpload
};

Texture* glLoadTexture(const char* path, u32 filter);
Surface* glLoadSurface(const char* path, u32 filter);
void glFreeSurface(Surface* surface);
void glBindTex(const Texture* texture);
i16 NextPow2(i16 n);

// Registry of every GL texture the engine made, so glDownload/glUpload can save and rebuild
// them across a lost context. The owner points at where the texture's name is stored.
void RegisterTexture(u32* owner, u16 width, u16 height, u32 filter, u32 format, bool mipmapped);
void UnregisterTexture(u32 name);
u32 RegisteredTextureCount();
void glDownload();
void glUpload();
