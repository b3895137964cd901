// Fuzzes LOC files as the game loads them, against the asset tool's reader of the same format:
// both must accept the same bytes and give the same texts. Then looks texts up inside and past
// the table and hands the table to the key names as a keyboard file would be.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/input.h"
#include "fuzz/shell_stand_ins.h"
#include "game/shell/loc.h"
#include "tools/assettool/loc_format.h"

namespace {

constexpr int KEY_CODES = shell_fuzz::KEY_CODES;

void CheckTable(const LocTable& table, const LocEntries& expected) {
    if (table.count != i32(expected.size()) || table.entries[table.count] != nullptr) abort();
    for (i32 i = 0; i < table.count; i++) {
        // The game keeps each text up to its first zero byte.
        const std::string& text = expected[size_t(i)];
        if (text.compare(0, text.find('\0'), LocText(table, u32(i))) != 0) abort();
    }
    for (u32 past : {u32(table.count), u32(table.count) + 1, 0x7FFFFFFFu, 0xFFFFFFFFu})
        if (*LocText(table, past) != 0) abort();
}

// Each key is named by its entry cut to a whole character that fits the engine's table, or by
// its number when the table has no such entry.
void CheckKeyNames(const LocTable& table) {
    ApplyKeyNameTable(table);
    for (int code = 0; code < KEY_CODES; code++) {
        const char* name = GetKeyName(u16(code));
        const char* entry = LocText(table, u32(code));
        size_t length = strlen(name);
        if (!*entry) {
            if (strncmp(name, "Key ", 4) != 0) abort();
            continue;
        }
        if (length >= size_t(shell_fuzz::KEY_NAME_BYTES) || strncmp(name, entry, length) != 0)
            abort();
        if (shell_fuzz::IsValidUTF8(entry, strlen(entry)) && !shell_fuzz::IsValidUTF8(name, length))
            abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const u8* data, size_t size) {
    // An exact-size copy, so a read past the given bytes is caught.
    std::vector<u8> file(data, data + size);
    LocEntries expected;
    std::string error;
    bool toolAccepts = ParseLocBinary(file.data(), file.size(), &expected, &error);
    LocTable table;
    bool gameAccepts = ParseLOC(file.data(), file.size(), &table);
    if (gameAccepts != toolAccepts) abort();
    if (!gameAccepts) {
        if (table.entries || table.count) abort();
        CheckKeyNames(table); // no keyboard texts: every key is named by its number
        return 0;
    }
    CheckTable(table, expected);
    CheckKeyNames(table);
    FreeLOC(&table);
    if (table.entries || *LocText(table, 0)) abort();
    return 0;
}
