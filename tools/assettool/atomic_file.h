// Whole-file reads with a size cap, and writes that never leave a partial file behind: the
// data goes to a temporary beside the target, which is renamed over it only when complete.
#pragma once

#include <string>
#include <vector>

#include "engine/types.h"

// Inputs larger than this are refused before anything is allocated.
constexpr size_t TOOL_MAX_INPUT_BYTES = size_t(64) << 20;

// On failure *error receives the reason ("not found", "larger than 64 MiB", ...).
bool ReadFileBytes(const std::string& path, std::vector<u8>* out, std::string* error,
                   size_t maxBytes = TOOL_MAX_INPUT_BYTES);
bool WriteFileAtomic(const std::string& path, const void* data, size_t size, std::string* error);
inline bool WriteFileAtomic(const std::string& path, const std::vector<u8>& data,
                            std::string* error) {
    return WriteFileAtomic(path, data.data(), data.size(), error);
}
