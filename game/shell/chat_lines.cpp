// The chat panel's drawing: the message list's lines at the top left, each with its avatar,
// wrapped into a narrow column; and the system lines made from game texts.
#include <cmath>

#include "engine/input.h"
#include "engine/utils.h"
#include "engine/window.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/font.h"
#include "game/shell/chat.h"
#include "game/shell/loc.h"
#include "game/shell/resources.h"

namespace {
constexpr f32 CHAT_MARGIN = 5.0f;       // canvas units from the top-left corner
constexpr f32 AVATAR_SIZE_LINES = 1.2f; // avatar side in line heights
constexpr f32 AVATAR_INDENT_LINES = 1.6f;
constexpr f32 TEXT_DROP_LINES = 0.1f;
constexpr f32 LINE_GAP_LINES = 0.5f;
constexpr f32 COLUMN_WIDTH = 250.0f;

// Snaps a canvas coordinate down to whole window pixels.
f32 SnapDown(f32 value, f32 canvas, i16 window) {
    if (window <= 0) return value;
    return std::trunc(value * window / canvas) * canvas / window;
}
} // namespace

void DrawChat() {
    Font* previous = SetFont(res.smallFont);
    const Font* font = GetFont();
    if (!font) {
        SetFont(previous);
        return;
    }
    const f32 line = font->lineHeight * font->scale;
    const f32 x0 = SnapDown(CHAT_MARGIN, VIRTUAL_WIDTH, GetClientWidth());
    f32 y = SnapDown(CHAT_MARGIN, VIRTUAL_HEIGHT, GetClientHeight());
    for (int i = 0; i < CHAT_SHOWN && chat.lines[i].text[0]; ++i) {
        const ChatLine& slot = chat.lines[i];
        f32 indent = 0.0f;
        if (slot.avatar) {
            SetColor(MakeRGB(255, 255, 255));
            glDrawTexture(x0, y, AVATAR_SIZE_LINES * line, AVATAR_SIZE_LINES * line, slot.avatar,
                          nullptr, FLIP_NONE);
            indent = AVATAR_INDENT_LINES * line;
        }
        SetColor(MakeRGB(255, 255, 255));
        int height = DrawTextBox(x0 + indent, y + TEXT_DROP_LINES * line, COLUMN_WIDTH - indent,
                                 0.0f, slot.text, 0.0f, ALIGN_LEFT, -1, 0);
        y += f32(height) + LINE_GAP_LINES * line;
    }
    SetFont(previous);
}

void GameMessage(u32 n) {
    SystemMessage(GameText(n));
}
