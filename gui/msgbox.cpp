// MsgBox: lays out a message and its buttons in a modal common dialog and runs engine frames
// until a button is pressed.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/input.h"
#include "engine/log.h"
#include "engine/loop.h"
#include "engine/utils.h"
#include "engine/window.h"
#include "graphics/font.h"
#include "gui/common_dialog.h"
#include "gui/gui_internal.h"
#include "platform/platform.h"

namespace {
const f32 SW = VIRTUAL_WIDTH, SH = VIRTUAL_HEIGHT;
constexpr f32 MAX_WIDTH_SHARE = 0.75f;  // of the screen width, for the text
constexpr f32 MAX_HEIGHT_SHARE = 0.75f; // of the screen height, for the dialog
constexpr f32 BUTTON_PAD_X = 0.02f;     // added to a label's width, of the screen width
constexpr f32 BUTTON_PAD_Y = 0.01f;     // added to the line height, of the screen height
constexpr f32 ROW_GAP = 0.01f;          // counted between buttons when filling a row
constexpr f32 BUTTON_GAP = 0.02f;       // placed between buttons of a row
constexpr f32 ROW_HEIGHT_PAD = 0.02f;   // of the screen height, added to each row
constexpr f32 TEXT_MARGIN = 0.01f;      // of the screen height above the text
constexpr f32 LABEL_MARGIN = 0.01f;     // of the screen width: the label is this much narrower
constexpr f32 TEXT_EXTRA = 15.0f;
constexpr f32 WRAP_INSET = 5.0f;
constexpr f32 HEIGHT_PAD = 0.005f;
constexpr f32 MIN_TEXT_LINES = 3.0f;

struct MsgButton {
    std::string label;
    f32 x = 0, y = 0, w = 0, h = 0;
};

// Labels are cut to 31 bytes without splitting a character; labels past the 32nd are left
// out.
std::vector<MsgButton> SplitButtons(const char* list) {
    std::vector<MsgButton> buttons;
    const char* p = list;
    while (buttons.size() < size_t(MSGBOX_MAX_BUTTONS)) {
        const char* bar = strchr(p, '|');
        size_t n = bar ? size_t(bar - p) : strlen(p);
        if (n > size_t(MSGBOX_MAX_LABEL)) {
            n = MSGBOX_MAX_LABEL;
            while (n > 0 && (u8(p[n]) & 0xC0) == 0x80) n--;
        }
        buttons.push_back(MsgButton{std::string(p, n)});
        if (!bar) break;
        p = bar + 1;
    }
    return buttons;
}

// Rows fill up to the content width; each closed row is centred. Returns the rows' height.
f32 PlaceButtons(std::vector<MsgButton>& buttons, f32 contentW, f32 lineH) {
    f32 rowsHeight = 0, rowWidth = 0;
    size_t rowStart = 0;
    auto closeRow = [&](size_t end) {
        f32 placed = 0;
        for (size_t i = rowStart; i < end; i++) {
            if (i > rowStart) placed += BUTTON_GAP * SW;
            buttons[i].x = placed;
            placed += buttons[i].w;
        }
        f32 shift = (contentW - placed) * 0.5f;
        for (size_t i = rowStart; i < end; i++) {
            buttons[i].x = std::trunc(buttons[i].x + shift);
            buttons[i].y = std::trunc(rowsHeight);
        }
        rowsHeight += ROW_HEIGHT_PAD * SH + lineH;
        rowStart = end;
    };
    for (size_t i = 0; i < buttons.size(); i++) {
        f32 add = buttons[i].w + (i > 0 ? ROW_GAP * SW : 0.0f);
        if (rowWidth + add > contentW && i > rowStart) {
            closeRow(i);
            rowWidth = 0;
        }
        rowWidth += add;
    }
    closeRow(buttons.size());
    return rowsHeight;
}

// Before the GUI can draw (no font, no window), the user still sees the message.
int ShowWithoutGUI(const char* text, const char* caption) {
    Sys_MessageBox(text, caption, SYS_MB_ERROR);
    return 0;
}
} // namespace

int MsgBox(const char* text, const char* caption, const char* buttonList) {
    if (!text || !caption || !buttonList || !buttonList[0]) {
        GUIError = GUI_ERROR_NOT_FOUND;
        return MSGBOX_INVALID;
    }
    // Without a font of its own the box borrows the current one for this call only: keeping
    // it would leave a dangling pointer once the game frees and reloads its fonts.
    Font* font = GetCommonDialogFont() ? GetCommonDialogFont() : GetFont();
    if (!font) {
        LogWrite(
            StrFormat("Unable to display MsgBox(), CommonDialogFont == NULL\n\nMessage: %s\n\n%s",
                      caption, text));
        GUIError = GUI_ERROR_NO_FONT;
        return ShowWithoutGUI(text, caption);
    }
    if (!HasGLContext()) return ShowWithoutGUI(text, caption);

    const f32 lineH = FontLineHeight(font);
    // The label is narrower than the content by its margin: the widest line gets that room
    // too, or it would always wrap.
    f32 widest = TextWidthFont(text, font) + LABEL_MARGIN * SW + 1.0f;
    f32 contentW = std::min(widest, MAX_WIDTH_SHARE * SW);
    contentW = std::max(contentW, f32(VIRTUAL_WIDTH / 4));
    std::vector<MsgButton> buttons = SplitButtons(buttonList);
    for (MsgButton& b : buttons) {
        b.w = std::trunc(TextWidthFont(b.label.c_str(), font) + BUTTON_PAD_X * SW);
        b.h = std::trunc(lineH + BUTTON_PAD_Y * SH);
    }
    f32 textH = f32(TextHeightFont(font, contentW - WRAP_INSET, 0.0f, text, 0.0f, -1));
    f32 area = std::trunc(TEXT_MARGIN * SH + textH + TEXT_EXTRA);
    f32 rows = PlaceButtons(buttons, contentW, lineH);
    f32 height = std::trunc(HEIGHT_PAD * SH + rows + area);
    if (height > MAX_HEIGHT_SHARE * SH) {
        height = std::trunc(MAX_HEIGHT_SHARE * SH);
        area = std::trunc(MAX_HEIGHT_SHARE * SH - rows);
        if (area < MIN_TEXT_LINES * lineH) {
            height = std::trunc(rows + MIN_TEXT_LINES * lineH);
            area = std::trunc(MIN_TEXT_LINES * lineH);
        }
    }

    CommonDialog d = OpenCommonDialog(contentW, height, caption, font);
    if (d.slot < 0) return MSGBOX_UNAVAILABLE;
    const char* dialogName = d.dialog->name;
    std::string label = StrFormat("VAELOR_CD_Label_%i", d.slot);
    const char* labelName = label.c_str();
    if (CreateControl("Label", labelName, dialogName, d.contentX, d.contentY,
                      contentW - LABEL_MARGIN * SW, area)) {
        u32 textColor = GetCommonDialogTextColor();
        SetProperty(labelName, "Text", text);
        SetPropertyValue(labelName, "Color", 0);
        SetPropertyValue(labelName, "TextColor", textColor);
        SetProperty(labelName, "Font", &font);
    }
    for (size_t n = 0; n < buttons.size(); n++) {
        const MsgButton& b = buttons[n];
        std::string name = StrFormat("VAELOR_CD_Button_%i_%i", d.slot, int(n));
        Control* button = CreateControl("Button", name.c_str(), dialogName, b.x + d.contentX,
                                        TEXT_MARGIN * SH + b.y + d.contentY + area, b.w, b.h);
        if (!button) continue;
        SetProperty(name.c_str(), "Text", b.label.c_str());
        SetProperty(name.c_str(), "Font", &font);
        if (!SetEventFn(name.c_str(), "Click", CommonDialogButtonClick)) GUIError = GUI_ERROR_EVENT;
        if (n == 0) SetFocusControl(button);
    }

    while (CommonDialogState(d.slot) == COMMON_DIALOG_WAITING && IsEngineRunning()) DoFrame();
    u8 state = CommonDialogState(d.slot);
    CloseCommonDialog(d);
    if (state >= COMMON_DIALOG_FIRST_BUTTON && state != COMMON_DIALOG_GONE)
        return state - COMMON_DIALOG_FIRST_BUTTON;
    return MSGBOX_CLOSED;
}
