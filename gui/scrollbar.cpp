// ScrollBar: the bar's geometry, arrows, paging, slider dragging, held-part repeat and the
// drawn or skinned look; the hosting every control with a bar shares, and the ScrollBar class.
#include "gui/scroll.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/input.h"
#include "engine/utils.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/draw2d_state.h"
#include "graphics/texture.h"
#include "gui/classes.h"

namespace {
constexpr f32 MIN_SLIDER = 10.0f;
constexpr f32 FIRST_REPEAT = 0.5f;
constexpr f32 NEXT_REPEAT = 0.08f;
constexpr i32 WHEEL_STEPS = 3;
constexpr int SKIN_PIECES = 4; // first arrow, second arrow, track, slider
constexpr f32 TRACK_SHADE = 0.8f;

// The bar measured along its length: arrows, track and slider.
struct Geometry {
    bool vertical;
    f32 length, thickness;
    f32 arrow;       // A
    f32 track;       // T
    f32 slider;      // S
    f32 sliderStart; // from the bar's start
};

const ScrollSkin& SkinFor(const ScrollState& s, bool vertical) {
    return vertical ? s.vskin : s.hskin;
}

Geometry Measure(const ScrollState& s, const ScrollRect& r) {
    Geometry g{};
    g.vertical = r.w <= r.h;
    g.length = g.vertical ? r.h : r.w;
    g.thickness = g.vertical ? r.w : r.h;
    const ScrollSkin& skin = SkinFor(s, g.vertical);
    g.arrow = g.thickness;
    if (skin.surface && skin.surface->width && skin.surface->height) {
        f32 along = f32(g.vertical ? skin.surface->height : skin.surface->width) / SKIN_PIECES;
        f32 across = f32(g.vertical ? skin.surface->width : skin.surface->height);
        g.arrow = g.thickness * along / across;
    }
    g.arrow = std::min(g.arrow, g.length / 2);
    g.track = std::max(g.length - 2 * g.arrow, 0.0f);
    g.slider = s.nBlocks > 0 ? f32(s.nSliderBlocks) * g.track / f32(s.nBlocks) : g.track;
    if (!skin.surface) g.slider = std::max(g.slider, MIN_SLIDER);
    g.slider = std::clamp(g.slider, 0.0f, g.track); // never longer than its track
    f32 share = s.nBlocks > 0 ? std::clamp(s.cBlock / f32(s.nBlocks), 0.0f, 1.0f) : 0.0f;
    g.sliderStart = g.arrow + (g.track - g.slider) * share;
    return g;
}

// The mouse along and across the bar.
void Along(const Geometry& g, const ScrollRect& r, f32 mx, f32 my, f32* along, f32* across) {
    *along = g.vertical ? my - r.y : mx - r.x;
    *across = g.vertical ? mx - r.x : my - r.y;
}

u8 PartAt(const ScrollState& s, const Geometry& g, f32 along, f32 across) {
    const ScrollSkin& skin = SkinFor(s, g.vertical);
    auto hit = [&](ScrollHitFunc f, f32 start, f32 size) {
        return f ? f(along - start, across, g.thickness) : (along >= start && along < start + size);
    };
    if (hit(skin.firstArrowHit, 0.0f, g.arrow)) return PART_FIRST_ARROW;
    if (hit(skin.secondArrowHit, g.length - g.arrow, g.arrow)) return PART_SECOND_ARROW;
    if (hit(skin.sliderHit, g.sliderStart, g.slider)) return PART_SLIDER;
    if (along < g.sliderStart) return PART_PAGE_BACK;
    return PART_PAGE_FORWARD;
}

void Act(ScrollState& s, u8 part) {
    switch (part) {
    case PART_FIRST_ARROW: ScrollTo(s, s.cBlock - f32(s.step)); break;
    case PART_SECOND_ARROW: ScrollTo(s, s.cBlock + f32(s.step)); break;
    case PART_PAGE_BACK: ScrollTo(s, s.cBlock - f32(s.nSliderBlocks)); break;
    case PART_PAGE_FORWARD: ScrollTo(s, s.cBlock + f32(s.nSliderBlocks)); break;
    default: break;
    }
}

void Triangle(const Geometry& g, f32 bx, f32 by, f32 size, bool first) {
    // Corners at a quarter, half and three quarters of the arrow button.
    f32 q = size * 0.25f, half = size * 0.5f, tq = size * 0.75f;
    if (g.vertical) {
        f32 tipY = first ? by + q : by + tq, baseY = first ? by + tq : by + q;
        const Point2D arrow[] = {{bx + half, tipY}, {bx + tq, baseY}, {bx + q, baseY}};
        glDrawTriangles(arrow, 3);
    } else {
        f32 tipX = first ? bx + q : bx + tq, baseX = first ? bx + tq : bx + q;
        const Point2D arrow[] = {{tipX, by + half}, {baseX, by + q}, {baseX, by + tq}};
        glDrawTriangles(arrow, 3);
    }
}

// A rectangle along the bar from `start` of length `size`, in draw coordinates.
void PartRect(const Geometry& g, f32 bx, f32 by, f32 start, f32 size, f32* rx, f32* ry, f32* rw,
              f32* rh) {
    *rx = g.vertical ? bx : bx + start;
    *ry = g.vertical ? by + start : by;
    *rw = g.vertical ? g.thickness : size;
    *rh = g.vertical ? size : g.thickness;
}

void DrawDrawn(const ScrollState& s, const Geometry& g, f32 bx, f32 by) {
    f32 px, py, pw, ph;
    glSetTexturing(false);
    SetColor(MakeRGBA(u8(ColorR(s.color) * TRACK_SHADE), u8(ColorG(s.color) * TRACK_SHADE),
                      u8(ColorB(s.color) * TRACK_SHADE), ColorA(s.color)));
    PartRect(g, bx, by, 0, g.length, &px, &py, &pw, &ph);
    glFillRect(px, py, pw, ph);
    const f32 starts[3] = {0.0f, g.length - g.arrow, g.sliderStart};
    const f32 sizes[3] = {g.arrow, g.arrow, g.slider};
    for (int i = 0; i < 3; i++) {
        PartRect(g, bx, by, starts[i], sizes[i], &px, &py, &pw, &ph);
        SetColor(s.color);
        glFillRect(px, py, pw, ph);
        SetColor(MakeRGBA(0, 0, 0, ColorA(s.color)));
        glDrawRect(px, py, pw, ph);
        if (i < 2) Triangle(g, px, py, g.thickness, i == 0);
    }
}

void DrawSkinned(const ScrollSkin& skin, const Geometry& g, f32 bx, f32 by) {
    const Surface* surface = skin.surface;
    f32 pieceW = g.vertical ? surface->width : f32(surface->width) / SKIN_PIECES;
    f32 pieceH = g.vertical ? f32(surface->height) / SKIN_PIECES : surface->height;
    auto piece = [&](int index, f32 start, f32 size) {
        f32 px, py, pw, ph;
        PartRect(g, bx, by, start, size, &px, &py, &pw, &ph);
        f32 sx = g.vertical ? 0 : index * pieceW, sy = g.vertical ? index * pieceH : 0;
        glDrawSurface(px, py, pw, ph, surface, glTempRectF(sx, sy, pieceW, pieceH), FLIP_NONE);
    };
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
    piece(2, g.arrow, g.track);
    piece(0, 0.0f, g.arrow);
    piece(1, g.length - g.arrow, g.arrow);
    piece(3, g.sliderStart, g.slider);
}

class ScrollBar : public ScrollHost {
  public:
    ScrollBar() : ScrollHost(EV_EXTRA_1) {}
    void Draw() override {
        if (MouseInside(this)) SelectCursor(CURSOR_ARROW);
        ScrollDraw(scroll, BarRect(), x, y);
    }
    void MouseDown(u32 button) override {
        EventControl::MouseDown(button);
        f32 mx = 0, my = 0;
        MouseInControl(this, &mx, &my);
        ScrollMouseDown(scroll, BarRect(), button, mx, my);
    }
    int DescribeProperties(PropertyDesc* out) override {
        int n = DescribeScrollProperties<ScrollBar>(out);
        return n + ScrollHost::DescribeProperties(out ? out + n : nullptr);
    }
    int DescribeEvents(EventDesc* out) override {
        static const EventDesc own[] = {{"Scroll", EV_EXTRA_1}};
        int n = CopyDescriptors(own, out);
        return n + ScrollHost::DescribeEvents(out ? out + n : nullptr);
    }

  protected:
    ScrollRect BarRect() const override { return ScrollRect{0, 0, w, h}; }
};
} // namespace

bool ScrollTo(ScrollState& s, f32 position) {
    f32 limited = std::clamp(position, 0.0f, f32(std::max(s.nBlocks, 0)));
    if (std::isnan(limited)) limited = 0.0f;
    if (limited == s.cBlock) return false;
    s.cBlock = limited;
    if (s.owner) s.owner->Fire(s.scrollEvent);
    return true;
}

bool SetScrollPosition(ScrollState& s, const char* name, const void* value) {
    if (!name || !value || strcmp(name, "cBlock") != 0) return false;
    f32 position = 0;
    memcpy(&position, value, sizeof position);
    ScrollTo(s, position);
    return true;
}

bool ScrollHit(const ScrollRect& r, f32 mx, f32 my) {
    return PointInRect(mx, my, r.x, r.y, r.w, r.h);
}

void ScrollMouseDown(ScrollState& s, const ScrollRect& r, u32 button, f32 mx, f32 my) {
    if (button == KEY_WHEEL_UP || button == KEY_WHEEL_DOWN) {
        f32 move = f32(WHEEL_STEPS * s.step);
        ScrollTo(s, s.cBlock + (button == KEY_WHEEL_UP ? -move : move));
        return;
    }
    if (button != KEY_MOUSE_LEFT) return;
    Geometry g = Measure(s, r);
    f32 along = 0, across = 0;
    Along(g, r, mx, my, &along, &across);
    s.pressed = PartAt(s, g, along, across);
    if (s.pressed == PART_SLIDER) {
        s.grab = along - g.sliderStart;
        return;
    }
    Act(s, s.pressed);
    s.repeat = FIRST_REPEAT;
}

void ScrollMouseMove(ScrollState& s, const ScrollRect& r, f32 mx, f32 my) {
    if (s.pressed != PART_SLIDER) return;
    if (!IsKeyDown(KEY_MOUSE_LEFT)) {
        s.pressed = PART_NONE;
        return;
    }
    Geometry g = Measure(s, r);
    f32 along = 0, across = 0;
    Along(g, r, mx, my, &along, &across);
    f32 room = g.track - g.slider;
    if (room <= 0.0f) return;
    ScrollTo(s, (along - s.grab - g.arrow) * f32(s.nBlocks) / room);
}

void ScrollRelease(ScrollState& s) {
    s.pressed = PART_NONE;
}

// A part held down acts again after half a second and then every 0.08 s; a release that
// happened elsewhere ends it.
void ScrollUpdate(ScrollState& s, f32 dt) {
    if (s.pressed == PART_NONE || s.pressed == PART_SLIDER) return;
    if (!IsKeyDown(KEY_MOUSE_LEFT)) {
        s.pressed = PART_NONE;
        return;
    }
    s.repeat -= dt;
    if (s.repeat > 0.0f) return;
    s.repeat += NEXT_REPEAT;
    if (s.repeat <= 0.0f) s.repeat = NEXT_REPEAT;
    Act(s, s.pressed);
}

void ScrollDraw(const ScrollState& s, const ScrollRect& r, f32 ox, f32 oy) {
    Geometry g = Measure(s, r);
    const ScrollSkin& skin = SkinFor(s, g.vertical);
    if (skin.surface && skin.surface->width && skin.surface->height)
        DrawSkinned(skin, g, ox + r.x, oy + r.y);
    else
        DrawDrawn(s, g, ox + r.x, oy + r.y);
}

ScrollHost::ScrollHost(u8 scrollEvent) {
    scroll.owner = this;
    scroll.scrollEvent = scrollEvent;
}

void ScrollHost::Update(f32 dt) {
    ScrollUpdate(scroll, dt);
}

void ScrollHost::MouseMove(f32 dx, f32 dy) {
    EventControl::MouseMove(dx, dy);
    f32 mx = 0, my = 0;
    MouseInControl(this, &mx, &my);
    ScrollMouseMove(scroll, BarRect(), mx, my);
}

void ScrollHost::Click(u32 button) {
    EventControl::Click(button);
    ScrollRelease(scroll);
}

bool ScrollHost::SetProperty(const char* name, const void* value) {
    return SetScrollPosition(scroll, name, value) || EventControl::SetProperty(name, value);
}

void DescribeScrollBar(ClassDesc* cls) {
    DescribeClass<ScrollBar>(cls, "ScrollBar", false, false);
}
