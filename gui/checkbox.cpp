// CheckBox and RadioButton: a box or round mark with a caption; a click or Space toggles a
// check box and selects a radio button, clearing its radio siblings.
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
#include "gui/classes.h"
#include "gui/gui_internal.h"

namespace {
constexpr f32 BOX_SIZE = 10.0f;
constexpr f32 TEXT_X = 15.0f;
constexpr f32 TEXT_ROOM = 19.0f; // the caption gets cut when wider than w - 19
constexpr f32 TEXT_CUT = 2.0f;   // ... at 2 units inside the right edge
constexpr f32 LINE_WIDTH = 2.0f;
constexpr u8 TEXTURED_PRESS_GREY = 200;
constexpr f32 NO_WRAP = 100000.0f;
constexpr i16 MARK_SEGMENTS = 16;
constexpr u8 EV_TOGGLE = EV_EXTRA_1;

// What the two classes share: the look and the pressed state; they differ in the mark and
// in what a click does.
class CheckControl : public ToolTipControl {
  public:
    explicit CheckControl(const char* caption) : text(caption) {}

    void Draw() override {
        Font* previous = SetFont(font);
        glSetTexturing(false);
        glSetLineWidth(LINE_WIDTH);
        SetColor(backgroundColor);
        glFillRect(x, y, w, h);
        f32 box = h < BOX_SIZE ? std::trunc(h) : BOX_SIZE;
        f32 top = y + (h - box) / 2;
        DrawBox(box, top, BoxColor());
        if (state) DrawMark(box, top);
        DrawCaption();
        SetFont(previous);
    }

    int DescribeEvents(EventDesc* out) override {
        static const EventDesc own[] = {{"Toggle", EV_TOGGLE}};
        int n = CopyDescriptors(own, out);
        return n + ToolTipControl::DescribeEvents(out ? out + n : nullptr);
    }

    std::string text;
    u32 backgroundColor = MakeRGB(225, 225, 225);
    u32 textColor = MakeRGB(0, 0, 0);
    u32 color = MakeRGB(236, 255, 236);
    u8 state = 0; // Checked or Value
    Texture* onTexture = nullptr;
    Texture* offTexture = nullptr;

  protected:
    virtual bool Round() const = 0;

    void DrawTextureOver(const Texture* t, f32 box, f32 top) {
        SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
        glDrawTexture(x, top, box, box, t, nullptr, FLIP_NONE);
        glSetTexturing(false);
    }

  private:
    // Grey while held down by Space, or by the mouse with the pointer on it.
    u32 BoxColor() {
        bool held = GetFocusRaw() == this &&
                    (IsKeyDown(VK_SPACE) || (IsKeyDown(KEY_MOUSE_LEFT) && MouseInside(this)));
        if (!held) return color;
        u8 grey = onTexture ? TEXTURED_PRESS_GREY
                            : u8((ColorR(color) + ColorG(color) + ColorB(color)) / 3);
        return MakeRGBA(grey, grey, grey, ColorA(color));
    }

    void DrawBox(f32 box, f32 top, u32 c) {
        if (offTexture) return DrawTextureOver(offTexture, box, top);
        SetColor(c);
        if (Round()) {
            glFillCircle(x + box / 2, top + box / 2, box / 2, MARK_SEGMENTS);
            SetColor(MakeRGBA(0, 0, 0, ColorA(color)));
            glDrawCircle(x + box / 2, top + box / 2, box / 2, MARK_SEGMENTS);
        } else {
            glFillRect(x, top, box, box);
            SetColor(MakeRGBA(0, 0, 0, ColorA(color)));
            glDrawRect(x, top, box, box);
        }
    }

    void DrawMark(f32 box, f32 top) {
        if (onTexture) return DrawTextureOver(onTexture, box, top);
        SetColorF(0.0f, 0.0f, 0.0f, 1.0f);
        if (Round()) {
            glFillCircle(x + box / 2, top + box / 2, box * 0.25f, MARK_SEGMENTS);
            return;
        }
        glDrawLine(x + 0.2f * box, top + 0.5f * box, x + 0.35f * box, top + 0.8f * box);
        glDrawLine(x + 0.35f * box, top + 0.8f * box, x + 0.8f * box, top + 0.2f * box);
    }

    // Cut at the right edge when too wide; a line taller than the control is cut to it.
    void DrawCaption() {
        f32 lineH = FontLineHeight(font);
        bool cutRight = TextWidth(text.c_str()) > w - TEXT_ROOM;
        if (cutRight) ClipLeftRight(x, x + w - TEXT_CUT);
        SetColor(textColor);
        if (lineH > h)
            DrawTextBox(x + TEXT_X, y, NO_WRAP, h, text.c_str(), (lineH - h) / 2, ALIGN_LEFT, -1,
                        0);
        else
            DrawText(x + TEXT_X, y + (h - lineH) / 2, text.c_str(), ALIGN_LEFT);
        if (cutRight) DisableOwnClips();
    }
};

class CheckBox : public CheckControl {
  public:
    CheckBox() : CheckControl("CheckBox") {}

    void Click(u32 button) override {
        FireKey(EV_CLICK, button);
        if (button == KEY_MOUSE_LEFT) Flip();
    }
    // Space toggles and counts as a click.
    void KeyUp(u32 key) override {
        if (key != VK_SPACE) return FireKey(EV_KEY_UP, key);
        Flip();
        FireKey(EV_CLICK, key);
    }
    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"Text", PT_STRING, nullptr, GUI_FIELD(CheckBox, text), nullptr},
            {"BackgroundColor", PT_COLOR, nullptr, GUI_FIELD(CheckBox, backgroundColor), nullptr},
            {"TextColor", PT_COLOR, nullptr, GUI_FIELD(CheckBox, textColor), nullptr},
            {"Color", PT_COLOR, nullptr, GUI_FIELD(CheckBox, color), nullptr},
            {"Checked", PT_BOOL, nullptr, GUI_FIELD(CheckBox, state), nullptr},
            {"On_Texture", PT_TEXTURE, nullptr, GUI_FIELD(CheckBox, onTexture), nullptr},
            {"Off_Texture", PT_TEXTURE, nullptr, GUI_FIELD(CheckBox, offTexture), nullptr},
        };
        int n = CopyDescriptors(own, out);
        return n + ToolTipControl::DescribeProperties(out ? out + n : nullptr);
    }

  protected:
    bool Round() const override { return false; }

  private:
    void Flip() {
        state = !state;
        Fire(EV_TOGGLE);
    }
};

class RadioButton : public CheckControl {
  public:
    RadioButton() : CheckControl("RadioButton") {}

    void Click(u32 button) override {
        FireKey(EV_CLICK, button);
        if (button == KEY_MOUSE_LEFT) Select();
    }
    void KeyUp(u32 key) override {
        if (key != VK_SPACE) return FireKey(EV_KEY_UP, key);
        Select();
        FireKey(EV_CLICK, key);
    }
    // Never smaller than its mark.
    void Size(f32 newW, f32 newH) override {
        Control::Size(std::max(newW, BOX_SIZE), std::max(newH, BOX_SIZE));
    }
    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"Text", PT_STRING, nullptr, GUI_FIELD(RadioButton, text), nullptr},
            {"BackgroundColor", PT_COLOR, nullptr, GUI_FIELD(RadioButton, backgroundColor),
             nullptr},
            {"TextColor", PT_COLOR, nullptr, GUI_FIELD(RadioButton, textColor), nullptr},
            {"Color", PT_COLOR, nullptr, GUI_FIELD(RadioButton, color), nullptr},
            {"Value", PT_BOOL, nullptr, GUI_FIELD(RadioButton, state), nullptr},
            {"On_Texture", PT_TEXTURE, nullptr, GUI_FIELD(RadioButton, onTexture), nullptr},
            {"Off_Texture", PT_TEXTURE, nullptr, GUI_FIELD(RadioButton, offTexture), nullptr},
        };
        int n = CopyDescriptors(own, out);
        return n + ToolTipControl::DescribeProperties(out ? out + n : nullptr);
    }

  protected:
    bool Round() const override { return true; }

  private:
    // Selecting clears every radio button of the same parent first; selecting the selected
    // one clears it.
    void Select() {
        if (state == 0 && parent) {
            u8 off = 0;
            for (Control* sibling : parent->children)
                if (ClassIs(sibling, "RadioButton")) sibling->SetProperty("Value", &off);
        }
        state = !state;
        Fire(EV_TOGGLE);
    }
};
} // namespace

void DescribeCheckBox(ClassDesc* cls) {
    DescribeClass<CheckBox>(cls, "CheckBox", true, false);
}

void DescribeRadioButton(ClassDesc* cls) {
    DescribeClass<RadioButton>(cls, "RadioButton", true, false);
}
