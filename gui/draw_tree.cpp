// Drawing the control tree: each control in its parent's origin, children clipped to the
// rectangles of all their ancestors with four clip planes; shared drawing helpers.
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/input.h"
#include "engine/utils.h"
#include "engine/window.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/draw2d_state.h"
#include "graphics/font.h"
#include "gui/gui_internal.h"

namespace {
struct ClipRect {
    f32 left, top, right, bottom;
};

// Rounded to whole display pixels, so clip edges fall between pixels.
f32 SnapX(f32 v) {
    f32 scale = f32(GetClientWidth()) / f32(VIRTUAL_WIDTH);
    return scale > 0.0f ? std::round(v * scale) / scale : v;
}
f32 SnapY(f32 v) {
    f32 scale = f32(GetClientHeight()) / f32(VIRTUAL_HEIGHT);
    return scale > 0.0f ? std::round(v * scale) / scale : v;
}

// A rectangle from a position and a size that may be negative (lines drawn up or left).
ClipRect RectOf(f32 x, f32 y, f32 w, f32 h) {
    return ClipRect{std::min(x, x + w), std::min(y, y + h), std::max(x, x + w), std::max(y, y + h)};
}

bool Overlaps(const ClipRect& a, const ClipRect& b) {
    return a.left <= b.right && a.right >= b.left && a.top <= b.bottom && a.bottom >= b.top;
}

// Planes 0-3 clip a child to its parent; 4 and 5 are a control's own clip.
enum ClipPlaneIndex { CLIP_TOP, CLIP_RIGHT, CLIP_BOTTOM, CLIP_LEFT, CLIP_OWN_A, CLIP_OWN_B };

// Planes 0-3 hold the parent's clip edges that the child crosses.
void ClipChild(const ClipRect& child, const ClipRect& clip) {
    DisableClipPlanes();
    if (child.top < clip.top) glSetClipPlane(CLIP_TOP, 0, 1, -clip.top);
    if (child.right > clip.right) glSetClipPlane(CLIP_RIGHT, -1, 0, clip.right);
    if (child.bottom > clip.bottom) glSetClipPlane(CLIP_BOTTOM, 0, -1, clip.bottom);
    if (child.left < clip.left) glSetClipPlane(CLIP_LEFT, 1, 0, -clip.left);
}

void DrawSubtree(Control* c, f32 ox, f32 oy, const ClipRect* parentClip) {
    if (!c->visible) return;
    {
        Transform2D placed;
        glTranslate2D(ox, oy);
        glDefaultDrawState();
        c->Draw();
    }
    LayoutToolTipIfFontChanged();
    if (c->children.empty()) return;

    f32 cx = ox + c->x, cy = oy + c->y;
    ClipRect own = RectOf(cx, cy, c->w, c->h);
    own = ClipRect{SnapX(own.left), SnapY(own.top), SnapX(own.right), SnapY(own.bottom)};
    if (parentClip) {
        own.left = std::max(own.left, parentClip->left);
        own.top = std::max(own.top, parentClip->top);
        own.right = std::min(own.right, parentClip->right);
        own.bottom = std::min(own.bottom, parentClip->bottom);
    }
    // A copy: drawing may reorder the children (a dialog that takes the focus moves to the
    // end) or destroy some of them.
    std::vector<Control*> kids = c->children;
    for (Control* child : kids) {
        if (child->destroyed || child->parent != c || child->detached) continue;
        ClipRect area = RectOf(cx + child->x, cy + child->y, child->w, child->h);
        if (!Overlaps(area, own)) continue;
        ClipChild(area, own);
        DrawSubtree(child, cx, cy, &own);
    }
}
} // namespace

void DrawTree(Control* c, f32 ox, f32 oy) {
    DisableClipPlanes();
    DrawSubtree(c, ox, oy, nullptr);
}

void DisableClipPlanes() {
    for (int plane = CLIP_TOP; plane <= CLIP_LEFT; plane++) glDisableClipPlane(plane);
}

void ClipLeftRight(f32 left, f32 right) {
    glSetClipPlane(CLIP_OWN_A, 1, 0, -left);
    glSetClipPlane(CLIP_OWN_B, -1, 0, right);
}

void ClipTopBottom(f32 top, f32 bottom) {
    glSetClipPlane(CLIP_OWN_A, 0, 1, -top);
    glSetClipPlane(CLIP_OWN_B, 0, -1, bottom);
}

void DisableOwnClips() {
    glDisableClipPlane(CLIP_OWN_A);
    glDisableClipPlane(CLIP_OWN_B);
}

void SetColorWithAlpha(u32 color, u8 alpha) {
    SetColor(MakeRGBA(ColorR(color), ColorG(color), ColorB(color), alpha));
}

void DrawOutlinedBox(f32 x, f32 y, f32 w, f32 h, u32 fill, u32 border) {
    glSetTexturing(false);
    SetColor(fill);
    glFillRect(x, y, w, h);
    SetColor(border);
    glDrawRect(x, y, w, h);
}

f32 FontLineHeight(const Font* font) {
    return font ? f32(font->lineHeight) * font->scale : 0.0f;
}

void BeginLinePolygons() {
    glSetOutlinePolygons(true);
}

void EndLinePolygons() {
    glSetOutlinePolygons(false);
}

// Black fading from alpha at the panel's edge to nothing at width beyond it, below and to the
// right, with a triangle filling the corner.
void DrawSoftShadow(f32 left, f32 top, f32 right, f32 bottom, f32 width, f32 inset, f32 alpha) {
    glSetTexturing(false);
    auto at = [](f32 x, f32 y, f32 a) { return ColorVertex{x, y, 0.0f, 0.0f, 0.0f, a}; };
    const ColorVertex bands[] = {
        at(left + inset, bottom, alpha), at(right, bottom, alpha),
        at(right, bottom + width, 0.0f), at(left + inset + width, bottom + width, 0.0f),
        at(right, top + inset, alpha),   at(right + width, top + inset + width, 0.0f),
        at(right + width, bottom, 0.0f), at(right, bottom, alpha),
    };
    const ColorVertex corner[] = {at(right, bottom, alpha), at(right + width, bottom, 0.0f),
                                  at(right, bottom + width, 0.0f)};
    glDrawColored(PRIM_QUADS, bands, 8);
    glDrawColored(PRIM_TRIANGLES, corner, 3);
}
