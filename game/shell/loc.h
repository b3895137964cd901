// Localised text tables from LOC files: the menu's labels and the in-flight texts.
#pragma once

#include "engine/types.h"

// A loaded LOC file: count strings and a null end entry.
struct LocTable {
    char** entries = nullptr;
    i32 count = 0;
};

extern LocTable gameText;
extern LocTable menuText;

// Loads path into table (freeing nothing); an unreadable file ends the program with its box.
void LoadLOC(const char* path, LocTable* table);
// The same without the fatal box: false (table untouched) for a missing file or one whose
// records do not fit the format or the bytes it holds.
bool TryLoadLOC(const char* path, LocTable* table);
// The same over a file's bytes already in memory.
bool ParseLOC(const u8* data, size_t size, LocTable* table);
// Why the last refused LOC file was refused, such as "negative record length".
const char* LocFailureReason();
void FreeLOC(LocTable* table);
// Entry n of a table, or "" past its end.
const char* LocText(const LocTable& table, u32 n);
inline const char* GameText(u32 n) {
    return LocText(gameText, n);
}
inline const char* MenuText(u32 n) {
    return LocText(menuText, n);
}

// Loads a "keyboard.loc", hands its first 256 entries to the engine's key names (missing
// entries become unnamed keys) and frees it again.
void ApplyKeyNames(const char* path);
// Hands a loaded key-name table's first 256 entries to the engine.
void ApplyKeyNameTable(const LocTable& keys);

constexpr int LANGUAGE_COUNT = 8;
// Language codes in the menu's order: "eng", "cro", "cz", "pl", "de", "it", "spa", "fin";
// an index past them gives "eng".
const char* LanguageCode(u16 index);
// "Texts/<code>/<file>" for a language index.
const char* LanguageFile(u16 index, const char* file);
