// ComboBox: a field showing the current item that drops down a list, drawn over every other
// control through the GUI overlay, capturing the mouse while open.
#include <algorithm>
#include <cmath>

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
#include "gui/list_host.h"
#include "gui/scroll.h"

namespace {
constexpr f32 DEFAULT_BAR_WIDTH = 15.0f;
constexpr i16 DEFAULT_DROP_HEIGHT = 200;
constexpr f32 TEXT_X = 2.0f;
constexpr f32 CONTENT_PAD = 2.0f;
constexpr f32 SHADOW_WIDTH = 4.0f, SHADOW_INSET = 5.0f, SHADOW_ALPHA = 0.5f;
constexpr u8 EV_SELECT = EV_EXTRA_1, EV_SCROLL = EV_EXTRA_2;

enum DropState : u8 { DROP_CLOSED, DROP_OPEN, DROP_CHOOSING, DROP_CLOSING };

class ComboBox;
// The one box whose list is open, and the game's overlay, drawn first and given back when
// the list closes.
struct OpenListState {
    ComboBox* openBox = nullptr;
    OverlayFunc overlayBefore = nullptr;
};
OpenListState openList;
void DrawOpenList();

void TakeOverlay() {
    if (GetGUIOverlay() != DrawOpenList) openList.overlayBefore = GetGUIOverlay();
    SetGUIOverlay(DrawOpenList);
}
void GiveOverlayBack() {
    if (GetGUIOverlay() == DrawOpenList) SetGUIOverlay(openList.overlayBefore);
    openList.overlayBefore = nullptr;
}

class ComboBox : public ScrollHost, public ListHost {
  public:
    ComboBox() : ScrollHost(EV_SCROLL), font(GetFont()) {}

    void Draw() override {
        Font* previous = SetFont(font);
        f32 fy = y + FieldTop(), fh = FieldHeight();
        glSetTexturing(false);
        if (drawShadow)
            DrawSoftShadow(x, fy, x + w, fy + fh, SHADOW_WIDTH, SHADOW_INSET, SHADOW_ALPHA);
        SetColor(color);
        glFillRect(x, fy, w, fh);
        if (current >= 0 && size_t(current) < items.size()) {
            SetColor(textColor);
            ClipLeftRight(x, x + w - fh);
            DrawText(x + TEXT_X, fy + (fh - FontLineHeight(font)) / 2,
                     items[size_t(current)].text.c_str(), ALIGN_LEFT);
            DisableOwnClips();
        }
        DrawDropButton(x + w - fh, fy, fh);
        glSetTexturing(false);
        SetColor(MakeRGBA(0, 0, 0, ColorA(color)));
        glDrawRect(x, fy, w, fh);
        SetFont(previous);
    }

    void MouseDown(u32 button) override {
        FireKey(EV_MOUSE_DOWN, button);
        if (destroyed) return;
        f32 mx = 0, my = 0;
        MouseInControl(this, &mx, &my);
        bool wheel = button == KEY_WHEEL_UP || button == KEY_WHEEL_DOWN;
        if (state == DROP_CLOSED) {
            if (button == KEY_MOUSE_LEFT && !items.empty()) Open();
            return;
        }
        bool onList = my >= ListTop() && my < ListTop() + dropHeight;
        if (wheel ||
            (button == KEY_MOUSE_LEFT && onList && ListScrolls() && ScrollHit(BarRect(), mx, my))) {
            ScrollMouseDown(scroll, BarRect(), button, mx, my);
            return;
        }
        if (button == KEY_MOUSE_LEFT) state = onList ? DROP_CHOOSING : DROP_CLOSING;
    }

    // The release that opened the box leaves it open; a release after choosing picks the
    // item under the pointer; any other release closes it.
    void Click(u32 button) override {
        FireKey(EV_CLICK, button);
        if (destroyed || button != KEY_MOUSE_LEFT || state == DROP_CLOSED) return;
        if (scroll.pressed != PART_NONE) {
            ScrollRelease(scroll);
            return;
        }
        if (state == DROP_OPEN) return;
        if (state == DROP_CHOOSING) {
            i32 index = ItemAtMouse();
            if (index >= 0) {
                current = index;
                FireIndex(EV_SELECT, index);
                if (destroyed) return;
            }
        }
        Close();
    }

    void LoseFocus() override {
        ScrollHost::LoseFocus();
        if (state != DROP_CLOSED) Close();
    }

    void KeyDown(u32 key) override {
        FireKey(EV_KEY_DOWN, key);
        if (destroyed || items.empty()) return;
        if (key == VK_UP || key == VK_DOWN) {
            i32 last = i32(items.size()) - 1;
            i32 next = current < 0 ? 0 : std::clamp(current + (key == VK_UP ? -1 : 1), 0, last);
            if (next != current) SelectIndex(next);
        } else if (key == VK_RETURN && state != DROP_CLOSED) {
            Close();
        }
    }

    void SelectIndex(i32 index) override {
        if (index < 0 || size_t(index) >= items.size()) return;
        current = index;
        ScrollIntoView();
        FireIndex(EV_SELECT, index);
    }

    // One "SelectorColor", the selection box; the bar's colour is the layer's "ScrollBarColor".
    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"Font", PT_FONT, nullptr, GUI_FIELD(ComboBox, font), nullptr},
            {"Color", PT_COLOR, nullptr, GUI_FIELD(ComboBox, color), nullptr},
            {"TextColor", PT_COLOR, nullptr, GUI_FIELD(ComboBox, textColor), nullptr},
            {"SelectedTextColor", PT_COLOR, nullptr, GUI_FIELD(ComboBox, selectedTextColor),
             nullptr},
            {"SelectorColor", PT_COLOR, nullptr, GUI_FIELD(ComboBox, selectorColor), nullptr},
            {"DrawShadow", PT_BOOL, nullptr, GUI_FIELD(ComboBox, drawShadow), nullptr},
            {"ScrollBarWidth", PT_FLOAT, nullptr, GUI_FIELD(ComboBox, barWidth), nullptr},
            {"ScrollBarSkin", PT_SCROLLSKIN, nullptr, GUI_FIELD(ComboBox, scroll.vskin), nullptr},
            {"MaxDropHeight", PT_SHORT, nullptr, GUI_FIELD(ComboBox, maxDropHeight), nullptr},
            {"DropButtonSkin", PT_SURFACE, nullptr, GUI_FIELD(ComboBox, dropButtonSkin), nullptr},
        };
        int n = CopyDescriptors(own, out);
        n += DescribeScrollProperties<ComboBox>(out ? out + n : nullptr);
        return n + ScrollHost::DescribeProperties(out ? out + n : nullptr);
    }

    int DescribeEvents(EventDesc* out) override {
        static const EventDesc own[] = {{"Select", EV_SELECT}, {"Scroll", EV_SCROLL}};
        int n = CopyDescriptors(own, out);
        return n + ScrollHost::DescribeEvents(out ? out + n : nullptr);
    }

    // The drop list, in screen coordinates, over everything else.
    void DrawList() {
        f32 sx = 0, sy = 0;
        ControlScreenPos(this, &sx, &sy);
        Font* previous = SetFont(font);
        f32 top = sy + ListTop(), itemH = ItemHeight();
        glSetTexturing(false);
        SetColor(color);
        glFillRect(sx, top, w, dropHeight);
        ClipTopBottom(top, top + dropHeight);
        f32 room = w - 2 * TEXT_X - (ListScrolls() ? barWidth : 0.0f);
        size_t first = size_t(std::max(0.0f, (scroll.cBlock - 1.0f) / itemH));
        for (size_t i = first; i < items.size(); i++) {
            f32 rowTop = top + 1.0f + f32(i) * itemH - scroll.cBlock;
            if (rowTop + itemH < top) continue;
            if (rowTop > top + dropHeight) break;
            bool chosen = i32(i) == current;
            glSetTexturing(false);
            if (chosen) {
                SetColor(selectorColor);
                glFillRect(sx, rowTop, w, itemH);
            }
            SetColor(chosen ? selectedTextColor : textColor);
            ClipLeftRight(sx, sx + TEXT_X + room);
            DrawText(sx + TEXT_X, rowTop + 1.0f, items[i].text.c_str(), ALIGN_LEFT);
            ClipTopBottom(top, top + dropHeight);
        }
        DisableOwnClips();
        if (ListScrolls()) ScrollDraw(scroll, BarRect(), sx, sy);
        glSetTexturing(false);
        SetColor(MakeRGBA(0, 0, 0, ColorA(color)));
        glDrawRect(sx, top, w, dropHeight);
        SetFont(previous);
    }

    void Close() {
        if (GetCaptureControl() == this) SetCaptureControl(nullptr);
        if (openList.openBox == this) {
            openList.openBox = nullptr;
            GiveOverlayBack();
        }
        if (state != DROP_CLOSED) {
            y = fieldY;
            h = fieldH;
        }
        state = DROP_CLOSED;
        scroll.pressed = PART_NONE;
    }

    Font* font;
    u32 color = MakeRGB(255, 255, 255);
    u32 textColor = MakeRGB(0, 0, 0);
    u32 selectedTextColor = MakeRGB(255, 255, 255);
    u32 selectorColor = MakeRGB(0, 0, 160);
    u8 drawShadow = 0;
    f32 barWidth = DEFAULT_BAR_WIDTH;
    i16 maxDropHeight = DEFAULT_DROP_HEIGHT;
    Surface* dropButtonSkin = nullptr;

  protected:
    ScrollRect BarRect() const override {
        return ScrollRect{w - barWidth, ListTop(), barWidth, dropHeight};
    }

  private:
    u8 state = DROP_CLOSED;
    bool dropsUp = false;
    f32 dropHeight = 0, fieldY = 0, fieldH = 0;

    f32 ItemHeight() const { return FontLineHeight(font) + 1.0f; }
    f32 FieldTop() const { return state != DROP_CLOSED && dropsUp ? dropHeight : 0.0f; }
    f32 FieldHeight() const { return state != DROP_CLOSED ? fieldH : h; }
    f32 ListTop() const { return dropsUp ? 0.0f : FieldHeight(); }
    f32 ContentHeight() const { return ItemHeight() * f32(items.size()) + CONTENT_PAD; }
    bool ListScrolls() const { return ContentHeight() > dropHeight; }

    i32 ItemAtMouse() const {
        f32 mx = 0, my = 0;
        MouseInControl(this, &mx, &my);
        f32 along = my - ListTop();
        if (along < 0 || along >= dropHeight) return -1;
        i32 index = i32((along + scroll.cBlock) / ItemHeight());
        return index < i32(items.size()) ? index : -1;
    }

    void ScrollIntoView() {
        if (state == DROP_CLOSED || current < 0) return;
        scroll.nBlocks = std::max(0, i32(std::ceil(ContentHeight() - dropHeight)));
        scroll.nSliderBlocks = std::max(1, i32(dropHeight));
        scroll.step = std::max(1, i32(ItemHeight()));
        f32 itemTop = f32(current) * ItemHeight();
        if (itemTop < scroll.cBlock) ScrollTo(scroll, itemTop);
        f32 bottom = itemTop + ItemHeight() + CONTENT_PAD;
        if (bottom > scroll.cBlock + dropHeight) ScrollTo(scroll, bottom - dropHeight);
    }

    // Downwards when the list fits below the field, else upwards into the room above it.
    void Open() {
        f32 sx = 0, sy = 0;
        ControlScreenPos(this, &sx, &sy);
        fieldY = y;
        fieldH = h;
        dropHeight = std::min(ContentHeight(), f32(std::max<i16>(maxDropHeight, 1)));
        dropsUp = sy + h + dropHeight > VIRTUAL_HEIGHT;
        if (dropsUp) {
            dropHeight = std::max(1.0f, std::min(dropHeight, sy));
            y = fieldY - dropHeight;
        }
        h = fieldH + dropHeight;
        state = DROP_OPEN;
        scroll.cBlock = 0;
        if (openList.openBox && openList.openBox != this) openList.openBox->Close();
        openList.openBox = this;
        SetCaptureControl(this);
        TakeOverlay();
        ScrollIntoView();
    }

    void DrawDropButton(f32 bx, f32 by, f32 size) {
        if (dropButtonSkin) {
            SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
            glDrawSurfaceRect(bx, by, size, size, dropButtonSkin, nullptr);
            return;
        }
        glSetTexturing(false);
        SetColor(scroll.color);
        glFillRect(bx, by, size, size);
        SetColor(MakeRGBA(0, 0, 0, ColorA(color)));
        glDrawRect(bx, by, size, size);
        const Point2D arrow[] = {{bx + size * 0.25f, by + size * 0.375f},
                                 {bx + size * 0.75f, by + size * 0.375f},
                                 {bx + size * 0.5f, by + size * 0.625f}};
        glDrawTriangles(arrow, 3);
    }
};

void DrawOpenList() {
    if (openList.overlayBefore) openList.overlayBefore();
    if (openList.openBox && !openList.openBox->destroyed && IsShown(openList.openBox))
        openList.openBox->DrawList();
}
} // namespace

void DescribeComboBox(ClassDesc* cls) {
    DescribeClass<ComboBox>(cls, "ComboBox", true, false);
}

void ForgetComboBox(Control* c) {
    if (!openList.openBox || openList.openBox != c) return;
    openList.openBox = nullptr;
    GiveOverlayBack();
}
