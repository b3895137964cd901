// LOC files: a signed 16-bit count, then records of a signed 16-bit length and that many text
// bytes. Read whole through the engine's bounded byte reader, so a damaged file is refused
// rather than read as garbage.
#include "game/shell/loc.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/input.h"
#include "engine/log.h"
#include "engine/utils.h"
#include "game/shell/startup.h"
#include "game/shell/text_cut.h"
#include "graphics/images/byte_reader.h"
#include "gui/gui.h"

LocTable gameText;
LocTable menuText;

namespace {

constexpr size_t LOC_FIELD_BYTES = 2;
constexpr size_t LOC_MAX_RECORD_BYTES = LOC_FIELD_BYTES + 32767;
// The longest file whose every byte can belong to a record; later bytes are never read.
constexpr size_t LOC_MAX_FILE_BYTES = LOC_FIELD_BYTES + 32767 * LOC_MAX_RECORD_BYTES;
constexpr int KEY_NAME_COUNT = 256;
constexpr size_t KEY_NAME_BYTES = 32; // the engine keeps 31 bytes of each name

const char* const LANGUAGE_CODES[LANGUAGE_COUNT] = {"eng", "cro", "cz",  "pl",
                                                    "de",  "it",  "spa", "fin"};

// Why the last refused LOC file was refused; only Fail sets it.
struct LocFailureRecord {
    const char* reason = "no failure";
};
LocFailureRecord g_locFailure;

bool Fail(const char* reason) {
    g_locFailure.reason = reason;
    return false;
}

bool ReadFileBytes(const char* path, std::vector<u8>* out) {
    FILE* file = path ? fopen(path, "rb") : nullptr;
    if (!file) return Fail("file missing");
    long length = fseek(file, 0, SEEK_END) == 0 ? ftell(file) : -1;
    bool ok = length >= 0 && fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        size_t size = size_t(length) < LOC_MAX_FILE_BYTES ? size_t(length) : LOC_MAX_FILE_BYTES;
        out->resize(size);
        ok = fread(out->data(), 1, size, file) == size;
    }
    fclose(file);
    return ok || Fail("file unreadable");
}

void FreeStrings(std::vector<char*>* strings) {
    for (char* s : *strings) free(s);
    strings->clear();
}

// Every record the count announces, each a 0-terminated heap copy; false when a count or
// length is negative or the bytes run out.
bool ParseRecords(const u8* data, size_t size, std::vector<char*>* strings) {
    ByteReader reader(data, size);
    i16 count = reader.I16();
    if (!reader.Ok()) return Fail("file ends inside the record count");
    if (count < 0) return Fail("negative record count");
    strings->reserve(size_t(count) + 1);
    const char* why = nullptr;
    for (i16 i = 0; i < count; i++) {
        i16 length = reader.I16();
        if (reader.Ok() && length < 0) {
            why = "negative record length";
            break;
        }
        const u8* text = reader.Take(u64(length));
        char* copy = reader.Ok() ? static_cast<char*>(malloc(size_t(length) + 1)) : nullptr;
        if (!copy) {
            why = reader.Ok() ? "out of memory" : "file ends inside a record";
            break;
        }
        if (length > 0) memcpy(copy, text, size_t(length));
        copy[length] = 0;
        strings->push_back(copy);
    }
    if (!why) return true;
    FreeStrings(strings);
    return Fail(why);
}

} // namespace

bool TryLoadLOC(const char* path, LocTable* table) {
    std::vector<u8> bytes;
    return ReadFileBytes(path, &bytes) && ParseLOC(bytes.data(), bytes.size(), table);
}

bool ParseLOC(const u8* data, size_t size, LocTable* table) {
    std::vector<char*> strings;
    if (!table) return Fail("no table");
    if (!ParseRecords(data, size, &strings)) return false;
    char** entries = static_cast<char**>(malloc((strings.size() + 1) * sizeof(char*)));
    if (!entries) {
        FreeStrings(&strings);
        return Fail("out of memory");
    }
    if (!strings.empty()) memcpy(entries, strings.data(), strings.size() * sizeof(char*));
    entries[strings.size()] = nullptr;
    table->entries = entries;
    table->count = i32(strings.size());
    return true;
}

void LoadLOC(const char* path, LocTable* table) {
    LogWrite(StrFormat("Loading LOC file: '%s'", path ? path : ""));
    if (!TryLoadLOC(path, table)) {
        LogWrite("Unable to load LOC file, quitting...");
        LogWrite(StrFormat("LOC file '%s': %s", path ? path : "", LocFailureReason()));
        MsgBox(StrFormat("Unable to open '%s', quiting...", path ? path : ""), "Critical Error",
               "Ok");
        exit(EXIT_MISSING_DATA);
    }
    LogWrite("LOC file loaded successfully");
}

const char* LocFailureReason() {
    return g_locFailure.reason;
}

void FreeLOC(LocTable* table) {
    if (!table || !table->entries) return;
    for (char** entry = table->entries; *entry; entry++) free(*entry);
    free(table->entries);
    *table = LocTable{};
}

const char* LocText(const LocTable& table, u32 n) {
    if (!table.entries || n >= u32(table.count)) return "";
    return table.entries[n];
}

void ApplyKeyNames(const char* path) {
    LocTable keys;
    LoadLOC(path, &keys);
    ApplyKeyNameTable(keys);
    FreeLOC(&keys);
}

void ApplyKeyNameTable(const LocTable& keys) {
    // The engine reads 256 names; a short file names the rest nothing instead of reading on.
    // Longer names are cut here, between characters, to what the engine's table holds.
    char names[KEY_NAME_COUNT][KEY_NAME_BYTES];
    const char* pointers[KEY_NAME_COUNT];
    for (int i = 0; i < KEY_NAME_COUNT; i++) {
        const char* name = LocText(keys, u32(i));
        size_t length = CharacterCut(name, strnlen(name, KEY_NAME_BYTES), KEY_NAME_BYTES - 1);
        memcpy(names[i], name, length);
        names[i][length] = 0;
        pointers[i] = names[i];
    }
    SetKeyNames(pointers);
}

const char* LanguageCode(u16 index) {
    return LANGUAGE_CODES[index < LANGUAGE_COUNT ? index : 0];
}

const char* LanguageFile(u16 index, const char* file) {
    return StrFormat("Texts/%s/%s", LanguageCode(index), file);
}
