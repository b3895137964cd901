// MLTextBox: the multi-line editor. Text wraps to the box, keeps its newlines, scrolls with
// a built-in vertical bar, and Up and Down move the caret between wrapped lines.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/input.h"
#include "engine/utils.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_state.h"
#include "graphics/font.h"
#include "gui/classes.h"
#include "gui/gui_internal.h"
#include "gui/scroll.h"
#include "gui/text_input.h"

namespace {
constexpr f32 TEXT_PAD = 2.0f; // the text area is the box less this on every side
constexpr f32 DEFAULT_BAR_WIDTH = 15.0f;
constexpr u8 EV_CHANGE = EV_EXTRA_1, EV_SCROLL = EV_EXTRA_2;
constexpr f32 LINE_UP = -0.5f, LINE_DOWN = 1.5f; // where Up and Down look, in lines

struct TextLine {
    i32 start, length; // bytes; a line ended by a newline includes it
};

class MLTextBox : public ScrollHost {
  public:
    MLTextBox() : ScrollHost(EV_SCROLL), font(GetFont()) {
        editor.multiLine = true;
        editor.text = "MLTextBox";
        editor.cPos = i32(editor.text.size());
    }

    void Draw() override {
        MarkupOff markupOff;
        editor.Normalize();
        Layout();
        f32 mx = 0, my = 0;
        MouseInControl(this, &mx, &my);
        if (HitTest(mx, my) && !(barShown && ScrollHit(BarRect(), mx, my)))
            SelectCursor(CURSOR_IBEAM);
        Font* previous = SetFont(font);
        glSetTexturing(false);
        SetColor(color);
        glFillRect(x, y, w, h);
        DrawLines();
        if (barShown) ScrollDraw(scroll, BarRect(), x, y);
        glSetTexturing(false);
        SetColor(borderColor);
        glDrawRect(x, y, w, h);
        SetFont(previous);
    }

    void Update(f32 dt) override {
        editor.UpdateBlink(dt);
        ScrollHost::Update(dt);
        if (dragging && !IsKeyDown(KEY_MOUSE_LEFT)) dragging = false;
    }

    void Char(u32 ch) override {
        if (TypeChar(editor, ch)) KeepCaretVisible();
    }

    void KeyDown(u32 key) override {
        FireKey(EV_KEY_DOWN, key);
        if (destroyed) return;
        editor.Normalize();
        if (key == VK_RETURN || key == KEY_NUMPAD_ENTER) {
            editor.Insert(editor.cPos, "\n", 1);
        } else if (key == VK_UP || key == VK_DOWN) {
            MoveVertically(key == VK_UP ? LINE_UP : LINE_DOWN);
        } else if (!HandleEditKey(editor, key)) {
            return;
        }
        KeepCaretVisible();
    }

    void MouseDown(u32 button) override {
        Layout();
        f32 mx = 0, my = 0;
        MouseInControl(this, &mx, &my);
        bool wheel = button == KEY_WHEEL_UP || button == KEY_WHEEL_DOWN;
        if (barShown && (wheel || ScrollHit(BarRect(), mx, my))) {
            ScrollMouseDown(scroll, BarRect(), button, mx, my);
            return;
        }
        if (!PressPlacesCaret(this, editor, button)) return;
        editor.cPos = PositionAt(mx, my);
        editor.RestartBlink();
        dragging = true;
    }

    // ScrollHost's move, with the pointer's position kept for drag selection.
    void MouseMove(f32 dx, f32 dy) override {
        EventControl::MouseMove(dx, dy);
        f32 mx = 0, my = 0;
        MouseInControl(this, &mx, &my);
        ScrollMouseMove(scroll, BarRect(), mx, my);
        if (!dragging) return;
        editor.Normalize();
        editor.nSel = PositionAt(mx, my) - editor.cPos;
    }

    void Click(u32 button) override {
        ScrollHost::Click(button);
        if (button == KEY_MOUSE_LEFT) dragging = false;
    }

    void DoubleClick(u32 button) override {
        ScrollHost::DoubleClick(button);
        if (destroyed) return;
        editor.SelectWordAtCaret();
        dragging = false;
    }

    bool SetProperty(const char* name, const void* value) override {
        if (SetEditorText(this, editor, EV_CHANGE, name, value)) {
            scroll.cBlock = 0;
            return true;
        }
        return ScrollHost::SetProperty(name, value);
    }

    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"Font", PT_FONT, nullptr, GUI_FIELD(MLTextBox, font), nullptr},
            {"Text", PT_STRING, nullptr, GUI_FIELD(MLTextBox, editor.text), nullptr},
            {"cPos", PT_INT, nullptr, GUI_FIELD(MLTextBox, editor.cPos), nullptr},
            {"nSel", PT_INT, nullptr, GUI_FIELD(MLTextBox, editor.nSel), nullptr},
            {"Color", PT_COLOR, nullptr, GUI_FIELD(MLTextBox, color), nullptr},
            {"TextColor", PT_COLOR, nullptr, GUI_FIELD(MLTextBox, textColor), nullptr},
            {"SelectedColor", PT_COLOR, nullptr, GUI_FIELD(MLTextBox, selectedColor), nullptr},
            {"SelectedTextColor", PT_COLOR, nullptr, GUI_FIELD(MLTextBox, selectedTextColor),
             nullptr},
            {"BorderColor", PT_COLOR, nullptr, GUI_FIELD(MLTextBox, borderColor), nullptr},
            {"ScrollBarWidth", PT_FLOAT, nullptr, GUI_FIELD(MLTextBox, barWidth), nullptr},
        };
        int n = CopyDescriptors(own, out);
        n += DescribeScrollProperties<MLTextBox>(out ? out + n : nullptr);
        return n + ScrollHost::DescribeProperties(out ? out + n : nullptr);
    }

    int DescribeEvents(EventDesc* out) override {
        static const EventDesc own[] = {{"Change", EV_CHANGE}, {"Scroll", EV_SCROLL}};
        int n = CopyDescriptors(own, out);
        return n + ScrollHost::DescribeEvents(out ? out + n : nullptr);
    }

    Font* font;
    TextEditor editor;
    u32 color = MakeRGB(236, 255, 236);
    u32 textColor = MakeRGB(0, 0, 0);
    u32 selectedColor = MakeRGB(0, 0, 0);
    u32 selectedTextColor = MakeRGB(255, 255, 255);
    u32 borderColor = MakeRGB(0, 0, 0);
    f32 barWidth = DEFAULT_BAR_WIDTH;

  protected:
    ScrollRect BarRect() const override { return ScrollRect{w - barWidth, 0, barWidth, h}; }

  private:
    // Lines at the full width and beside the bar, each kept with what it was made from, so
    // unchanged text is not broken again every frame.
    struct LineCache {
        std::string text;
        f32 width = -1.0f;
        const Font* font = nullptr;
        std::vector<TextLine> lines;
    };
    LineCache wide, narrow;
    std::vector<TextLine> lines;
    bool barShown = false;
    f32 wrapWidth = 0;
    bool dragging = false;

    f32 LineHeight() const { return std::max(FontLineHeight(font), 1.0f); }
    f32 AreaHeight() const { return std::max(h - 2 * TEXT_PAD, 0.0f); }

    // Lines of the whole text at a wrap width; a final newline opens one more empty line.
    const std::vector<TextLine>& BreakLines(LineCache& cache, f32 width) {
        const std::string& t = editor.text;
        if (width == cache.width && font == cache.font && t == cache.text) return cache.lines;
        cache.text = t;
        cache.width = width;
        cache.font = font;
        cache.lines.clear();
        MarkupOff markupOff;
        i32 pos = 0, size = i32(t.size());
        while (pos < size) {
            int count = size - pos;
            f32 lineWidth = 0;
            int used = FitLine(t.data() + pos, width, font, nullptr, &count, &lineWidth);
            used = std::clamp(used, 1, size - pos);
            cache.lines.push_back(TextLine{pos, used});
            pos += used;
        }
        if (cache.lines.empty() || t.back() == '\n') cache.lines.push_back(TextLine{size, 0});
        return cache.lines;
    }

    // The bar shows while the text is taller than the box; the text then wraps beside it.
    void Layout() {
        wrapWidth = std::max(w - 2 * TEXT_PAD, 1.0f);
        lines = BreakLines(wide, wrapWidth);
        barShown = font && f32(lines.size()) * LineHeight() > AreaHeight();
        if (barShown) {
            wrapWidth = std::max(w - 2 * TEXT_PAD - barWidth, 1.0f);
            lines = BreakLines(narrow, wrapWidth);
        }
        f32 total = f32(lines.size()) * LineHeight();
        scroll.nBlocks = barShown ? std::max(0, i32(total - AreaHeight() + 0.5f)) : 0;
        scroll.nSliderBlocks = std::max(1, i32(AreaHeight()));
        scroll.step = std::max(1, i32(LineHeight()));
        scroll.cBlock = std::clamp(scroll.cBlock, 0.0f, f32(scroll.nBlocks));
    }

    // The line holding a byte position: the last line that starts at or before it.
    size_t LineOf(i32 position) const {
        size_t index = 0;
        for (size_t i = 0; i < lines.size(); i++)
            if (lines[i].start <= position) index = i;
        return index;
    }

    // Where a byte position is drawn, relative to the text area's top-left before scrolling.
    void CaretPoint(i32 position, f32* px, f32* py) const {
        size_t line = LineOf(position);
        *py = f32(line) * LineHeight();
        *px = RawTextWidth(font, editor.text.data() + lines[line].start,
                           size_t(position - lines[line].start));
    }

    // The character nearest a point relative to the box.
    i32 PositionAt(f32 mx, f32 my) {
        if (lines.empty()) Layout();
        f32 ty = my - TEXT_PAD + scroll.cBlock;
        i32 line = std::clamp(i32(ty / LineHeight()), 0, i32(lines.size()) - 1);
        if (ty < 0) line = 0;
        const TextLine& l = lines[size_t(line)];
        i32 offset =
            RawPositionAt(font, editor.text.data() + l.start, size_t(l.length), mx - TEXT_PAD);
        return l.start + offset;
    }

    void MoveVertically(f32 lines_) {
        Layout();
        f32 cx = 0, cy = 0;
        CaretPoint(editor.cPos, &cx, &cy);
        editor.cPos =
            PositionAt(cx + TEXT_PAD, cy + lines_ * LineHeight() + TEXT_PAD - scroll.cBlock);
        editor.nSel = 0;
        editor.RestartBlink();
    }

    void KeepCaretVisible() {
        Layout();
        f32 cx = 0, cy = 0;
        CaretPoint(editor.cPos, &cx, &cy);
        if (cy < scroll.cBlock) ScrollTo(scroll, cy);
        if (cy + LineHeight() > scroll.cBlock + AreaHeight())
            ScrollTo(scroll, cy + LineHeight() - AreaHeight());
    }

    void DrawSegment(f32 px, f32 py, i32 from, i32 to, u32 c) {
        while (to > from && editor.text[size_t(to - 1)] == '\n') to--;
        if (to <= from) return;
        SetColor(c);
        DrawTextN(px, py, editor.text.data() + from, ALIGN_LEFT, to - from);
    }

    // Line by line: the selection's box behind its characters, which take their own colour;
    // partly visible lines are cut at the area's edges.
    void DrawLines() {
        f32 left = x + TEXT_PAD, top = y + TEXT_PAD, lineH = LineHeight();
        ClipTopBottom(top, top + AreaHeight());
        i32 s0 = editor.SelStart(), s1 = editor.SelEnd();
        for (size_t i = 0; i < lines.size(); i++) {
            f32 ly = top + f32(i) * lineH - scroll.cBlock;
            if (ly + lineH < top || ly > top + AreaHeight()) continue;
            const TextLine& l = lines[i];
            i32 a = std::clamp(s0, l.start, l.start + l.length);
            i32 b = std::clamp(s1, l.start, l.start + l.length);
            f32 xa = RawTextWidth(font, editor.text.data() + l.start, size_t(a - l.start));
            f32 xb = RawTextWidth(font, editor.text.data() + l.start, size_t(b - l.start));
            if (b > a) {
                glSetTexturing(false);
                SetColor(selectedColor);
                glFillRect(left + xa, ly, std::max(xb - xa, lineH / 2), lineH);
            }
            DrawSegment(left, ly, l.start, a, textColor);
            DrawSegment(left + xa, ly, a, b, selectedTextColor);
            DrawSegment(left + xb, ly, b, l.start + l.length, textColor);
        }
        if (editor.caretVisible && GetFocusRaw() == this) {
            f32 cx = 0, cy = 0;
            CaretPoint(editor.cPos, &cx, &cy);
            glSetTexturing(false);
            SetColor(MakeRGBA(1, 1, 1, ColorA(color)));
            glDrawLine(left + cx, top + cy - scroll.cBlock, left + cx,
                       top + cy - scroll.cBlock + lineH);
        }
        DisableOwnClips();
    }
};
} // namespace

void DescribeMLTextBox(ClassDesc* cls) {
    DescribeClass<MLTextBox>(cls, "MLTextBox", true, false);
}
