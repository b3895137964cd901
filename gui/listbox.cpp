// ListBox: items drawn in rows with the selection, striped odd rows and cut texts; selection
// by click, Shift+click, keys and first letters; the built-in scroll bar.
#include "gui/listbox.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "engine/input.h"
#include "engine/utils.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/draw2d_state.h"
#include "graphics/font.h"
#include "graphics/markup.h"
#include "gui/classes.h"
#include "gui/gui_internal.h"

namespace {
constexpr f32 DEFAULT_BAR_WIDTH = 15.0f;
constexpr f32 TEXT_X = 2.0f, TEXT_Y = 2.0f;
constexpr f32 CONTENT_PAD = 2.0f; // content height = rows + 2
constexpr f32 STRIPE_ALPHA = 0.05f;
constexpr const char* CUT_MARK = " ...";
constexpr u8 EV_SELECT = EV_EXTRA_1, EV_ACTION = EV_EXTRA_2, EV_SCROLL = EV_EXTRA_3;
constexpr u32 KEY_A = 'A';

i32 FirstLetter(const std::string& text) {
    int step = 1;
    i32 cp = text.empty() ? -1 : DecodeUTF8(text.c_str(), &step);
    return cp >= 0 && cp < 128 ? std::toupper(cp) : cp;
}
} // namespace

ListBox::ListBox()
    : ScrollHost(EV_SCROLL), font(GetFont()), color(MakeRGB(255, 255, 255)),
      textColor(MakeRGB(0, 0, 0)), selectedTextColor(MakeRGB(255, 255, 255)),
      barWidth(DEFAULT_BAR_WIDTH), selectorColor(MakeRGB(0, 0, 160)) {}

f32 ListBox::ItemHeight() const {
    return FontLineHeight(font) + 1.0f;
}

bool ListBox::BarShown() const {
    return ItemHeight() * f32(items.size()) + CONTENT_PAD > h - HeaderHeight();
}

ScrollRect ListBox::BarRect() const {
    return ScrollRect{w - barWidth, HeaderHeight(), barWidth, h - HeaderHeight()};
}

// The bar's range is the part of the rows that does not fit; the position is the offset.
void ListBox::Layout() {
    f32 area = h - HeaderHeight();
    f32 content = ItemHeight() * f32(items.size()) + CONTENT_PAD;
    scroll.nBlocks = BarShown() ? std::max(0, i32(std::ceil(content - area))) : 0;
    scroll.nSliderBlocks = std::max(1, i32(area));
    scroll.step = std::max(1, i32(ItemHeight()));
    scroll.cBlock = std::clamp(scroll.cBlock, 0.0f, f32(scroll.nBlocks));
}

i32 ListBox::ItemAtMouse() const {
    f32 mx = 0, my = 0;
    MouseInControl(this, &mx, &my);
    my -= HeaderHeight();
    if (my < 0) return -1;
    i32 index = i32((my + scroll.cBlock) / ItemHeight());
    return index < i32(items.size()) ? index : -1;
}

bool ListBox::MouseOnBar() const {
    f32 mx = 0, my = 0;
    MouseInControl(this, &mx, &my);
    return BarShown() && ScrollHit(BarRect(), mx, my);
}

void ListBox::SelectIndex(i32 index) {
    if (index < 0 || size_t(index) >= items.size()) return;
    if (!multiSelect && current >= 0 && size_t(current) < items.size())
        items[size_t(current)].selected = false;
    FireIndex(EV_SELECT, index);
    if (destroyed || size_t(index) >= items.size()) return;
    items[size_t(index)].selected = true;
    current = index;
    Layout();
    f32 itemH = ItemHeight(), area = h - HeaderHeight();
    if (f32(index) * itemH < scroll.cBlock) ScrollTo(scroll, f32(index) * itemH);
    f32 bottom = f32(index + 1) * itemH + CONTENT_PAD;
    if (bottom > scroll.cBlock + area) ScrollTo(scroll, bottom - area);
}

void ListBox::SelectEvery() {
    if (!multiSelect) return;
    for (ListItem& item : items) item.selected = true;
}

void ListBox::MouseDown(u32 button) {
    if (items.empty()) return;
    Layout();
    bool wheel = button == KEY_WHEEL_UP || button == KEY_WHEEL_DOWN;
    if (BarShown() && (wheel || MouseOnBar())) {
        f32 mx = 0, my = 0;
        MouseInControl(this, &mx, &my);
        ScrollMouseDown(scroll, BarRect(), button, mx, my);
        return;
    }
    FireKey(EV_MOUSE_DOWN, button);
    if (button != KEY_MOUSE_LEFT || destroyed) return;
    i32 index = ItemAtMouse();
    if (index < 0) return; // below the last item
    bool shift = IsKeyDown(KEY_LSHIFT) || IsKeyDown(KEY_RSHIFT);
    if (!multiSelect && current >= 0 && size_t(current) < items.size())
        items[size_t(current)].selected = false;
    if (!shift || !multiSelect || current < 0 || size_t(current) >= items.size()) {
        items[size_t(index)].selected = !items[size_t(index)].selected;
        FireIndex(EV_SELECT, index);
        current = index;
        return;
    }
    for (i32 i = std::min(current, index); i <= std::max(current, index); i++)
        items[size_t(i)].selected = true;
    FireIndex(EV_SELECT, -1);
}

void ListBox::DoubleClick(u32 button) {
    FireKey(EV_DOUBLE_CLICK, button);
    if (destroyed || button != KEY_MOUSE_LEFT || multiSelect || MouseOnBar()) return;
    i32 index = ItemAtMouse();
    if (index >= 0 && index == current) FireIndex(EV_ACTION, index);
}

void ListBox::KeyDown(u32 key) {
    FireKey(EV_KEY_DOWN, key);
    if (destroyed || items.empty()) return;
    if (multiSelect) {
        if (key == KEY_A && IsKeyDown(KEY_CONTROL)) SelectEvery();
        return;
    }
    if (key == VK_UP || key == VK_DOWN) {
        i32 last = i32(items.size()) - 1;
        i32 next = current < 0 ? 0 : std::clamp(current + (key == VK_UP ? -1 : 1), 0, last);
        if (next != current || current < 0 || !items[size_t(next)].selected) SelectIndex(next);
    } else if ((key == VK_RETURN || key == VK_SPACE) && current >= 0) {
        FireIndex(EV_ACTION, current);
    }
}

// Typing a letter selects the next item starting with it, round to the start.
void ListBox::Char(u32 ch) {
    if (multiSelect || items.empty()) return;
    i32 wanted = ch < 128 ? std::toupper(i32(ch)) : i32(ch);
    i32 count = i32(items.size());
    for (i32 k = 1; k <= count; k++) {
        i32 index = ((current < 0 ? -1 : current) + k) % count;
        if (index < 0) index += count;
        if (FirstLetter(items[size_t(index)].text) == wanted) {
            SelectIndex(index);
            return;
        }
    }
}

void ListBox::DrawCutText(const std::string& text, f32 tx, f32 ty, f32 width) {
    if (TextWidth(text.c_str()) <= width) {
        DrawText(tx, ty, text.c_str(), ALIGN_LEFT);
        return;
    }
    f32 budget = width - TextWidth(CUT_MARK), pen = 0.0f;
    size_t i = 0;
    while (i < text.size()) {
        int tag = text[i] == '<' ? MarkupTagLength(text.c_str() + i) : 0;
        if (tag > 0) {
            i += size_t(tag);
            continue;
        }
        int step = 1;
        f32 advance = GlyphAdvance(DecodeUTF8(text.c_str() + i, &step), font);
        if (pen + advance > budget) break;
        pen += advance;
        i += size_t(std::max(step, 1));
    }
    DrawTextN(tx, ty, text.c_str(), ALIGN_LEFT, int(i));
    DrawText(tx + pen, ty, CUT_MARK, ALIGN_LEFT);
}

void ListBox::DrawItemText(const ListItem& item, f32 tx, f32 ty, f32 width) {
    DrawCutText(item.text, tx, ty, width);
}

void ListBox::Draw() {
    Font* previous = SetFont(font);
    Layout();
    glSetTexturing(false);
    SetColor(color);
    glFillRect(x, y, w, h);
    f32 itemH = ItemHeight(), lineH = FontLineHeight(font), top = y + HeaderHeight();
    f32 room = w - 2 * TEXT_X - (BarShown() ? barWidth : 0.0f);
    ClipTopBottom(top, y + h);
    // Rows start at the first one the scroll offset leaves visible.
    size_t first = itemH > 0.0f ? size_t(std::max(0.0f, (scroll.cBlock - 1.0f) / itemH)) : 0;
    for (size_t i = first; i < items.size(); i++) {
        f32 rowTop = top + 1.0f + f32(i) * itemH - scroll.cBlock;
        if (rowTop + itemH < top) continue;
        if (rowTop > y + h) break;
        const ListItem& item = items[i];
        glSetTexturing(false);
        if (item.selected) {
            SetColor(selectorColor);
            glFillRect(x, rowTop, w, itemH);
        } else if (i % 2 == 1) {
            SetColorF(0.0f, 0.0f, 0.0f, STRIPE_ALPHA);
            glFillRect(x, rowTop, w, itemH);
        }
        f32 indent = item.data ? lineH + TEXT_X : 0.0f;
        SetColor(item.selected ? selectedTextColor : textColor);
        DrawItemText(item, x + TEXT_X + indent, top + TEXT_Y + f32(i) * itemH - scroll.cBlock,
                     room - indent);
    }
    DisableOwnClips();
    if (BarShown()) ScrollDraw(scroll, BarRect(), x, y);
    glSetTexturing(false);
    SetColor(MakeRGBA(0, 0, 0, ColorA(color)));
    glDrawRect(x, y, w, h);
    SetFont(previous);
}

int ListBox::DescribeProperties(PropertyDesc* out) {
    static const PropertyDesc own[] = {
        {"Font", PT_FONT, nullptr, GUI_FIELD(ListBox, font), nullptr},
        {"Color", PT_COLOR, nullptr, GUI_FIELD(ListBox, color), nullptr},
        {"TextColor", PT_COLOR, nullptr, GUI_FIELD(ListBox, textColor), nullptr},
        {"SelectedTextColor", PT_COLOR, nullptr, GUI_FIELD(ListBox, selectedTextColor), nullptr},
        {"ScrollBarWidth", PT_FLOAT, nullptr, GUI_FIELD(ListBox, barWidth), nullptr},
        {"SelectorColor", PT_COLOR, nullptr, GUI_FIELD(ListBox, selectorColor), nullptr},
        {"MultiSelect", PT_BOOL, nullptr, GUI_FIELD(ListBox, multiSelect), nullptr},
        {"ScrollBarSkin", PT_SCROLLSKIN, nullptr, GUI_FIELD(ListBox, scroll.vskin), nullptr},
    };
    int n = CopyDescriptors(own, out);
    n += DescribeScrollProperties<ListBox>(out ? out + n : nullptr); // the layer it builds on
    return n + ScrollHost::DescribeProperties(out ? out + n : nullptr);
}

int ListBox::DescribeEvents(EventDesc* out) {
    static const EventDesc own[] = {
        {"Select", EV_SELECT}, {"Action", EV_ACTION}, {"Scroll", EV_SCROLL}};
    int n = CopyDescriptors(own, out);
    return n + ScrollHost::DescribeEvents(out ? out + n : nullptr);
}

void DescribeListBox(ClassDesc* cls) {
    DescribeClass<ListBox>(cls, "ListBox", true, false);
}
