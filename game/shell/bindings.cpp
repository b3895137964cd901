// The key bindings: read once from "Users/default.cdu", asked per action while flying and
// spelled out in the HUD's tooltips.
#include "game/shell/bindings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/input.h"
#include "engine/log.h"
#include "game/shell/startup.h"
#include "game/shell/text_cut.h"
#include "gui/gui.h"

KeyBinding keyBindings[BINDING_COUNT];

namespace {

constexpr const char* USER_CONFIG_PATH = "Users/default.cdu";
constexpr size_t RECORD_BYTES = 4;
constexpr u8 MAX_CHORD_KEYS = 3;
static_assert(sizeof(KeyBinding) == RECORD_BYTES, "a binding is stored as four bytes");

// A stored count above three would read past the chord's keys.
u8 ChordLength(const KeyBinding& binding) {
    return binding.count < MAX_CHORD_KEYS ? binding.count : MAX_CHORD_KEYS;
}

// Appends text whole or as much of it as fits, cut between characters; false when it did not
// fit whole, so the caller adds nothing more and a cut result stays the start of the whole.
bool Append(char* buffer, size_t capacity, const char* text) {
    size_t used = strnlen(buffer, capacity);
    if (used >= capacity) return false;
    size_t length = strlen(text), room = capacity - 1 - used;
    size_t kept = CharacterCut(text, length, room);
    memcpy(buffer + used, text, kept);
    buffer[used + kept] = 0;
    return kept == length;
}

} // namespace

void LoadUserConfig() {
    LogWrite("Loading user configuration");
    FILE* file = fopen(USER_CONFIG_PATH, "rb");
    if (!file) {
        LogWrite("Failed to open user config file");
        MsgBox("Failed to open user config file", "Message", "Ok");
        exit(EXIT_MISSING_DATA);
    }
    u8 bytes[BINDING_COUNT * RECORD_BYTES];
    size_t got = fread(bytes, 1, sizeof bytes, file);
    fclose(file);
    ParseUserConfig(bytes, got);
    LogWrite("User configuration loaded");
}

size_t ParseUserConfig(const u8* data, size_t size) {
    if (!data) return 0;
    // A short file fills the whole records it holds; a long one gives only the table's worth.
    size_t records = size / RECORD_BYTES < BINDING_COUNT ? size / RECORD_BYTES : BINDING_COUNT;
    if (records > 0) memcpy(keyBindings, data, records * RECORD_BYTES);
    return records;
}

bool IsActionDown(u32 action) {
    if (action >= BINDING_COUNT) return false;
    const KeyBinding& binding = keyBindings[action];
    for (u8 i = 0; i < ChordLength(binding); i++)
        if (!IsKeyDown(binding.keys[i])) return false;
    return true;
}

void BindingKeyNames(char* buffer, size_t capacity, u32 action, bool lineBreak) {
    if (!buffer || capacity == 0) return;
    bool room = true;
    if (action < BINDING_COUNT) {
        const KeyBinding& binding = keyBindings[action];
        for (u8 i = 0; room && i < ChordLength(binding); i++) {
            if (i > 0) room = Append(buffer, capacity, " + ");
            if (room) room = Append(buffer, capacity, GetKeyName(binding.keys[i]));
        }
    }
    if (lineBreak && room) Append(buffer, capacity, "\n");
}
