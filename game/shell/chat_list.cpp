// The chat panel's message list: five lines, the top one leaving after ten seconds, carrying
// both chat lines and the game's system messages. Holds no drawing, so text from files and
// typing can be checked on its own.
#include <cstring>

#include "engine/utils.h"
#include "game/shell/chat.h"
#include "game/shell/text_cut.h"

ChatState chat;

const i16 pilotCount = PILOT_COUNT;
const char pilotNames[PILOT_COUNT][PILOT_NAME_BYTES] = {
    "Nightjar",    "Quillon", "Sable Vance", "Korrigan", "Ember Tsai",      "Halvard",     "Moth",
    "Brightwater", "Ostrava", "Jun Calder",  "Wrenlock", "Tamsin Oyelaran", "Gallowglass", "Pike"};

namespace {
constexpr const char* SYSTEM_LINE_FORMAT = "<c green># <c yellow>%s";

// Slots 1..5 move up to 0..4; slot 4 receives the empty sixth slot.
void DropOldest() {
    for (int i = 0; i < CHAT_SHOWN; ++i) chat.lines[i] = chat.lines[i + 1];
    chat.lines[CHAT_SHOWN] = ChatLine{};
    chat.lines[0].timer = CHAT_LINE_SECONDS;
}

// Copies at most CHAT_LINE_BYTES - 1 bytes, never ending inside a UTF-8 sequence.
void CopyLine(char* out, const char* text) {
    size_t n = CharacterCut(text, strnlen(text, CHAT_LINE_BYTES), CHAT_LINE_BYTES - 1);
    memcpy(out, text, n);
    out[n] = 0;
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

void SystemMessage(const char* text) {
    AddChatLine(StrFormat(SYSTEM_LINE_FORMAT, text ? text : ""), nullptr);
}
