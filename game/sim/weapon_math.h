// Small plane-vector helpers for aiming: rotation in the game's heading convention, and
// normalising that refuses a zero or non-finite vector instead of producing NaN.
#pragma once

#include <cmath>

#include "game/sim/objects.h"
#include "game/sim/weapons.h"

namespace weapon_math {

inline f32 Dot(Vec2f a, Vec2f b) {
    return a.x * b.x + a.y * b.y;
}

// Clockwise on screen (y grows downward), so (0, -1) rotated by h is (sin h, -cos h).
inline Vec2f Rotate(Vec2f v, f32 degrees) {
    f32 s = std::sin(degrees * DEG_TO_RAD), c = std::cos(degrees * DEG_TO_RAD);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

// False (and out untouched) for a vector with no direction: the caller skips what needed it.
inline bool Normalise(Vec2f v, Vec2f* out) {
    f32 length = std::sqrt(v.x * v.x + v.y * v.y);
    if (!(length > 0.0f) || !std::isfinite(length)) return false;
    *out = {v.x / length, v.y / length};
    return true;
}

// Rounding can push a dot product of unit vectors just past 1; acos would then give NaN.
inline f32 AcosDeg(f32 cosine) {
    return std::acos(std::fmax(-1.0f, std::fmin(1.0f, cosine))) * RAD_TO_DEG;
}

inline f32 AsinDeg(f32 sine) {
    return std::asin(std::fmax(-1.0f, std::fmin(1.0f, sine))) * RAD_TO_DEG;
}

inline f32 Sign(f32 v) {
    return v > 0.0f ? 1.0f : (v < 0.0f ? -1.0f : 0.0f);
}

} // namespace weapon_math
