// The tooltip: raised by a control's countdown, laid out beside the pointer and kept on the
// screen, faded in, hidden by any mouse event, drawn with an optional soft shadow.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/input.h"
#include "engine/utils.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/draw2d_state.h"
#include "graphics/font.h"
#include "graphics/texture.h"
#include "gui/gui_internal.h"

namespace {
constexpr f32 PADDING_H = 4.0f;  // added to the text height
constexpr f32 PADDING_W = 10.0f; // added to the widest line
constexpr f32 TEXT_INSET_X = 5.0f;
constexpr f32 TEXT_INSET_Y = 2.0f;
constexpr f32 FADE_RATE = 4.0f;
constexpr f32 SHADOW_WIDTH = 3.0f;
constexpr f32 SHADOW_INSET = 5.0f;
constexpr f32 SHADOW_ALPHA = 0.6f;
constexpr u32 DEFAULT_COLOR = MakeRGB(255, 255, 225);

struct ToolTip {
    std::string text;
    Control* owner = nullptr;
    Font* font = nullptr;
    f32 anchorX = 0, anchorY = 0;
    f32 x = 0, y = 0, w = 0, h = 0;
    f32 fade = 0;
    f32 laidOutLineHeight = 0;
    u32 color = DEFAULT_COLOR;
    Texture* texture = nullptr;
    bool shadow = true;
};
ToolTip tip;

Font* TipFont() {
    return tip.font ? tip.font : GetFont();
}

void Layout() {
    Font* font = TipFont();
    f32 lineHeight = FontLineHeight(font);
    int lines = 1 + int(std::count(tip.text.begin(), tip.text.end(), '\n'));
    tip.h = f32(lines) * lineHeight + PADDING_H;
    tip.w = (font ? TextWidthFont(tip.text.c_str(), font) : 0.0f) + PADDING_W;
    tip.x = std::max(tip.anchorX, 0.0f);
    tip.y = std::max(tip.anchorY - tip.h, 0.0f);
    if (tip.x + tip.w > VIRTUAL_WIDTH) tip.x = VIRTUAL_WIDTH - tip.w;
    if (tip.y + tip.h > VIRTUAL_HEIGHT) tip.y = VIRTUAL_HEIGHT - tip.h;
    tip.laidOutLineHeight = lineHeight;
}

} // namespace

void ResetToolTip() {
    tip = ToolTip{};
}

void UpdateToolTip(f32 dt) {
    if (tip.fade > 0.0f) tip.fade = std::min(tip.fade + FADE_RATE * dt, 1.0f);
}

void HideToolTip() {
    tip.fade = 0.0f;
}

void RaiseToolTip(Control* owner, const std::string& text, f32 anchorX, f32 anchorY, f32 fade) {
    tip.owner = owner;
    tip.text = text;
    auto* withFont = dynamic_cast<ToolTipControl*>(owner);
    tip.font = withFont ? withFont->font : nullptr;
    tip.anchorX = anchorX;
    tip.anchorY = anchorY;
    tip.fade = std::clamp(fade, 0.0f, 1.0f);
    Layout();
}

void LayoutToolTipIfFontChanged() {
    if (tip.fade != 0.0f && tip.laidOutLineHeight != FontLineHeight(TipFont())) Layout();
}

void ForgetToolTipOwner(Control* c) {
    if (tip.owner != c) return;
    tip.owner = nullptr;
    tip.font = nullptr;
    tip.fade = 0.0f;
}

void SetToolTipParam(u32 id, f32 value) {
    switch (id) {
    case TOOLTIP_ANCHOR_X: tip.anchorX = value; break;
    case TOOLTIP_ANCHOR_Y: tip.anchorY = value; break;
    case TOOLTIP_FADE: tip.fade = std::clamp(value, 0.0f, 1.0f); break;
    case TOOLTIP_SHADOW: tip.shadow = value > 0.0f; break;
    default: break;
    }
}

void SetToolTipColor(u32 color) {
    tip.color = color;
}

ToolTipInfo GetToolTip() {
    return ToolTipInfo{tip.text.c_str(), tip.x, tip.y, tip.w, tip.h, tip.fade};
}

void DrawToolTip() {
    if (tip.fade == 0.0f) return;
    f32 left = std::trunc(tip.x), top = std::trunc(tip.y);
    f32 right = left + tip.w, bottom = top + tip.h;
    DisableClipPlanes();
    glSetTexturing(false);
    if (tip.shadow)
        DrawSoftShadow(left, top, right, bottom, SHADOW_WIDTH, SHADOW_INSET,
                       SHADOW_ALPHA * tip.fade);
    if (tip.texture) {
        SetColorF(1.0f, 1.0f, 1.0f, tip.fade);
        f32 s = tip.w / std::max<f32>(tip.texture->width, 1.0f);
        f32 t = tip.h / std::max<f32>(tip.texture->height, 1.0f);
        const TexVertex quad[] = {
            {left, top, 0, 0}, {right, top, s, 0}, {right, bottom, s, t}, {left, bottom, 0, t}};
        glDrawTextured(PRIM_QUADS, quad, 4, tip.texture);
    } else {
        SetColorWithAlpha(tip.color, u8(tip.fade * 255.0f));
        glFillRect(left, top, (right) - (left), (bottom) - (top));
    }
    SetColorF(0.0f, 0.0f, 0.0f, tip.fade);
    glDrawRect(left, top, tip.w, tip.h);
    Font* previous = SetFont(TipFont());
    DrawText(left + TEXT_INSET_X, top + TEXT_INSET_Y, tip.text.c_str(), ALIGN_LEFT);
    SetFont(previous);
    glSetTexturing(true);
}
