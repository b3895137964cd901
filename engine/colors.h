// Packed colours: red in bits 0..7, green 8..15, blue 16..23, alpha 24..31.
#pragma once

#include "engine/types.h"

constexpr u32 MakeRGBA(u8 r, u8 g, u8 b, u8 a) {
    return u32(r) | u32(g) << 8 | u32(b) << 16 | u32(a) << 24;
}
constexpr u32 MakeRGB(u8 r, u8 g, u8 b) {
    return MakeRGBA(r, g, b, 255);
}
constexpr u8 ColorR(u32 c) {
    return u8(c);
}
constexpr u8 ColorG(u32 c) {
    return u8(c >> 8);
}
constexpr u8 ColorB(u32 c) {
    return u8(c >> 16);
}
constexpr u8 ColorA(u32 c) {
    return u8(c >> 24);
}
