// Button: a push button drawn classic, rounded, from surfaces or as an ellipse; a release over
// it or Space/Enter on it clicks.
#include <string>

#include "engine/input.h"
#include "engine/utils.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/draw2d_state.h"
#include "graphics/font.h"
#include "gui/classes.h"
#include "gui/gui_internal.h"

namespace {
enum ButtonStyle : u8 {
    STYLE_CLASSIC = 0,
    STYLE_ROUNDED = 1,
    STYLE_SURFACE = 2,
    STYLE_ELLIPSE = 3
};
constexpr f32 ROUNDNESS = 0.8f;
constexpr f32 FOCUS_INSET = 4.0f;
constexpr u8 FOCUS_ALPHA = 100;
constexpr f32 PRESSED_SHIFT = 2.0f; // a pressed classic button's text moves down and right
constexpr f32 TEXT_RAISE = 0.55f;   // of the line height above the middle
constexpr const char* BACKGROUND_HELP = "Style:0-null;1-color;2-surface;3-color";

class Button : public ToolTipControl {
  public:
    Button() : text("Button") {
        background.color = MakeRGB(225, 225, 225);
        downBackground.color = MakeRGB(225, 225, 225);
    }

    void Draw() override {
        bool focused = GetFocusRaw() == this;
        bool pressed = IsPressed();
        Font* previous = SetFont(font);
        u32 c = pressed && style != STYLE_CLASSIC ? downBackground.color : background.color;
        u32 ring = pressed ? background.color : downBackground.color;
        glSetTexturing(false);
        switch (style) {
        case STYLE_CLASSIC:
            SetColor(c);
            glFillRect(x, y, w, h);
            SetColorF(0.0f, 0.0f, 0.0f, 1.0f);
            glDrawRect(x, y, w, h);
            if (focused) {
                SetColor(MakeRGBA(ColorR(c) / 4, ColorG(c) / 4, ColorB(c) / 4, FOCUS_ALPHA));
                glDrawRect(x + FOCUS_INSET, y + FOCUS_INSET, w - 9.0f, h - 8.0f);
            }
            break;
        case STYLE_ROUNDED:
            SetColor(c);
            glFillRoundRect(x, y, w, h, ROUNDNESS);
            if (focused) {
                glSetLineSmoothing(true);
                SetColor(ring);
                glDrawRoundRect(x + FOCUS_INSET, y + FOCUS_INSET, w - 9.0f, h - 8.0f, ROUNDNESS);
            }
            break;
        case STYLE_SURFACE: DrawSurfaceLook(pressed); break;
        case STYLE_ELLIPSE:
            SetColor(c);
            glFillEllipse(x + w / 2, y + h / 2, w / 2, h / 2, 0);
            if (focused) {
                glSetLineSmoothing(true);
                SetColor(ring);
                glDrawEllipse(x + w / 2, y + h / 2, w / 2 - 3.0f, h / 2 - 2.0f, 0);
            }
            break;
        default: break;
        }
        DrawLabel(pressed && style == STYLE_CLASSIC ? PRESSED_SHIFT : 0.0f);
        SetFont(previous);
    }

    bool HitTest(f32 px, f32 py) override {
        switch (style) {
        case STYLE_CLASSIC:
        case STYLE_ROUNDED: return PointInRect(px, py, 0, 0, w, h);
        case STYLE_SURFACE: return PointInRoundRect(px, py, 0, 0, w, h, ROUNDNESS);
        case STYLE_ELLIPSE: return PointInEllipse(px, py, w / 2, h / 2, w / 2, h / 2);
        default: return false;
        }
    }

    // Space and Enter are a click by keyboard.
    void KeyUp(u32 key) override {
        if (key == VK_SPACE || key == VK_RETURN) FireKey(EV_CLICK, KEY_MOUSE_LEFT);
        FireKey(EV_KEY_UP, key);
    }

    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"Background", PT_BACKGROUND, BACKGROUND_HELP, GUI_FIELD(Button, background),
             HoldsColor},
            {"DownBackground", PT_BACKGROUND, BACKGROUND_HELP, GUI_FIELD(Button, downBackground),
             HoldsColor},
            {"Style", PT_ENUM, "0-Classic;1-Rounded Rect;2-Surface Background;3-Ellipse",
             GUI_FIELD(Button, style), nullptr},
            {"Text", PT_STRING, nullptr, GUI_FIELD(Button, text), nullptr},
            {"TextColor", PT_COLOR, nullptr, GUI_FIELD(Button, textColor), nullptr},
        };
        int n = CopyDescriptors(own, out);
        return n + ToolTipControl::DescribeProperties(out ? out + n : nullptr);
    }

    BackgroundValue background, downBackground;
    u8 style = STYLE_CLASSIC;
    std::string text;
    u32 textColor = MakeRGB(0, 0, 0);

  private:
    static bool HoldsColor(Control* c) { return static_cast<Button*>(c)->style != STYLE_SURFACE; }

    // Held by keyboard it is pressed; held by the mouse only while the pointer is on it.
    bool IsPressed() {
        if (GetFocusRaw() != this) return false;
        if (IsKeyDown(VK_SPACE) || IsKeyDown(VK_RETURN)) return true;
        return IsKeyDown(KEY_MOUSE_LEFT) && MouseInside(this);
    }

    void DrawSurfaceLook(bool pressed) {
        auto* normal = static_cast<Surface*>(background.pointer);
        auto* down = static_cast<Surface*>(downBackground.pointer);
        Surface* surface = pressed && down ? down : normal;
        if (!surface) return;
        SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
        glDrawSurfaceRect(x, y, w, h, surface, nullptr);
        BeginLinePolygons();
        glDrawSurfaceRect(x, y, w, h, surface, nullptr);
        EndLinePolygons();
    }

    void DrawLabel(f32 shift) {
        if (text.empty()) return;
        SetColor(textColor);
        f32 tx = x + w / 2 - TextWidth(text.c_str()) / 2 + shift;
        f32 ty = y + h / 2 - FontLineHeight(GetFont()) * TEXT_RAISE + shift;
        DrawText(tx, ty, text.c_str(), ALIGN_LEFT);
    }
};
} // namespace

void DescribeButton(ClassDesc* cls) {
    DescribeClass<Button>(cls, "Button", true, false);
}
