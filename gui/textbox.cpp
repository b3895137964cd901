// TextBox: a one-line editor with caret, selection, drag selection, word selection, input
// formats, a length limit, the clipboard keys and a default button pressed by Enter.
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
#include "gui/text_input.h"

namespace {
constexpr f32 TEXT_PAD = 2.0f;    // between the border and the text
constexpr f32 DRAG_SCROLL = 4.0f; // scroll speed per unit the pointer is past the edge
constexpr u8 EV_CHANGE = EV_EXTRA_1;

class TextBox : public ToolTipControl {
  public:
    TextBox() {
        editor.text = "TextBox";
        editor.cPos = i32(editor.text.size());
    }

    void Draw() override {
        MarkupOff markupOff;
        editor.Normalize();
        if (MouseInside(this)) SelectCursor(CURSOR_IBEAM);
        Font* previous = SetFont(font);
        f32 lineH = FontLineHeight(font);
        DrawOutlinedBox(x, y, w, h, color, borderColor);
        f32 ty = y + (h - lineH) * 0.5f;
        ClipLeftRight(x, x + w);
        DrawContent(x + TEXT_PAD - scroll, ty, lineH);
        DisableOwnClips();
        SetFont(previous);
    }

    void Update(f32 dt) override {
        ToolTipControl::Update(dt);
        editor.UpdateBlink(dt);
        if (dragging) DragScroll(dt);
    }

    void Char(u32 ch) override {
        if (TypeChar(editor, ch)) KeepCaretVisible();
    }

    void KeyDown(u32 key) override {
        FireKey(EV_KEY_DOWN, key);
        if (destroyed) return;
        if (key == VK_RETURN && !defaultButton.empty()) {
            if (FindControl(defaultButton.c_str())) FocusControl(defaultButton.c_str());
            return;
        }
        if (HandleEditKey(editor, key)) KeepCaretVisible();
    }

    // Enter's release presses the default button (a Button clicks on it).
    void KeyUp(u32 key) override {
        FireKey(EV_KEY_UP, key);
        if (key != VK_RETURN || defaultButton.empty() || destroyed) return;
        if (Control* button = FindControl(defaultButton.c_str())) button->KeyUp(VK_RETURN);
    }

    void MouseDown(u32 button) override {
        if (!PressPlacesCaret(this, editor, button)) return;
        editor.Normalize();
        editor.cPos = PositionAtMouse();
        editor.RestartBlink();
        dragging = true;
    }

    void MouseMove(f32 dx, f32 dy) override {
        ToolTipControl::MouseMove(dx, dy);
        if (!dragging) return;
        if (!IsKeyDown(KEY_MOUSE_LEFT)) {
            dragging = false; // released away from the box
            return;
        }
        editor.Normalize();
        editor.nSel = PositionAtMouse() - editor.cPos;
    }

    void Click(u32 button) override {
        FireKey(EV_CLICK, button);
        if (button == KEY_MOUSE_LEFT) dragging = false;
    }

    void DoubleClick(u32 button) override {
        FireKey(EV_DOUBLE_CLICK, button);
        if (destroyed) return;
        editor.SelectWordAtCaret();
        dragging = false;
    }

    bool SetProperty(const char* name, const void* value) override {
        if (SetEditorText(this, editor, EV_CHANGE, name, value)) {
            scroll = 0.0f;
            return true;
        }
        return ToolTipControl::SetProperty(name, value);
    }

    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"DefaultButton", PT_STRING, "MaxLen:31", GUI_FIELD(TextBox, defaultButton), nullptr},
            {"Text", PT_STRING, nullptr, GUI_FIELD(TextBox, editor.text), nullptr},
            {"cPos", PT_INT, nullptr, GUI_FIELD(TextBox, editor.cPos), nullptr},
            {"nSel", PT_INT, nullptr, GUI_FIELD(TextBox, editor.nSel), nullptr},
            {"Color", PT_COLOR, nullptr, GUI_FIELD(TextBox, color), nullptr},
            {"TextColor", PT_COLOR, nullptr, GUI_FIELD(TextBox, textColor), nullptr},
            {"SelectedColor", PT_COLOR, nullptr, GUI_FIELD(TextBox, selectedColor), nullptr},
            {"SelectedTextColor", PT_COLOR, nullptr, GUI_FIELD(TextBox, selectedTextColor),
             nullptr},
            {"Format", PT_ENUM, "0-String;1-Integer;2-Float", GUI_FIELD(TextBox, editor.format),
             nullptr},
            {"BorderColor", PT_COLOR, nullptr, GUI_FIELD(TextBox, borderColor), nullptr},
            {"MaxLen", PT_INT, nullptr, GUI_FIELD(TextBox, editor.maxLen), nullptr},
        };
        int n = CopyDescriptors(own, out);
        return n + ToolTipControl::DescribeProperties(out ? out + n : nullptr);
    }

    int DescribeEvents(EventDesc* out) override {
        static const EventDesc own[] = {{"Change", EV_CHANGE}};
        int n = CopyDescriptors(own, out);
        return n + ToolTipControl::DescribeEvents(out ? out + n : nullptr);
    }

    TextEditor editor;
    std::string defaultButton;
    u32 color = MakeRGB(236, 255, 236);
    u32 textColor = MakeRGB(0, 0, 0);
    u32 selectedColor = MakeRGB(0, 0, 0);
    u32 selectedTextColor = MakeRGB(255, 255, 255);
    u32 borderColor = MakeRGB(0, 0, 0);
    f32 scroll = 0.0f;
    bool dragging = false;

  private:
    f32 WidthTo(i32 bytes) const { return RawTextWidth(font, editor.text.data(), size_t(bytes)); }
    f32 VisibleWidth() const { return std::max(w - 2 * TEXT_PAD, 0.0f); }

    i32 PositionAt(f32 localX) const {
        return RawPositionAt(font, editor.text.data(), editor.text.size(),
                             localX - TEXT_PAD + scroll);
    }
    i32 PositionAtMouse() const {
        f32 mx = 0, my = 0;
        MouseInControl(this, &mx, &my);
        return PositionAt(mx);
    }

    // The caret stays inside the box after every edit and caret move.
    void KeepCaretVisible() {
        editor.Normalize();
        f32 caret = WidthTo(editor.cPos);
        if (caret - scroll > VisibleWidth()) scroll = caret - VisibleWidth();
        if (caret < scroll) scroll = caret;
        scroll = std::clamp(scroll, 0.0f,
                            std::max(0.0f, WidthTo(i32(editor.text.size())) - VisibleWidth()));
    }

    // While drag-selecting past an edge the text scrolls and the selection follows.
    void DragScroll(f32 dt) {
        if (!IsKeyDown(KEY_MOUSE_LEFT)) {
            dragging = false;
            return;
        }
        f32 mx = 0, my = 0;
        MouseInControl(this, &mx, &my);
        f32 textWidth = WidthTo(i32(editor.text.size()));
        editor.Normalize();
        if (mx < 0) {
            scroll = std::max(0.0f, scroll + mx * dt * DRAG_SCROLL);
            editor.nSel = PositionAt(TEXT_PAD) - editor.cPos;
        } else if (mx > w) {
            scroll = std::min(std::max(0.0f, textWidth - VisibleWidth()),
                              scroll + (mx - w) * dt * DRAG_SCROLL);
            editor.nSel = PositionAt(w - TEXT_PAD) - editor.cPos;
        }
    }

    void DrawSegment(f32 tx, f32 ty, i32 from, i32 to, u32 c) {
        if (to <= from) return;
        SetColor(c);
        DrawTextN(tx, ty, editor.text.data() + from, ALIGN_LEFT, to - from);
    }

    void DrawContent(f32 tx, f32 ty, f32 lineH) {
        i32 s0 = editor.SelStart(), s1 = editor.SelEnd(), end = i32(editor.text.size());
        f32 x0 = WidthTo(s0), x1 = WidthTo(s1);
        DrawSegment(tx, ty, 0, s0, textColor);
        if (s1 > s0) {
            glSetTexturing(false);
            SetColor(selectedColor);
            glFillRect(tx + x0, ty, x1 - x0, lineH);
            DrawSegment(tx + x0, ty, s0, s1, selectedTextColor);
        }
        DrawSegment(tx + x1, ty, s1, end, textColor);
        if (editor.caretVisible && GetFocusRaw() == this) {
            f32 cx = tx + WidthTo(editor.cPos);
            glSetTexturing(false);
            SetColor(MakeRGBA(1, 1, 1, ColorA(color)));
            glDrawLine(cx, ty, cx, ty + lineH);
        }
    }
};
} // namespace

void DescribeTextBox(ClassDesc* cls) {
    DescribeClass<TextBox>(cls, "TextBox", true, false);
}
