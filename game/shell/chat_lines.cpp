// The chat panel's message list: five lines at the top left, each shown for ten seconds once it
// reaches the top, carrying both chat lines and the game's system messages.
#include <cmath>
#include <cstring>

#include "engine/input.h"
#include "engine/utils.h"
#include "engine/window.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/font.h"
#include "game/shell/chat.h"
#include "game/shell/loc.h"
#include "game/shell/resources.h"

ChatState chat;

const i16 pilotCount = PILOT_COUNT;
const char pilotNames[PILOT_COUNT][PILOT_NAME_BYTES] = {
    "Nightjar",    "Quillon", "Sable Vance", "Korrigan", "Ember Tsai",      "Halvard",     "Moth",
    "Brightwater", "Ostrava", "Jun Calder",  "Wrenlock", "Tamsin Oyelaran", "Gallowglass", "Pike"};

namespace {
constexpr f32 CHAT_MARGIN = 5.0f;       // canvas units from the top-left corner
constexpr f32 AVATAR_SIZE_LINES = 1.2f; // avatar side in line heights
constexpr f32 AVATAR_INDENT_LINES = 1.6f;
constexpr f32 TEXT_DROP_LINES = 0.1f;
constexpr f32 LINE_GAP_LINES = 0.5f;
constexpr f32 COLUMN_WIDTH = 250.0f;
constexpr const char* SYSTEM_LINE_FORMAT = "<c green># <c yellow>%s";

// Slots 1..5 move up to 0..4; slot 4 receives the empty sixth slot.
void DropOldest() {
    for (int i = 0; i < CHAT_SHOWN; ++i) chat.lines[i] = chat.lines[i + 1];
    chat.lines[CHAT_SHOWN] = ChatLine{};
    chat.lines[0].timer = CHAT_LINE_SECONDS;
}

// Copies at most CHAT_LINE_BYTES - 1 bytes, never ending inside a UTF-8 sequence.
void CopyLine(char* out, const char* text) {
    size_t n = strnlen(text, CHAT_LINE_BYTES);
    if (n >= size_t(CHAT_LINE_BYTES)) {
        n = CHAT_LINE_BYTES - 1;
        while (n > 0 && (u8(text[n]) & 0xC0) == 0x80) n--;
    }
    memcpy(out, text, n);
    out[n] = 0;
}

// Snaps a canvas coordinate down to whole window pixels.
f32 SnapDown(f32 value, f32 canvas, i16 window) {
    if (window <= 0) return value;
    return std::trunc(value * window / canvas) * canvas / window;
}
} // namespace

void AddChatLine(const char* text, Texture* avatar) {
    if (!text) return;
    int slot = 0;
    while (slot < CHAT_SHOWN && chat.lines[slot].text[0]) slot++;
    if (slot == CHAT_SHOWN) {
        DropOldest();
        slot = CHAT_SHOWN - 1;
    }
    CopyLine(chat.lines[slot].text, text);
    chat.lines[slot].avatar = avatar;
    if (slot == 0) chat.lines[0].timer = CHAT_LINE_SECONDS;
}

void UpdateChat(f32 dt) {
    if (!chat.lines[0].text[0]) return;
    chat.lines[0].timer -= dt;
    if (chat.lines[0].timer <= 0.0f) DropOldest();
}

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

void SystemMessage(const char* text) {
    AddChatLine(StrFormat(SYSTEM_LINE_FORMAT, text ? text : ""), nullptr);
}

void GameMessage(u32 n) {
    SystemMessage(GameText(n));
}
