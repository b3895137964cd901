// Sheet: a full-screen root page with a colour, surface, function or repeated texture behind
// its controls.

#include "engine/input.h"
#include "engine/utils.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/draw2d_state.h"
#include "graphics/texture.h"
#include "gui/classes.h"
#include "gui/gui_internal.h"

namespace {
enum BackgroundMode : u8 {
    BG_NONE = 0,
    BG_COLOR = 1,
    BG_SURFACE = 2,
    BG_FUNCTION = 3,
    BG_TEXTURE = 4
};

class Sheet : public EventControl {
  public:
    Sheet() {
        w = VIRTUAL_WIDTH;
        h = VIRTUAL_HEIGHT;
        background.color = MakeRGB(225, 225, 225);
    }

    void Draw() override {
        switch (mode) {
        case BG_NONE: break;
        case BG_COLOR:
            glSetTexturing(false);
            SetColor(background.color);
            glFillRect(x, y, VIRTUAL_WIDTH, VIRTUAL_HEIGHT);
            break;
        case BG_SURFACE:
            glDrawSurface(x, y, VIRTUAL_WIDTH, VIRTUAL_HEIGHT,
                          static_cast<Surface*>(background.pointer), nullptr, FLIP_NONE);
            break;
        case BG_FUNCTION:
            if (background.pointer) reinterpret_cast<void (*)()>(background.pointer)();
            break;
        default: DrawRepeatedTexture(); break;
        }
    }

    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"BackgroundMode", PT_ENUM, "1-Color;2-Surface;3-Custom Function;else-4-infinity",
             GUI_FIELD(Sheet, mode), nullptr},
            {"Background", PT_BACKGROUND,
             "BackgroundMode:0-null;1-color;2-surface;3-null;else-texture",
             GUI_FIELD(Sheet, background),
             [](Control* c) { return static_cast<Sheet*>(c)->mode <= BG_COLOR; }},
        };
        int n = CopyDescriptors(own, out);
        return n + EventControl::DescribeProperties(out ? out + n : nullptr);
    }

    u8 mode = BG_COLOR;
    BackgroundValue background;

  private:
    // Mode m repeats the texture m - 3 times across the screen, keeping its proportions.
    void DrawRepeatedTexture() {
        auto* texture = static_cast<Texture*>(background.pointer);
        if (!texture) return;
        f32 across = f32(mode - (BG_TEXTURE - 1));
        f32 down = across * VIRTUAL_HEIGHT / VIRTUAL_WIDTH;
        SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
        glDrawTextureRepeated(x, y, VIRTUAL_WIDTH, VIRTUAL_HEIGHT, texture, across, down);
    }
};
} // namespace

void DescribeSheet(ClassDesc* cls) {
    DescribeClass<Sheet>(cls, "Sheet", false, true);
}
