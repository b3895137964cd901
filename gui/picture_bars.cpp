// PictureBox, ProgressBar and StatusBar: a picture shown at its own size, a filled progress
// bar, and a bar of text panels.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/utils.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/draw2d_state.h"
#include "graphics/font.h"
#include "graphics/texture.h"
#include "gui/classes.h"
#include "gui/gui_internal.h"
#include "gui/lists.h"

namespace {
constexpr f32 PICTURE_BORDER = 2.0f;
constexpr f32 BAR_INSET = 2.0f;
constexpr f32 PANEL_TEXT_X = 5.0f;
constexpr size_t MAX_PANELS = 64;

void DrawSurfaceTwice(f32 x, f32 y, f32 w, f32 h, const Surface* s, const TempRectF* source) {
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
    glDrawSurface(x, y, w, h, s, source, FLIP_NONE);
    BeginLinePolygons();
    glDrawSurface(x, y, w, h, s, source, FLIP_NONE);
    EndLinePolygons();
}

class PictureBox : public ToolTipControl {
  public:
    // The picture at its own size from (SourceX, SourceY); Color shows where it ends.
    void Draw() override {
        glSetTexturing(false);
        f32 sw = 0, sh = 0;
        if (picture) {
            sw = std::max(0.0f, std::min(w, f32(picture->width) - sourceX));
            sh = std::max(0.0f, std::min(h, f32(picture->height) - sourceY));
        }
        if (!picture || sw < w || sh < h) {
            SetColor(color);
            glFillRect(x, y, w, h);
        }
        if (picture && sw > 0 && sh > 0)
            DrawSurfaceTwice(x, y, sw, sh, picture, glTempRectF(sourceX, sourceY, sw, sh));
        glSetTexturing(false);
        glSetLineWidth(PICTURE_BORDER);
        SetColor(borderColor);
        glDrawRect(x, y, w, h);
    }
    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"Picture", PT_SURFACE, nullptr, GUI_FIELD(PictureBox, picture), nullptr},
            {"SourceX", PT_FLOAT, nullptr, GUI_FIELD(PictureBox, sourceX), nullptr},
            {"SourceY", PT_FLOAT, nullptr, GUI_FIELD(PictureBox, sourceY), nullptr},
            {"Color", PT_COLOR, nullptr, GUI_FIELD(PictureBox, color), nullptr},
            {"BorderColor", PT_COLOR, nullptr, GUI_FIELD(PictureBox, borderColor), nullptr},
        };
        int n = CopyDescriptors(own, out);
        return n + ToolTipControl::DescribeProperties(out ? out + n : nullptr);
    }
    Surface* picture = nullptr;
    f32 sourceX = 0, sourceY = 0;
    u32 color = MakeRGB(190, 190, 190);
    u32 borderColor = MakeRGB(0, 0, 0);
};

class ProgressBar : public Control {
  public:
    void Draw() override {
        glSetTexturing(false);
        if (backSurface) {
            DrawSurfaceTwice(x, y, w, h, backSurface, nullptr);
        } else {
            SetColor(backColor);
            glFillRect(x, y, w, h);
            SetColor(MakeRGBA(0, 0, 0, ColorA(backColor)));
            glDrawRect(x, y, w, h);
        }
        // Values outside 0..1 stay inside the bar.
        f32 p = std::clamp(progress, 0.0f, 1.0f);
        if (!(p > 0.0f)) return;
        f32 bx = x + BAR_INSET, by = y + BAR_INSET, bw = (w - 2 * BAR_INSET) * p,
            bh = h - 2 * BAR_INSET;
        if (texture) {
            SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
            glDrawTexture(bx, by, bw, bh, texture,
                          glTempRectF(0, 0, texture->width * p, texture->height), FLIP_NONE);
        } else {
            SetColor(color);
            glFillRect(bx, by, bw, bh);
        }
    }
    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"Progress", PT_FLOAT, nullptr, GUI_FIELD(ProgressBar, progress), nullptr},
            {"Color", PT_COLOR, nullptr, GUI_FIELD(ProgressBar, color), nullptr},
            {"BackColor", PT_COLOR, nullptr, GUI_FIELD(ProgressBar, backColor), nullptr},
            {"Texture", PT_TEXTURE, nullptr, GUI_FIELD(ProgressBar, texture), nullptr},
            {"BackSurface", PT_SURFACE, nullptr, GUI_FIELD(ProgressBar, backSurface), nullptr},
        };
        return CopyDescriptors(own, out);
    }
    f32 progress = 0.0f;
    u32 color = MakeRGB(0, 0, 160);
    u32 backColor = MakeRGB(236, 255, 236);
    Texture* texture = nullptr;
    Surface* backSurface = nullptr;
};

struct Panel {
    std::string text;
    f32 width;
};

class StatusBar : public Control {
  public:
    StatusBar() : font(GetFont()) {}

    void Draw() override {
        Font* previous = SetFont(font);
        DrawOutlinedBox(x, y, w, h, color, borderColor);
        f32 px = x + PANEL_TEXT_X, ty = y + (h - FontLineHeight(font)) / 2;
        for (size_t i = 0; i < panels.size(); i++) {
            SetColor(textColor);
            DrawText(px, ty, panels[i].text.c_str(), ALIGN_LEFT);
            px += panels[i].width;
            if (i + 1 < panels.size()) {
                SetColor(borderColor);
                glDrawLine(px - PANEL_TEXT_X / 2, y, px - PANEL_TEXT_X / 2, y + h);
            }
        }
        SetFont(previous);
    }
    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"Color", PT_COLOR, nullptr, GUI_FIELD(StatusBar, color), nullptr},
            {"Font", PT_FONT, nullptr, GUI_FIELD(StatusBar, font), nullptr},
            {"TextColor", PT_COLOR, nullptr, GUI_FIELD(StatusBar, textColor), nullptr},
            {"BorderColor", PT_COLOR, nullptr, GUI_FIELD(StatusBar, borderColor), nullptr},
        };
        return CopyDescriptors(own, out);
    }
    u32 color = MakeRGB(225, 225, 225);
    Font* font;
    u32 textColor = MakeRGB(0, 0, 0);
    u32 borderColor = MakeRGB(0, 0, 0);
    std::vector<Panel> panels;
};
} // namespace

void DescribePictureBox(ClassDesc* cls) {
    DescribeClass<PictureBox>(cls, "PictureBox", false, false);
}
void DescribeProgressBar(ClassDesc* cls) {
    DescribeClass<ProgressBar>(cls, "ProgressBar", false, false);
}
void DescribeStatusBar(ClassDesc* cls) {
    DescribeClass<StatusBar>(cls, "StatusBar", false, false);
}

bool AddStatusPanel(Control* bar, const char* text, f32 width) {
    auto* status = dynamic_cast<StatusBar*>(bar);
    if (!status || status->panels.size() >= MAX_PANELS) return false;
    status->panels.push_back(Panel{text ? text : "", width});
    return true;
}

bool SetStatusPanelText(Control* bar, i32 index, const char* text) {
    auto* status = dynamic_cast<StatusBar*>(bar);
    if (!status || index < 0 || size_t(index) >= status->panels.size()) return false;
    status->panels[size_t(index)].text = text ? text : "";
    return true;
}
