// MCListBox: a ListBox whose items are split into columns (cells separated by tabs), under a
// column bar with the titles.
#include <string>
#include <vector>

#include "engine/utils.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_state.h"
#include "graphics/font.h"
#include "gui/classes.h"
#include "gui/gui_internal.h"
#include "gui/listbox.h"

namespace {
constexpr f32 DEFAULT_COLUMN_H = 18.0f;
constexpr f32 CELL_PAD = 2.0f;
constexpr size_t MAX_COLUMNS = 64;
constexpr char CELL_SEPARATOR = '\t';

struct Column {
    std::string title;
    f32 width;
};

class MCListBox : public ListBox {
  public:
    void Draw() override {
        ListBox::Draw();
        Font* previous = SetFont(font);
        glSetTexturing(false);
        SetColor(barColor);
        glFillRect(x, y, w, columnH);
        f32 cx = x, ty = y + (columnH - FontLineHeight(font)) / 2;
        ClipLeftRight(x, x + w);
        for (size_t i = 0; i < columns.size(); i++) {
            SetColor(barTextColor);
            DrawCutText(columns[i].title, cx + CELL_PAD, ty, columns[i].width - 2 * CELL_PAD);
            cx += columns[i].width;
            glSetTexturing(false);
            SetColor(barBorderColor);
            glDrawLine(cx, y, cx, y + columnH);
        }
        DisableOwnClips();
        glSetTexturing(false);
        SetColor(barBorderColor);
        glDrawRect(x, y, w, columnH);
        SetFont(previous);
    }

    bool AddColumn(const char* title, f32 width) override {
        if (columns.size() >= MAX_COLUMNS || !(width > 0.0f)) return false;
        columns.push_back(Column{title ? title : "", width});
        return true;
    }

    int DescribeProperties(PropertyDesc* out) override {
        static const PropertyDesc own[] = {
            {"ColumnBarColor", PT_COLOR, nullptr, GUI_FIELD(MCListBox, barColor), nullptr},
            {"ColumnBarTextColor", PT_COLOR, nullptr, GUI_FIELD(MCListBox, barTextColor), nullptr},
            {"ColumnBarBorderColor", PT_COLOR, nullptr, GUI_FIELD(MCListBox, barBorderColor),
             nullptr},
            {"ColumnH", PT_FLOAT, nullptr, GUI_FIELD(MCListBox, columnH), nullptr},
        };
        int n = CopyDescriptors(own, out);
        return n + ListBox::DescribeProperties(out ? out + n : nullptr);
    }

    u32 barColor = MakeRGB(200, 200, 200);
    u32 barTextColor = MakeRGB(0, 0, 0);
    u32 barBorderColor = MakeRGB(0, 0, 0);
    f32 columnH = DEFAULT_COLUMN_H;
    std::vector<Column> columns;

  protected:
    f32 HeaderHeight() const override { return columnH > 0.0f ? std::min(columnH, h) : 0.0f; }

    // Each cell in its column, cut to the column's width; text past the last column is not
    // shown.
    void DrawItemText(const ListItem& item, f32 tx, f32 ty, f32 width) override {
        if (columns.empty()) return ListBox::DrawItemText(item, tx, ty, width);
        size_t start = 0;
        f32 cx = x;
        bool first = true;
        for (const Column& column : columns) {
            size_t end = item.text.find(CELL_SEPARATOR, start);
            std::string cell =
                item.text.substr(start, end == std::string::npos ? end : end - start);
            f32 left = first ? tx : cx + CELL_PAD; // the first cell keeps the item's indent
            first = false;
            DrawCutText(cell, left, ty, cx + column.width - CELL_PAD - left);
            cx += column.width;
            if (end == std::string::npos) break;
            start = end + 1;
        }
    }
};
} // namespace

void DescribeMCListBox(ClassDesc* cls) {
    DescribeClass<MCListBox>(cls, "MCListBox", true, false);
}
