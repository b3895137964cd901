// Drawing the control tree: each control in its parent's origin, children clipped to the
// rectangles of all their ancestors with four GL clip planes; shared drawing helpers.
#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/input.h"
#include "engine/utils.h"
#include "engine/window.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
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

void SetPlane(GLenum plane, f64 a, f64 b, f64 d) {
    const GLdouble equation[4] = {a, b, 0.0, d};
    glClipPlane(plane, equation);
    glEnable(plane);
}

// Planes 0-3 hold the parent's clip edges that the child crosses.
void ClipChild(const ClipRect& child, const ClipRect& clip) {
    DisableClipPlanes();
    if (child.top < clip.top) SetPlane(GL_CLIP_PLANE0, 0, 1, -clip.top);
    if (child.right > clip.right) SetPlane(GL_CLIP_PLANE1, -1, 0, clip.right);
    if (child.bottom > clip.bottom) SetPlane(GL_CLIP_PLANE2, 0, -1, clip.bottom);
    if (child.left < clip.left) SetPlane(GL_CLIP_PLANE3, 1, 0, -clip.left);
}

void DrawSubtree(Control* c, f32 ox, f32 oy, const ClipRect* parentClip) {
    if (!c->visible) return;
    glPushMatrix();
    glTranslatef(ox, oy, 0.0f);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_TEXTURE_2D);
    glLineWidth(1.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    c->Draw();
    glPopMatrix();
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
    glDisable(GL_CLIP_PLANE0);
    glDisable(GL_CLIP_PLANE1);
    glDisable(GL_CLIP_PLANE2);
    glDisable(GL_CLIP_PLANE3);
}

void ClipLeftRight(f32 left, f32 right) {
    SetPlane(GL_CLIP_PLANE4, 1, 0, -left);
    SetPlane(GL_CLIP_PLANE5, -1, 0, right);
}

void ClipTopBottom(f32 top, f32 bottom) {
    SetPlane(GL_CLIP_PLANE4, 0, 1, -top);
    SetPlane(GL_CLIP_PLANE5, 0, -1, bottom);
}

void DisableOwnClips() {
    glDisable(GL_CLIP_PLANE4);
    glDisable(GL_CLIP_PLANE5);
}

void SetColorWithAlpha(u32 color, u8 alpha) {
    glColor4ub(ColorR(color), ColorG(color), ColorB(color), alpha);
}

void DrawOutlinedBox(f32 x, f32 y, f32 w, f32 h, u32 fill, u32 border) {
    glDisable(GL_TEXTURE_2D);
    SetColor(fill);
    glFillRect(x, y, w, h);
    SetColor(border);
    glDrawRect(x, y, w, h);
}

f32 FontLineHeight(const Font* font) {
    return font ? f32(font->lineHeight) * font->scale : 0.0f;
}

void BeginLinePolygons() {
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
}

void EndLinePolygons() {
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

namespace {
void ShadowVertex(f32 x, f32 y, f32 alpha) {
    glColor4f(0.0f, 0.0f, 0.0f, alpha);
    glVertex2f(x, y);
}
} // namespace

void DrawSoftShadow(f32 left, f32 top, f32 right, f32 bottom, f32 width, f32 inset, f32 alpha) {
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    ShadowVertex(left + inset, bottom, alpha);
    ShadowVertex(right, bottom, alpha);
    ShadowVertex(right, bottom + width, 0.0f);
    ShadowVertex(left + inset + width, bottom + width, 0.0f);
    ShadowVertex(right, top + inset, alpha);
    ShadowVertex(right + width, top + inset + width, 0.0f);
    ShadowVertex(right + width, bottom, 0.0f);
    ShadowVertex(right, bottom, alpha);
    glEnd();
    glBegin(GL_TRIANGLES);
    ShadowVertex(right, bottom, alpha);
    ShadowVertex(right + width, bottom, 0.0f);
    ShadowVertex(right, bottom + width, 0.0f);
    glEnd();
}
