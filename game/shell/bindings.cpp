// The key bindings: read once from "Users/default.cdu", asked per action while flying and
// spelled out in the HUD's tooltips.
#include "game/shell/bindings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/input.h"
#include "engine/log.h"
#include "engine/strings.h"
#include "game/shell/startup.h"
#include "game/shell/text_cut.h"
#include "gui/gui.h"

KeyBinding keyBindings[BINDING_COUNT];

namespace {

constexpr const char* USER_CONFIG_PATH = "Users/default.cdu";
constexpr size_t RECORD_BYTES = 4;
constexpr u8 MAX_CHORD_KEYS = 3;
constexpr size_t TABLE_BYTES = BINDING_COUNT * RECORD_BYTES;
constexpr size_t REASON_BYTES = 64;
static_assert(sizeof(KeyBinding) == RECORD_BYTES, "a binding is stored as four bytes");

// What was wrong with the last binding file read; empty when it was a whole, valid table.
struct UserConfigRecord {
    char damage[REASON_BYTES] = "";
};
UserConfigRecord g_userConfig;

// Records why the file is damaged; the first fault found is the one told.
void Damaged(const char* reason) {
    if (!g_userConfig.damage[0]) snprintf(g_userConfig.damage, REASON_BYTES, "%s", reason);
}

// The reason goes to the log after the reader's usual lines, when there is one.
void LogDamage() {
    if (const char* why = UserConfigDamage())
        LogWrite(StrFormat("User config file '%s': %s", USER_CONFIG_PATH, why));
}

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
        g_userConfig = UserConfigRecord{};
        Damaged("file missing");
        LogWrite("Failed to open user config file");
        LogDamage();
        MsgBox("Failed to open user config file", "Message", "Ok");
        exit(EXIT_MISSING_DATA);
    }
    u8 bytes[TABLE_BYTES + 1]; // one byte more tells an overlong file
    size_t got = fread(bytes, 1, sizeof bytes, file);
    fclose(file);
    ParseUserConfig(bytes, got);
    LogWrite("User configuration loaded");
    LogDamage();
}

size_t ParseUserConfig(const u8* data, size_t size) {
    g_userConfig = UserConfigRecord{};
    if (!data) size = 0;
    // A short file fills the whole records it holds; a long one gives only the table's worth.
    size_t records = size / RECORD_BYTES < BINDING_COUNT ? size / RECORD_BYTES : BINDING_COUNT;
    if (records > 0) memcpy(keyBindings, data, records * RECORD_BYTES);
    for (size_t n = 0; n < records; n++)
        if (keyBindings[n].count > MAX_CHORD_KEYS)
            Damaged(StrFormat("action %zu has %u keys, at most 3 fit", n,
                              unsigned(keyBindings[n].count)));
    if (size > TABLE_BYTES) Damaged(StrFormat("file runs past the %d records", BINDING_COUNT));
    if (size < TABLE_BYTES && size % RECORD_BYTES)
        Damaged(StrFormat("file ends inside record %zu", records));
    if (size < TABLE_BYTES)
        Damaged(StrFormat("file ends after %zu of the %d records", records, BINDING_COUNT));
    return records;
}

const char* UserConfigDamage() {
    return g_userConfig.damage[0] ? g_userConfig.damage : nullptr;
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
