// The DSX picture format as stored: header fields, the region opcodes and their limits. Shared
// by the engine's decoder and the asset tool's encoder and inspector.
#pragma once

#include "engine/types.h"

constexpr u8 DSX_MAGIC[] = {'d', 's', 'x'}; // the reversed bytes are accepted as well
constexpr size_t DSX_MAGIC_BYTES = sizeof DSX_MAGIC;
constexpr f32 DSX_VERSION = 1.0f;
constexpr size_t DSX_HEADER_BYTES = 16;
constexpr u32 DSX_BITS_RGB = 24;
constexpr u32 DSX_BITS_RGBA = 32;
constexpr u32 DSX_PALETTE_MAX_ENTRIES = 256;

enum DsxOpcode : u8 {
    DSX_SPLIT = 0,
    DSX_SOLID = 1,
    DSX_RAW = 2,
    DSX_GREY = 3,
    DSX_GREY_PALETTE = 4,
    DSX_LOCAL_PALETTE = 5,
    DSX_PER_CHANNEL = 6,
    DSX_GLOBAL_INDEXES = 7,
    DSX_GLOBAL_SUBSET = 8,
    DSX_RUNS_RAW = 9,
    DSX_RUNS_LOCAL = 10,
    DSX_RUNS_GLOBAL = 11,
    DSX_RUNS_GLOBAL_SUBSET = 12,
};
constexpr int DSX_OPCODE_COUNT = 13;

// Per-channel coding: up to this many values are listed and indexed, more are stored raw.
constexpr u32 DSX_CHANNEL_PALETTE_MAX = 16;
// Run-length control bytes: above 127 a run of 255 - c pixels, else c literal pixels.
constexpr u32 DSX_RUN_MAX_COUNT = 127;
constexpr u8 DSX_RUN_BASE = 255;

// Bits per packed index for a palette of n entries.
constexpr u32 DsxIndexBits(u32 entries) {
    return entries > 16 ? 8 : entries > 4 ? 4 : entries > 2 ? 2 : 1;
}
