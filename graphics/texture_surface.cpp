// glLoadSurface and glFreeSurface: an image of any size cut into 256 x 256 tiles that hold
// 254 x 254 image pixels and a one-texel border copied from the neighbouring tiles, so linear
// filtering shows no seams where tiles meet.
#include <GL/gl.h>
#include <cstdlib>

#include "engine/engine.h"
#include "graphics/image_loader.h"
#include "graphics/texture.h"
#include "graphics/texture_gl.h"

namespace {
constexpr u32 BORDER = 1;

// Tiles are never mipmapped, so a mipmap filter keeps only its base filter; otherwise the
// tiles would be incomplete textures and draw nothing.
u32 SurfaceFilter(u32 filter) {
    filter &= TEXTURE_FILTER_MASK;
    if (filter == GL_NEAREST_MIPMAP_NEAREST || filter == GL_NEAREST_MIPMAP_LINEAR)
        return GL_NEAREST;
    if (filter == GL_LINEAR_MIPMAP_NEAREST || filter == GL_LINEAR_MIPMAP_LINEAR) return GL_LINEAR;
    return filter;
}

u16 TileCount(u16 pixels) {
    return u16((pixels + SURFACE_TILE_PIXELS - 1) / SURFACE_TILE_PIXELS);
}

u16 LastTilePixels(u16 pixels) {
    u16 rest = pixels % SURFACE_TILE_PIXELS;
    return rest ? rest : SURFACE_TILE_PIXELS;
}

u32 TileTotal(const Surface& s) {
    return u32(s.columns) * s.rows;
}

// The record and its names array, both in the engine's allocation list; null without memory.
Surface* NewSurface(u16 width, u16 height) {
    auto* surface = static_cast<Surface*>(calloc(1, sizeof(Surface)));
    if (!surface) return nullptr;
    surface->width = width;
    surface->height = height;
    surface->columns = TileCount(width);
    surface->rows = TileCount(height);
    surface->lastColumnPixels = LastTilePixels(width);
    surface->lastRowPixels = LastTilePixels(height);
    surface->lastColumnWidth = u16(NextPow2(i16(surface->lastColumnPixels + 2 * BORDER)));
    surface->lastRowHeight = u16(NextPow2(i16(surface->lastRowPixels + 2 * BORDER)));
    surface->names = static_cast<u32*>(calloc(TileTotal(*surface), sizeof(u32)));
    if (!surface->names) {
        free(surface);
        return nullptr;
    }
    TrackAlloc(surface);
    TrackAlloc(surface->names);
    return surface;
}

// Copies a w x h block of image pixels at (ix, iy) to texel (tx, ty) of the bound tile; the
// unpack row length is the image width, so the block is read straight from the image.
struct TileWriter {
    const ImageData& image;
    u32 bytesPerPixel;
    void Copy(u32 tx, u32 ty, u32 ix, u32 iy, u32 w, u32 h) const {
        const u8* from = image.pixels + (size_t(iy) * image.width + ix) * bytesPerPixel;
        glTexSubImage2D(GL_TEXTURE_2D, 0, GLint(tx), GLint(ty), GLsizei(w), GLsizei(h),
                        image.format, GL_UNSIGNED_BYTE, from);
    }
};

// Fills tile (column, row): its pixels at texel (1, 1) and the border around them from the
// neighbouring pixels, or from the image's own edge where there is no neighbour.
void FillTile(const TileWriter& writer, u16 column, u16 row) {
    const ImageData& image = writer.image;
    u32 x0 = u32(column) * SURFACE_TILE_PIXELS, y0 = u32(row) * SURFACE_TILE_PIXELS;
    u32 w = image.width - x0 < SURFACE_TILE_PIXELS ? image.width - x0 : SURFACE_TILE_PIXELS;
    u32 h = image.height - y0 < SURFACE_TILE_PIXELS ? image.height - y0 : SURFACE_TILE_PIXELS;
    u32 left = x0 > 0 ? x0 - 1 : 0;
    u32 right = x0 + w < image.width ? x0 + w : image.width - 1u;
    u32 top = y0 > 0 ? y0 - 1 : 0;
    u32 bottom = y0 + h < image.height ? y0 + h : image.height - 1u;
    u32 farX = w + BORDER, farY = h + BORDER;

    writer.Copy(BORDER, BORDER, x0, y0, w, h);
    writer.Copy(0, BORDER, left, y0, 1, h);
    writer.Copy(farX, BORDER, right, y0, 1, h);
    writer.Copy(BORDER, 0, x0, top, w, 1);
    writer.Copy(BORDER, farY, x0, bottom, w, 1);
    writer.Copy(0, 0, left, top, 1, 1);
    writer.Copy(farX, 0, right, top, 1, 1);
    writer.Copy(0, farY, left, bottom, 1, 1);
    writer.Copy(farX, farY, right, bottom, 1, 1);
}

void BuildTiles(Surface* surface, const ImageData& image, u32 filter) {
    glGenTextures(GLsizei(TileTotal(*surface)), surface->names);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, image.width);
    TileWriter writer{image, TextureBytesPerPixel(image.format)};
    for (u16 row = 0; row < surface->rows; row++) {
        u16 height = row + 1 == surface->rows ? surface->lastRowHeight : SURFACE_TILE_SIZE;
        for (u16 column = 0; column < surface->columns; column++) {
            u16 width =
                column + 1 == surface->columns ? surface->lastColumnWidth : SURFACE_TILE_SIZE;
            u32* name = &surface->names[u32(row) * surface->columns + column];
            glBindTexture(GL_TEXTURE_2D, *name);
            SetTextureFilters(filter);
            glTexImage2D(GL_TEXTURE_2D, 0, GLint(image.format), width, height, 0, image.format,
                         GL_UNSIGNED_BYTE, nullptr);
            RegisterTexture(name, width, height, filter, image.format, false);
            FillTile(writer, column, row);
        }
    }
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}
} // namespace

Surface* glLoadSurface(const char* path, u32 filter) {
    ImageData image;
    if (!LoadImageFile(path, SURFACE_LOADER_MESSAGES, &image)) return nullptr;
    Surface* surface = NewSurface(image.width, image.height);
    if (!surface) {
        FreeImageData(&image);
        ReportLoadFailure(SURFACE_LOADER_MESSAGES, path);
        return nullptr;
    }
    BuildTiles(surface, image, SurfaceFilter(filter));
    FreeImageData(&image);
    return surface;
}

void glFreeSurface(Surface* surface) {
    if (!surface) return;
    if (surface->names) {
        for (u32 i = 0; i < TileTotal(*surface); i++) DeleteRegisteredTexture(&surface->names[i]);
        UntrackAlloc(surface->names);
        free(surface->names);
    }
    UntrackAlloc(surface);
    free(surface);
}
