// Text boxes meeting the rest of the engine: the editing keys with the clipboard, typed
// characters, new text and presses, raw text measuring, colour tags switched off while drawing.
#include "gui/text_input.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "engine/input.h"
#include "engine/loop.h"
#include "engine/utils.h"
#include "graphics/font.h"
#include "gui/control.h"
#include "gui/gui_internal.h"
#include "platform/platform.h"

namespace {
constexpr u32 KEY_A = 'A', KEY_C = 'C', KEY_V = 'V', KEY_X = 'X';
} // namespace

bool HandleEditKey(TextEditor& e, u32 key) {
    bool ctrl = IsKeyDown(KEY_CONTROL);
    if (ctrl && key == KEY_A) {
        e.SelectAll();
    } else if (ctrl && (key == KEY_C || key == KEY_X)) {
        std::string selected = e.Selection();
        if (!selected.empty()) Sys_SetClipboardText(selected.c_str());
        if (key == KEY_X) e.DeleteSelection();
    } else if (ctrl && key == KEY_V) {
        if (char* pasted = Sys_GetClipboardText()) {
            e.Normalize();
            e.Insert(e.cPos, pasted, strlen(pasted));
            free(pasted);
        }
    } else if (key == VK_BACK) {
        e.Backspace();
    } else if (key == VK_DELETE) {
        e.DeleteForward();
    } else if (key == VK_LEFT) {
        e.MoveLeft(IsKeyDown(KEY_SHIFT));
    } else if (key == VK_RIGHT) {
        e.MoveRight(IsKeyDown(KEY_SHIFT));
    } else {
        return false;
    }
    return true;
}

bool TypeChar(TextEditor& editor, u32 ch) {
    constexpr u32 LAST_CODE_POINT = 0x10FFFF;
    constexpr u32 SURROGATES_FIRST = 0xD800, SURROGATES_LAST = 0xDFFF;
    if (ch < ' ' || ch > LAST_CODE_POINT || (ch >= SURROGATES_FIRST && ch <= SURROGATES_LAST))
        return false;
    char buffer[8] = {};
    int n = EncodeUTF8(buffer, 0, ch);
    if (n <= 0) return false;
    editor.Normalize();
    editor.Insert(editor.cPos, buffer, size_t(n));
    return true;
}

bool SetEditorText(EventControl* box, TextEditor& editor, u8 changeEvent, const char* name,
                   const void* value) {
    if (!NameIs(name, "Text")) return false;
    editor.SetText(static_cast<const char*>(value));
    box->Fire(changeEvent);
    editor.cPos = i32(editor.text.size());
    editor.nSel = 0;
    return true;
}

bool PressPlacesCaret(EventControl* box, TextEditor& editor, u32 button) {
    if (button == KEY_MOUSE_LEFT) editor.nSel = 0;
    box->FireKey(EV_MOUSE_DOWN, button);
    return button == KEY_MOUSE_LEFT && !box->destroyed;
}

f32 RawTextWidth(const Font* font, const char* text, size_t bytes) {
    if (!font || !text) return 0.0f;
    f32 width = 0.0f;
    size_t i = 0;
    while (i < bytes && text[i]) {
        int step = 1;
        i32 cp = DecodeUTF8N(text + i, int(std::min(bytes - i, size_t(8))), &step);
        width += GlyphAdvance(cp, font);
        i += size_t(std::max(step, 1));
    }
    return width;
}

i32 RawPositionAt(const Font* font, const char* text, size_t bytes, f32 x) {
    if (!font || !text) return 0;
    f32 pen = 0.0f;
    size_t i = 0;
    while (i < bytes && text[i] && text[i] != '\n') {
        int step = 1;
        i32 cp = DecodeUTF8N(text + i, int(std::min(bytes - i, size_t(8))), &step);
        f32 advance = GlyphAdvance(cp, font);
        if (pen + advance / 2 > x) break;
        pen += advance;
        i += size_t(std::max(step, 1));
    }
    return i32(i);
}

MarkupOff::MarkupOff() : saved_(EngineGetf(ENGINE_TEXT_MARKUP)) {
    EngineSetf(ENGINE_TEXT_MARKUP, 0.0f);
}
MarkupOff::~MarkupOff() {
    EngineSetf(ENGINE_TEXT_MARKUP, saved_);
}
