// Dialog: a movable window with a title bar, an optional close box and an optional skin; it
// takes the focus when first drawn and comes to the front whenever it gets the focus.
#include <algorithm>
#include <cstring>
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
#include "gui/skins.h"

namespace {
constexpr f32 TITLE_PAD = 4.0f; // title bar height is the line height plus this
constexpr f32 TITLE_TEXT_X = 3.0f, TITLE_TEXT_Y = 2.0f;
constexpr f32 SHADOW_WIDTH = 7.0f, SHADOW_INSET = 10.0f, SHADOW_ALPHA = 0.6f;
constexpr f32 FRAME_LINE_WIDTH = 2.0f;
constexpr u8 EV_OPEN = EV_EXTRA_1, EV_CLOSE = EV_EXTRA_2;

struct Box {
    f32 x, y, w, h;
    bool Contains(f32 px, f32 py) const { return PointInRect(px, py, x, y, w, h); }
};

// Skins give positions relative to the dialog's size (see skins.h).
f32 Resolve(f32 v, f32 size) {
    if (v < 0.0f) return size + v;
    if (v <= 1.0f) return v * size;
    return v;
}

class Dialog : public EventControl {
  public:
    Dialog() : font(GetFont()), text("Dialog") { memset(&skin, 0, sizeof skin); }

    void Draw() override {
        if (!open) {
            Control* focus = GetFocusRaw();
            if (!focus || !IsInside(focus, this)) FocusControl(name);
            open = 1;
            Fire(EV_OPEN);
        }
        if (skin.pieceCount > 0)
            DrawSkinned();
        else
            DrawPlain();
    }

    // Coming to the front is all a dialog does on getting the focus.
    void GetFocus() override {
        if (!parent || detached) return;
        auto& kids = parent->children;
        auto it = std::find(kids.begin(), kids.end(), this);
        if (it != kids.end() && it + 1 != kids.end()) {
            kids.erase(it);
            kids.push_back(this);
        }
    }

    void MouseDown(u32 button) override {
        EventControl::MouseDown(button);
        if (button != KEY_MOUSE_LEFT) return;
        f32 mx = 0, my = 0;
        MouseInControl(this, &mx, &my);
        if (closeButton && CloseBox().Contains(mx, my)) return;
        if (TitleBox().Contains(mx, my)) dragging = true;
    }

    void MouseMove(f32 dx, f32 dy) override {
        EventControl::MouseMove(dx, dy);
        // A release that happened off the dialog never reached it; the drag ends here.
        if (dragging && !IsKeyDown(KEY_MOUSE_LEFT)) dragging = false;
        if (dragging) Move(x + dx, y + dy);
    }

    void Click(u32 button) override {
        EventControl::Click(button);
        dragging = false;
        if (button != KEY_MOUSE_LEFT || !closeButton) return;
        f32 mx = 0, my = 0;
        MouseInControl(this, &mx, &my);
        if (CloseBox().Contains(mx, my)) Close();
    }

    // A closed dialog comes back when it is made visible again.
    void Show() override {
        if (detached && parent) {
            detached = false;
            parent->children.push_back(this);
            open = 0;
        }
        EventControl::Show();
    }

    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"CloseButton", PT_BOOL, nullptr, GUI_FIELD(Dialog, closeButton), nullptr},
            {"BackgroundColor", PT_COLOR, nullptr, GUI_FIELD(Dialog, backgroundColor), nullptr},
            {"BorderColor", PT_COLOR, nullptr, GUI_FIELD(Dialog, borderColor), nullptr},
            {"TextColor", PT_COLOR, nullptr, GUI_FIELD(Dialog, textColor), nullptr},
            {"DragBoxColor", PT_COLOR, nullptr, GUI_FIELD(Dialog, dragBoxColor), nullptr},
            {"InactiveDragBoxColor", PT_COLOR, nullptr, GUI_FIELD(Dialog, inactiveColor), nullptr},
            {"Font", PT_FONT, nullptr, GUI_FIELD(Dialog, font), nullptr},
            {"Text", PT_STRING, nullptr, GUI_FIELD(Dialog, text), nullptr},
            {"Skin", PT_DIALOGSKIN, nullptr, GUI_FIELD(Dialog, skin), nullptr},
        };
        int n = CopyDescriptors(own, out);
        return n + EventControl::DescribeProperties(out ? out + n : nullptr);
    }

    // One "Move" event: the common one, which hears every new position, dragging included.
    int DescribeEvents(EventDesc* out) override {
        static const EventDesc own[] = {{"Open", EV_OPEN}, {"Close", EV_CLOSE}};
        int n = CopyDescriptors(own, out);
        return n + EventControl::DescribeEvents(out ? out + n : nullptr);
    }

    u8 closeButton = 1;
    u32 backgroundColor = MakeRGB(225, 225, 225);
    u32 borderColor = MakeRGB(0, 0, 0);
    u32 textColor = MakeRGB(255, 255, 255);
    u32 dragBoxColor = MakeRGB(0, 0, 160);
    u32 inactiveColor = MakeRGB(160, 160, 160);
    Font* font;
    std::string text;
    DialogSkin skin;
    u8 open = 0;
    bool dragging = false;
    bool shadow = true;

  private:
    f32 TitleHeight() const { return FontLineHeight(font) + TITLE_PAD; }

    Box CloseBox() const {
        if (skin.pieceCount > 0)
            return Box{Resolve(skin.closeX, w), Resolve(skin.closeY, h), Resolve(skin.closeW, w),
                       Resolve(skin.closeH, h)};
        f32 s = FontLineHeight(font);
        return Box{w - s - 4.0f, 3.0f, s + 1.0f, s - 2.0f};
    }

    Box TitleBox() const {
        if (skin.pieceCount > 0)
            return Box{Resolve(skin.titleBoxX, w), Resolve(skin.titleBoxY, h),
                       Resolve(skin.titleBoxW, w), Resolve(skin.titleBoxH, h)};
        return Box{0.0f, 0.0f, w, TitleHeight()};
    }

    bool ClosePressed() const {
        if (!IsKeyDown(KEY_MOUSE_LEFT) || GetFocusRaw() != this) return false;
        f32 mx = 0, my = 0;
        MouseInControl(this, &mx, &my);
        return CloseBox().Contains(mx, my);
    }

    // The dialog leaves its parent's list (it stays alive under its name) and takes the focus
    // and the modal state with it.
    void Close() {
        open = 0;
        Fire(EV_CLOSE);
        if (destroyed || detached || !parent) return;
        Control* focus = GetFocusRaw();
        if (focus && IsInside(focus, this))
            SetFocus(GetActiveSheetRaw() != this ? GetActiveSheetRaw() : nullptr);
        if (GetModalDialog() == this) SetModalDialog(nullptr);
        if (GetCaptureControl() && IsInside(GetCaptureControl(), this)) SetCaptureControl(nullptr);
        auto& kids = parent->children;
        kids.erase(std::remove(kids.begin(), kids.end(), this), kids.end());
        detached = true;
    }

    void DrawPlain() {
        f32 s = FontLineHeight(font), bar = s + TITLE_PAD;
        Control* focus = GetFocusRaw();
        u32 barColor = focus && IsInside(focus, this) ? dragBoxColor : inactiveColor;
        glSetTexturing(false);
        glSetLineSmoothing(true);
        glSetLineWidth(FRAME_LINE_WIDTH);
        PushColor();
        if (shadow) DrawSoftShadow(x, y, x + w, y + h, SHADOW_WIDTH, SHADOW_INSET, SHADOW_ALPHA);
        SetColor(backgroundColor);
        glFillRect(x, y + bar, w, h - bar);
        SetColor(barColor);
        glFillRect(x, y, w, bar);
        if (closeButton) DrawCloseBox(s);
        SetColor(barColor);
        glDrawLine(x, y + bar, x + w, y + bar);
        SetColor(borderColor);
        glDrawRect(x, y, w, h);
        SetColor(textColor);
        Font* previous = SetFont(font);
        DrawText(x + TITLE_TEXT_X, y + TITLE_TEXT_Y, text.c_str(), ALIGN_LEFT);
        SetFont(previous);
        PopColor();
    }

    void DrawCloseBox(f32 s) {
        Box box = CloseBox();
        SetColor(ClosePressed() ? borderColor : backgroundColor);
        glFillRect(x + box.x, y + box.y, box.w, box.h);
        SetColor(borderColor);
        glDrawLine(x + w - s, y + 6.0f, x + w - 8.0f, y + s - 1.0f);
        glDrawLine(x + w - s, y + s - 1.0f, x + w - 8.0f, y + 6.0f);
        glSetLineWidth(1.0f);
        glDrawRect(x + box.x, y + box.y, box.w, box.h);
        glSetLineWidth(FRAME_LINE_WIDTH);
    }

    // Surfaces are drawn a second time as outlines, which smooths their edges.
    void DrawSurfaceTwice(Surface* surface, const Box& b) {
        if (!surface) return;
        SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
        glDrawSurfaceRect(x + b.x, y + b.y, b.w, b.h, surface, nullptr);
        BeginLinePolygons();
        glDrawSurfaceRect(x + b.x, y + b.y, b.w, b.h, surface, nullptr);
        EndLinePolygons();
    }

    void DrawSkinned() {
        int count = std::min<int>(skin.pieceCount, DIALOG_SKIN_PIECES);
        for (int i = 0; i < count; i++) {
            const DialogSkinPiece& p = skin.pieces[i];
            DrawSurfaceTwice(
                p.surface, Box{Resolve(p.x, w), Resolve(p.y, h), Resolve(p.w, w), Resolve(p.h, h)});
        }
        SetColor(skin.titleColor);
        Font* previous = SetFont(skin.titleFont ? skin.titleFont : font);
        i32 align = skin.titleAlign == 0 ? ALIGN_CENTER
                                         : (skin.titleAlign == -1 ? ALIGN_LEFT : ALIGN_RIGHT);
        DrawText(x + Resolve(skin.titleX, w), y + Resolve(skin.titleY, h), text.c_str(), align);
        SetFont(previous);
        if (closeButton)
            DrawSurfaceTwice(ClosePressed() ? skin.closePressed : skin.closeNormal, CloseBox());
    }
};
} // namespace

void DescribeDialog(ClassDesc* cls) {
    DescribeClass<Dialog>(cls, "Dialog", false, true);
}
