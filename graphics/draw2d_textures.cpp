// Textured quads with flips and source rectangles, and tiled surfaces drawn across their tile
// seams and clipped at the right and bottom edges of the virtual screen.
#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/input.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_frame.h"
#include "graphics/texture.h"

namespace {
constexpr f32 TILE_PIXELS = SURFACE_TILE_PIXELS;
constexpr f32 TILE_SIZE = SURFACE_TILE_SIZE;
constexpr f32 TILE_BORDER = 1.0f;

bool MirrorsX(u16 flip) {
    return flip == FLIP_HORIZONTAL || flip == FLIP_BOTH;
}
bool MirrorsY(u16 flip) {
    return flip == FLIP_VERTICAL || flip == FLIP_BOTH;
}

void TexturedQuad(f32 x0, f32 y0, f32 x1, f32 y1, f32 s0, f32 t0, f32 s1, f32 t1) {
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t0);
    glVertex2f(x0, y0);
    glTexCoord2f(s1, t0);
    glVertex2f(x1, y0);
    glTexCoord2f(s1, t1);
    glVertex2f(x1, y1);
    glTexCoord2f(s0, t1);
    glVertex2f(x0, y1);
    glEnd();
}

// Cuts a destination span that passes the screen edge, and its source span in proportion.
// When mirrored, the cut-off end of the destination shows the start of the source.
void ClipAtScreenEdge(f32 position, f32* size, f32* sourcePosition, f32* sourceSize, f32 screen,
                      bool mirrored) {
    if (position + *size <= screen || *size <= 0) return;
    f32 kept = (screen - position) / *size;
    f32 cut = *sourceSize * (1.0f - kept);
    *sourceSize *= kept;
    *size = screen - position;
    if (mirrored) *sourcePosition += cut;
}

// Keeps a source span inside a surface side of extent pixels.
void LimitSource(f32* position, f32* size, f32 extent) {
    if (*size > extent) *size = extent;
    if (*position + *size > extent) *position = extent - *size;
    if (*position < 0) *position = 0;
    if (*size < 1) *size = 1;
    if (*position > extent - 1) *position = extent - 1;
}

// One axis of the tile walk: where the source starts inside its first tile, and the scale
// and origin of the destination.
struct TileAxis {
    int first, end; // tile range [first, end)
    f32 offset;     // source position inside the first tile
    f32 origin, scale;
};

TileAxis MakeAxis(f32 position, f32 size, f32 source, f32 sourceSize, int tiles, bool mirrored) {
    TileAxis axis;
    axis.first = int(floorf(source / TILE_PIXELS));
    axis.end = int(ceilf((source + sourceSize) / TILE_PIXELS));
    if (axis.end > tiles) axis.end = tiles;
    axis.offset = source - f32(axis.first) * TILE_PIXELS;
    axis.scale = size / sourceSize;
    axis.origin = position;
    if (mirrored) {
        axis.origin = position + size;
        axis.scale = -axis.scale;
    }
    return axis;
}

struct SurfaceWalk {
    const Surface& surface;
    TileAxis x, y;
    f32 sourceWidth, sourceHeight;
};

void DrawTileRow(const SurfaceWalk& walk, int row, f32 offsetY, f32 partH, f32 doneY) {
    const Surface& s = walk.surface;
    f32 texH = row + 1 == s.rows ? f32(s.lastRowHeight) : TILE_SIZE;
    f32 t0 = (offsetY + TILE_BORDER) / texH, t1 = (offsetY + TILE_BORDER + partH) / texH;
    f32 y0 = walk.y.origin + doneY * walk.y.scale;
    f32 y1 = walk.y.origin + (doneY + partH) * walk.y.scale;
    f32 offsetX = walk.x.offset, remaining = walk.sourceWidth, doneX = 0;
    for (int column = walk.x.first; column < walk.x.end && remaining > 0; column++) {
        f32 texW = column + 1 == s.columns ? f32(s.lastColumnWidth) : TILE_SIZE;
        f32 partW = std::min(TILE_PIXELS - offsetX, remaining);
        glBindTexture(GL_TEXTURE_2D, s.names[row * s.columns + column]);
        TexturedQuad(walk.x.origin + doneX * walk.x.scale, y0,
                     walk.x.origin + (doneX + partW) * walk.x.scale, y1,
                     (offsetX + TILE_BORDER) / texW, t0, (offsetX + TILE_BORDER + partW) / texW,
                     t1);
        doneX += partW;
        remaining -= partW;
        offsetX = 0;
    }
}

void DrawTiles(const SurfaceWalk& walk) {
    f32 offsetY = walk.y.offset, remaining = walk.sourceHeight, doneY = 0;
    for (int row = walk.y.first; row < walk.y.end && remaining > 0; row++) {
        f32 partH = std::min(TILE_PIXELS - offsetY, remaining);
        DrawTileRow(walk, row, offsetY, partH, doneY);
        doneY += partH;
        remaining -= partH;
        offsetY = 0;
    }
}
} // namespace

void glDrawTexture(f32 x, f32 y, f32 w, f32 h, const Texture* texture, const TempRectF* source,
                   u16 flip) {
    if (!texture || texture->width == 0 || texture->height == 0) return;
    f32 texW = texture->width, texH = texture->height;
    TempRectF src = source ? *source : TempRectF{0, 0, texW, texH};
    if (src.x < 0) src.x = 0;
    if (src.y < 0) src.y = 0;
    if (src.w < 1) src.w = 1;
    if (src.h < 1) src.h = 1;
    f32 left = x, right = x + w, top = y, bottom = y + h;
    if (MirrorsX(flip)) std::swap(left, right);
    if (MirrorsY(flip)) std::swap(top, bottom);
    Draw2DFrame frame(Draw2DFrame::TEXTURED);
    glBindTexture(GL_TEXTURE_2D, texture->name);
    TexturedQuad(left, top, right, bottom, src.x / texW, src.y / texH, (src.x + src.w) / texW,
                 (src.y + src.h) / texH);
}

void glDrawTextureRect(f32 x, f32 y, f32 w, f32 h, const Texture* texture, const TempRect* source) {
    if (!texture) return;
    TempRectF src = source
                        ? TempRectF{f32(source->x), f32(source->y), f32(source->w), f32(source->h)}
                        : TempRectF{0, 0, f32(texture->width), f32(texture->height)};
    glDrawTexture(x, y, w, h, texture, &src, FLIP_NONE);
}

void glDrawSurface(f32 x, f32 y, f32 w, f32 h, const Surface* surface, const TempRectF* source,
                   u16 flip) {
    if (!surface || !surface->names || surface->width == 0 || surface->height == 0) return;
    if (x + w < 0 || y + h < 0 || x >= VIRTUAL_WIDTH || y >= VIRTUAL_HEIGHT) return;
    f32 surfW = surface->width, surfH = surface->height;
    TempRectF src = source ? *source : TempRectF{0, 0, surfW, surfH};
    ClipAtScreenEdge(x, &w, &src.x, &src.w, VIRTUAL_WIDTH, MirrorsX(flip));
    ClipAtScreenEdge(y, &h, &src.y, &src.h, VIRTUAL_HEIGHT, MirrorsY(flip));
    LimitSource(&src.x, &src.w, surfW);
    LimitSource(&src.y, &src.h, surfH);
    // A NaN survives the limits and would pick tiles outside the names array.
    if (!std::isfinite(src.x + src.y + src.w + src.h)) return;

    SurfaceWalk walk{*surface, MakeAxis(x, w, src.x, src.w, surface->columns, MirrorsX(flip)),
                     MakeAxis(y, h, src.y, src.h, surface->rows, MirrorsY(flip)), src.w, src.h};
    Draw2DFrame frame(Draw2DFrame::TEXTURED);
    DrawTiles(walk);
}

void glDrawSurfaceRect(f32 x, f32 y, f32 w, f32 h, const Surface* surface, const TempRect* source) {
    if (!surface) return;
    TempRectF src = source
                        ? TempRectF{f32(source->x), f32(source->y), f32(source->w), f32(source->h)}
                        : TempRectF{0, 0, f32(surface->width), f32(surface->height)};
    glDrawSurface(x, y, w, h, surface, &src, FLIP_NONE);
}
