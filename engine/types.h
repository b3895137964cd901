// Fixed-width names used across the engine and the game.
#pragma once

#include <cstddef>
#include <cstdint>

using u8 = uint8_t;
using u16 = uint16_t;
using u32 = uint32_t;
using u64 = uint64_t;
using i8 = int8_t;
using i16 = int16_t;
using i32 = int32_t;
using i64 = int64_t;
using f32 = float;
using f64 = double;

// The "none" value of 16-bit handles (timers, sound buffers, streams, sources).
constexpr u16 INVALID_HANDLE = 0xFFFF;
