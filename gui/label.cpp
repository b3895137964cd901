// Label: wrapped, aligned text over an optional background, with a vertical scroll bar when
// the text is taller than the label.
#include <algorithm>
#include <string>

#include "engine/input.h"
#include "engine/utils.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_state.h"
#include "graphics/font.h"
#include "gui/classes.h"
#include "gui/gui_internal.h"
#include "gui/scroll.h"

namespace {
constexpr f32 DEFAULT_BAR_WIDTH = 15.0f;
constexpr f32 BAR_GAP = 1.0f;
constexpr u8 EV_SCROLL = EV_EXTRA_1;

class Label : public ScrollHost {
  public:
    Label() : ScrollHost(EV_SCROLL), text("Label"), font(GetFont()) {}

    void Draw() override {
        Font* previous = SetFont(font);
        Layout();
        glSetTexturing(false);
        if (ColorA(color)) {
            SetColor(color);
            glFillRect(x, y, w, h);
        }
        SetColor(textColor);
        f32 refX = x;
        i32 align = ALIGN_LEFT;
        if (alignment == ALIGN_CENTER) {
            refX = x + wrapWidth / 2;
            align = ALIGN_CENTER;
        } else if (alignment != ALIGN_LEFT) {
            refX = x + wrapWidth;
            align = ALIGN_RIGHT;
        }
        DrawTextBox(refX, y, wrapWidth, h, text.c_str(), barShown ? scroll.cBlock : 0.0f, align, -1,
                    0);
        if (barShown) ScrollDraw(scroll, BarRect(), x, y);
        SetFont(previous);
    }

    void MouseDown(u32 button) override {
        ScrollHost::MouseDown(button);
        Layout();
        if (!barShown) return;
        f32 mx = 0, my = 0;
        MouseInControl(this, &mx, &my);
        bool wheel = button == KEY_WHEEL_UP || button == KEY_WHEEL_DOWN;
        if (wheel || ScrollHit(BarRect(), mx, my))
            ScrollMouseDown(scroll, BarRect(), button, mx, my);
    }
    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"Text", PT_STRING, nullptr, GUI_FIELD(Label, text), nullptr},
            {"Color", PT_COLOR, nullptr, GUI_FIELD(Label, color), nullptr},
            {"TextColor", PT_COLOR, nullptr, GUI_FIELD(Label, textColor), nullptr},
            {"ScrollBarSkin", PT_SCROLLSKIN, nullptr, GUI_FIELD(Label, scroll.vskin), nullptr},
            {"ScrollBarWidth", PT_FLOAT, nullptr, GUI_FIELD(Label, barWidth), nullptr},
            {"SelectorColor", PT_COLOR, nullptr, GUI_FIELD(Label, scroll.color), nullptr},
            {"Font", PT_FONT, nullptr, GUI_FIELD(Label, font), nullptr},
            {"Alignment", PT_INT, nullptr, GUI_FIELD(Label, alignment), nullptr},
        };
        int n = CopyDescriptors(own, out);
        return n + ScrollHost::DescribeProperties(out ? out + n : nullptr);
    }
    int DescribeEvents(EventDesc* out) override {
        static const EventDesc own[] = {{"Scroll", EV_SCROLL}};
        int n = CopyDescriptors(own, out);
        return n + ScrollHost::DescribeEvents(out ? out + n : nullptr);
    }

    std::string text;
    u32 color = MakeRGB(255, 255, 255);
    u32 textColor = MakeRGB(0, 0, 0);
    f32 barWidth = DEFAULT_BAR_WIDTH;
    Font* font;
    i32 alignment = ALIGN_LEFT;

  protected:
    ScrollRect BarRect() const override { return ScrollRect{w - barWidth, 0, barWidth, h}; }

  private:
    bool barShown = false;
    f32 wrapWidth = 0;

    // The bar shows while the wrapped text is taller than the label; the text then wraps
    // beside it and the bar's range is the hidden part.
    void Layout() {
        wrapWidth = w;
        f32 full = f32(TextHeightFont(font, w, 0.0f, text.c_str(), 0.0f, -1));
        barShown = full > h;
        if (!barShown) {
            scroll.nBlocks = 0;
            scroll.cBlock = 0;
            return;
        }
        wrapWidth = w - barWidth - BAR_GAP;
        f32 wrapped = f32(TextHeightFont(font, wrapWidth, 0.0f, text.c_str(), 0.0f, -1));
        scroll.nBlocks = std::max(0, i32(wrapped - h));
        scroll.nSliderBlocks = std::max(1, i32(h));
        scroll.step = std::max(1, i32(FontLineHeight(font)));
        scroll.cBlock = std::min(scroll.cBlock, f32(scroll.nBlocks));
    }
};
} // namespace

void DescribeLabel(ClassDesc* cls) {
    DescribeClass<Label>(cls, "Label", false, false);
}
