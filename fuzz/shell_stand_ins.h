// Shared by the game-shell fuzz targets: the engine's key tables, which the fuzz build does not
// hold, modelled with the engine's sizes and checked strictly, and small checks on the text
// the shell produces.
#pragma once

#include <cstddef>

#include "engine/types.h"

namespace shell_fuzz {

constexpr int KEY_CODES = 256;
constexpr int KEY_NAME_BYTES = 32; // 31 bytes and the terminator, as the engine stores them

// Holds every key whose bit is set in pattern (repeated over the 256 codes), or none.
void HoldKeys(const u8* pattern, size_t size);
bool KeyHeld(u8 code);
// The names the shell reads back through GetKeyName.
void SetTestKeyNames();

// True when text[0..size) is well-formed UTF-8 with no overlong forms or surrogates.
bool IsValidUTF8(const char* text, size_t size);
// The bytes of a 0-terminated result that must end inside a buffer of capacity bytes.
size_t CheckedLength(const char* buffer, size_t capacity);

} // namespace shell_fuzz
