// Textures and tiled surfaces loaded from image files, and the registry that lets every
// texture survive the loss of the GL context.
#pragma once

#include "engine/types.h"

struct Texture {
    u16 width; // as uploaded (power of two)
    u16 height;
    u32 name; // GL texture name; rewritten by glUpload
};

constexpr u16 SURFACE_TILE_PIXELS = 254; // image pixels per tile; tiles are 256 with a border
constexpr u16 SURFACE_TILE_SIZE = 256;   // texture size of a full tile

struct Surface {
    u16 width; // image pixels
    u16 height;
    u16 columns; // tiles across
    u16 rows;    // tiles down
    u16 lastColumnPixels;
    u16 lastRowPixels;
    u16 lastColumnWidth; // texture width of the last tile column
    u16 lastRowHeight;   // texture height of the last tile row
    u32* names;          // columns x rows GL names, row-major; rewritten by glUpload
};

// The filter argument may carry a compression request in its top four bits.
constexpr u32 TEXTURE_COMPRESS_SHIFT = 28;
constexpr u32 TEXTURE_FILTER_MASK = 0x0FFFFFFF;
constexpr u32 TEXTURE_COMPRESS_DXT1 = 0xA; // DXT1 (with alpha for RGBA images)
constexpr u32 TEXTURE_COMPRESS_DXT3 = 0xB;
constexpr u32 TEXTURE_COMPRESS_DXT5 = 0xC;
constexpr u32 TEXTURE_COMPRESS_ANY = 0xF; // stored uncompressed: no GL format fits the request

Texture* glLoadTexture(const char* path, u32 filter);
Surface* glLoadSurface(const char* path, u32 filter);
void glFreeSurface(Surface* surface);
void glBindTex(const Texture* texture);
// 1 when n < 2, else the smallest power of two not below n (at most 16384, the largest that
// fits).
i16 NextPow2(i16 n);

// Registry of every GL texture the engine made, so glDownload/glUpload can save and rebuild
// them across a lost context. The owner points at where the texture's name is stored.
void RegisterTexture(u32* owner, u16 width, u16 height, u32 filter, u32 format, bool mipmapped);
void UnregisterTexture(u32 name);
u32 RegisteredTextureCount();
void glDownload();
void glUpload();

// What the registry holds about one texture (index in creation order).
struct RegisteredTextureInfo {
    u32* owner;
    u32 name; // the name currently stored through owner
    u16 width, height;
    u32 filter;
    u32 format;
    bool mipmapped;
    bool saved; // pixels are held in memory awaiting glUpload
};
bool GetRegisteredTexture(u32 index, RegisteredTextureInfo* out);

// Deletes the texture whose name is stored at owner and removes its entry. A texture saved by
// glDownload is only forgotten: its name belongs to a context that is gone.
void DeleteRegisteredTexture(u32* owner);

// Forgets every entry and its saved pixels; the engine calls it at shutdown, when the records
// the owners point into are freed.
void ResetTextureRegistry();
