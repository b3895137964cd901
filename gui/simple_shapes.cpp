// Line, Shape and Frame: controls that only draw (a line, a filled outlined shape, a titled
// group frame).
#include <string>

#include "engine/utils.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/draw2d_state.h"
#include "graphics/font.h"
#include "gui/classes.h"
#include "gui/gui_internal.h"

namespace {
constexpr f32 SHAPE_ROUNDNESS = 0.2f;
constexpr f32 ELLIPSE_SEGMENTS_PER_UNIT = 0.25f;
constexpr f32 ELLIPSE_BASE_SEGMENTS = 32.0f;
constexpr f32 FRAME_TITLE_X = 15.0f;
constexpr f32 FRAME_INSET = 5.0f;     // the inner border from the outer edge
constexpr f32 FRAME_TITLE_GAP = 3.0f; // free space each side of the title

class Line : public Control {
  public:
    void Draw() override {
        glSetLineWidth(lineWidth);
        SetColor(color);
        if (invert)
            glDrawLine(x + w, y, x, y + h);
        else
            glDrawLine(x, y, x + w, y + h);
    }
    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"LineWidth", PT_FLOAT, nullptr, GUI_FIELD(Line, lineWidth), nullptr},
            {"Invert", PT_BOOL, nullptr, GUI_FIELD(Line, invert), nullptr},
            {"Color", PT_COLOR, nullptr, GUI_FIELD(Line, color), nullptr},
        };
        return CopyDescriptors(own, out);
    }
    f32 lineWidth = 2.0f;
    u8 invert = 0;
    u32 color = MakeRGB(0, 0, 0);
};

enum ShapeKind : u8 { SHAPE_RECT = 0, SHAPE_ROUND_RECT = 1, SHAPE_ELLIPSE = 2 };

class Shape : public EventControl {
  public:
    void Draw() override {
        glSetTexturing(false);
        i16 segments = i16(w * ELLIPSE_SEGMENTS_PER_UNIT + ELLIPSE_BASE_SEGMENTS);
        for (int outline = 0; outline < 2; outline++) {
            SetColor(outline ? borderColor : color);
            switch (shape) {
            case SHAPE_RECT: outline ? glDrawRect(x, y, w, h) : glFillRect(x, y, w, h); break;
            case SHAPE_ROUND_RECT:
                outline ? glDrawRoundRect(x, y, w, h, SHAPE_ROUNDNESS)
                        : glFillRoundRect(x, y, w, h, SHAPE_ROUNDNESS);
                break;
            case SHAPE_ELLIPSE:
                outline ? glDrawEllipse(x + w / 2, y + h / 2, w / 2, h / 2, segments)
                        : glFillEllipse(x + w / 2, y + h / 2, w / 2, h / 2, segments);
                break;
            default: break;
            }
        }
    }
    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"Shape", PT_ENUM, "0-Rectangle;1-Rounded Rectangle;2-Ellipse", GUI_FIELD(Shape, shape),
             nullptr},
            {"BorderColor", PT_COLOR, nullptr, GUI_FIELD(Shape, borderColor), nullptr},
            {"Color", PT_COLOR, nullptr, GUI_FIELD(Shape, color), nullptr},
        };
        int n = CopyDescriptors(own, out);
        return n + EventControl::DescribeProperties(out ? out + n : nullptr);
    }
    u8 shape = SHAPE_RECT;
    u32 borderColor = MakeRGB(0, 0, 0);
    u32 color = MakeRGB(255, 100, 0);
};

class Frame : public Control {
  public:
    Frame() : text("Frame"), font(GetFont()) {}

    void Draw() override {
        Font* previous = SetFont(font);
        f32 lineH = FontLineHeight(font);
        DrawOutlinedBox(x, y, w, h, color, borderColor);
        DrawInnerBorder(y + lineH / 2, TextWidth(text.c_str()));
        SetColor(textColor);
        DrawText(x + FRAME_TITLE_X, y, text.c_str(), ALIGN_LEFT);
        SetFont(previous);
    }
    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"Text", PT_STRING, nullptr, GUI_FIELD(Frame, text), nullptr},
            {"TextColor", PT_COLOR, nullptr, GUI_FIELD(Frame, textColor), nullptr},
            {"Color", PT_COLOR, nullptr, GUI_FIELD(Frame, color), nullptr},
            {"BorderColor", PT_COLOR, nullptr, GUI_FIELD(Frame, borderColor), nullptr},
            {"Font", PT_FONT, nullptr, GUI_FIELD(Frame, font), nullptr},
        };
        return CopyDescriptors(own, out);
    }
    std::string text;
    u32 textColor = MakeRGB(0, 0, 0);
    u32 color = MakeRGB(225, 225, 225);
    u32 borderColor = MakeRGB(0, 0, 0);
    Font* font;

  private:
    // One strip round the inside that leaves the title free: from just left of the title,
    // round the frame, back to just right of it.
    void DrawInnerBorder(f32 top, f32 titleWidth) {
        f32 left = x + FRAME_INSET, right = x + w - FRAME_INSET, bottom = y + h - FRAME_INSET;
        f32 gapStart = x + FRAME_TITLE_X - FRAME_TITLE_GAP;
        f32 gapEnd = x + FRAME_TITLE_X + titleWidth + FRAME_TITLE_GAP;
        if (text.empty()) gapEnd = gapStart;
        const Point2D border[] = {{gapStart, top}, {left, top},
                                  {left, bottom},  {right, bottom},
                                  {right, top},    {gapEnd < right ? gapEnd : right, top}};
        glDrawLineStrip(border, 6);
    }
};
} // namespace

void DescribeLine(ClassDesc* cls) {
    DescribeClass<Line>(cls, "Line", false, false);
}
void DescribeShape(ClassDesc* cls) {
    DescribeClass<Shape>(cls, "Shape", false, false);
}
void DescribeFrame(ClassDesc* cls) {
    DescribeClass<Frame>(cls, "Frame", false, true);
}
