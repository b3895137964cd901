// LOC files (a signed 16-bit count, then records of a signed 16-bit length and that many
// text bytes) and their readable source: one "INDEX = TEXT" line per entry, in order.
#pragma once

#include <string>
#include <vector>

#include "engine/types.h"

// Counts and lengths are signed 16-bit in the file.
constexpr size_t LOC_MAX_ENTRIES = 32767;
constexpr size_t LOC_MAX_BYTES = 32767;

using LocEntries = std::vector<std::string>;

// Reads the records the count announces; bytes after them are ignored, as the game does.
bool ParseLocBinary(const u8* data, size_t size, LocEntries* out, std::string* error);
// Fails when the count or a length does not fit the format.
bool WriteLocBinary(const LocEntries& entries, std::vector<u8>* out, std::string* error);

// Source text: UTF-8; blank lines and lines starting with '#' are skipped; every other line
// is "INDEX = TEXT" with indexes 0, 1, 2 ... in order. Errors name the line.
bool ParseLocText(const u8* data, size_t size, LocEntries* out, std::string* error);
// The canonical source form; ParseLocText of it gives the entries back exactly.
std::string FormatLocText(const LocEntries& entries);
