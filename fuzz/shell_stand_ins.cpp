// The engine services the game shell's readers call, for the fuzz build: key state and key
// names as 256-entry tables like the engine's, failing loudly on a code past them, and the log
// and message box of the fatal file paths, which the targets never reach since they hand the
// readers bytes.
#include "fuzz/shell_stand_ins.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/input.h"
#include "engine/log.h"
#include "engine/utils.h"
#include "gui/gui.h"

namespace {

struct KeyTables {
    bool held[shell_fuzz::KEY_CODES];
    char names[shell_fuzz::KEY_CODES][shell_fuzz::KEY_NAME_BYTES];
};
KeyTables keys;

// A code past the tables is a fault of the caller, whatever the engine would make of it.
void CheckCode(u32 code) {
    if (code >= u32(shell_fuzz::KEY_CODES)) abort();
}

} // namespace

bool IsKeyDown(u32 code) {
    CheckCode(code);
    return keys.held[code];
}

const char* GetKeyName(u16 code) {
    CheckCode(code);
    if (keys.names[code][0]) return keys.names[code];
    return StrFormat("Key %i", code);
}

void SetKeyNames(const char* const* names) {
    for (int i = 0; i < shell_fuzz::KEY_CODES; i++) {
        const char* name = names ? names[i] : nullptr;
        // Reads each name whole, so a pointer into freed or foreign memory is caught here; a
        // name the shell hands over must already fit the table.
        if (name && strlen(name) >= size_t(shell_fuzz::KEY_NAME_BYTES)) abort();
        snprintf(keys.names[i], shell_fuzz::KEY_NAME_BYTES, "%s", name ? name : "");
    }
}

void LogWrite(const char*) {
    abort();
}

int MsgBox(const char*, const char*, const char*) {
    abort();
}

namespace shell_fuzz {

void HoldKeys(const u8* pattern, size_t size) {
    for (int i = 0; i < KEY_CODES; i++)
        keys.held[i] = size > 0 && (pattern[size_t(i / 8) % size] >> (i % 8) & 1);
}

bool KeyHeld(u8 code) {
    return keys.held[code];
}

void SetTestKeyNames() {
    // Plain, empty (named by number), the longest stored and multi-byte names.
    const char* samples[] = {"W",         "",
                             "Ctrl",      "Mouse Left",
                             "Num +",     "Šipka nahoru",
                             "Ä",         "A key name of thirty-one bytes!",
                             "Välilyönti"};
    const char* names[KEY_CODES];
    for (int i = 0; i < KEY_CODES; i++) names[i] = samples[i % (sizeof samples / sizeof *samples)];
    SetKeyNames(names);
}

// The continuation bytes a lead byte announces; -1 for a byte no character starts with.
int ExtraBytes(u8 lead) {
    if (lead < 0x80) return 0;
    if (lead >= 0xC2 && lead < 0xE0) return 1;
    if (lead >= 0xE0 && lead < 0xF0) return 2;
    if (lead >= 0xF0 && lead < 0xF5) return 3;
    return -1;
}

bool IsValidUTF8(const char* text, size_t size) {
    constexpr u32 SMALLEST[] = {0, 0x80, 0x800, 0x10000};
    const u8* s = reinterpret_cast<const u8*>(text);
    for (size_t i = 0; i < size;) {
        int extra = ExtraBytes(s[i]);
        if (extra < 0 || size - i <= size_t(extra)) return false;
        u32 cp = extra == 0 ? s[i] : s[i] & (0x3Fu >> extra);
        for (int k = 1; k <= extra; k++) {
            if ((s[i + size_t(k)] & 0xC0) != 0x80) return false;
            cp = cp << 6 | (s[i + size_t(k)] & 0x3Fu);
        }
        if (cp < SMALLEST[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return false;
        i += size_t(extra) + 1;
    }
    return true;
}

size_t CheckedLength(const char* buffer, size_t capacity) {
    size_t length = strnlen(buffer, capacity);
    if (length >= capacity) abort();
    return length;
}

} // namespace shell_fuzz
