// The scroll-bar layer: the state a ScrollBar holds and that Label, ListBox, ComboBox and
// MLTextBox carry for their built-in bar, with its geometry, input, repeat and drawing.
#pragma once

#include "engine/types.h"
#include "gui/control.h"
#include "gui/gui_internal.h"
#include "gui/skins.h"

enum ScrollPart : u8 {
    PART_NONE = 0,
    PART_FIRST_ARROW = 1,
    PART_SECOND_ARROW = 2,
    PART_SLIDER = 3,
    PART_PAGE_BACK = 4,
    PART_PAGE_FORWARD = 5,
};

// The bar's rectangle relative to its host control's top-left corner.
struct ScrollRect {
    f32 x, y, w, h;
};

struct ScrollState {
    i32 step = 1;          // an arrow's move; the wheel moves three steps
    i32 nBlocks = 0;       // the position runs from 0 to nBlocks
    i32 nSliderBlocks = 1; // the visible amount
    u32 color = 0xFFE1E1E1;
    f32 cBlock = 0; // the position
    ScrollSkin vskin = {};
    ScrollSkin hskin = {};
    u8 pressed = PART_NONE;
    f32 grab = 0;   // where along the slider it was taken
    f32 repeat = 0; // time to the next repeat of a held part
    EventControl* owner = nullptr;
    u8 scrollEvent = 0; // the owner's "Scroll" handler slot
};

// Moves the position (kept within 0..nBlocks) and runs the Scroll handler when it changed.
bool ScrollTo(ScrollState& s, f32 position);
// Mouse positions are relative to the host's top-left corner.
bool ScrollHit(const ScrollRect& r, f32 mx, f32 my);
void ScrollMouseDown(ScrollState& s, const ScrollRect& r, u32 button, f32 mx, f32 my);
void ScrollMouseMove(ScrollState& s, const ScrollRect& r, f32 mx, f32 my);
void ScrollRelease(ScrollState& s);
void ScrollUpdate(ScrollState& s, f32 dt);
// Drawn at the rectangle offset by the host's position in its parent (ox, oy).
void ScrollDraw(const ScrollState& s, const ScrollRect& r, f32 ox, f32 oy);
// "cBlock" moves the position through ScrollTo; true when the name was that.
bool SetScrollPosition(ScrollState& s, const char* name, const void* value);

// What every control with a built-in bar shares: the bar follows a held slider, lets go on
// the release, repeats a held arrow, and "cBlock" moves it. BarRect says where it lies.
class ScrollHost : public EventControl {
  public:
    explicit ScrollHost(u8 scrollEvent);
    void Update(f32 dt) override;
    void MouseMove(f32 dx, f32 dy) override;
    void Click(u32 button) override;
    bool SetProperty(const char* name, const void* value) override;

    ScrollState scroll;

  protected:
    // Relative to the control's top-left corner.
    virtual ScrollRect BarRect() const = 0;
};

// The layer's properties in table order, for a class holding its state as `scroll`.
template <typename Host> int DescribeScrollProperties(PropertyDesc* out) {
    static const PropertyDesc own[] = {
        {"Step", PT_INT, nullptr, GUI_FIELD(Host, scroll.step), nullptr},
        {"nBlocks", PT_INT, nullptr, GUI_FIELD(Host, scroll.nBlocks), nullptr},
        {"nSliderBlocks", PT_INT, nullptr, GUI_FIELD(Host, scroll.nSliderBlocks), nullptr},
        {"ScrollBarColor", PT_COLOR, nullptr, GUI_FIELD(Host, scroll.color), nullptr},
        {"cBlock", PT_FLOAT, nullptr, GUI_FIELD(Host, scroll.cBlock), nullptr},
        {"vskin", PT_SCROLLSKIN, nullptr, GUI_FIELD(Host, scroll.vskin), nullptr},
        {"hskin", PT_SCROLLSKIN, nullptr, GUI_FIELD(Host, scroll.hskin), nullptr},
    };
    return CopyDescriptors(own, out);
}
