// Tiny shared helpers: the literal slots for property setters, GL state reads and typed
// sorting.
#include <GL/gl.h>
#include <cmath>
#include <cstdlib>

#include "engine/colors.h"
#include "engine/gl_helpers.h"
#include "engine/temp_values.h"
#include "platform/gl_state.h"

namespace {
// The two slots whose addresses carry literals to property setters.
struct TempSlots {
    u32 first = 0;
    u32 second = 0;
};
TempSlots temp;

template <typename T> int CompareInt(const void* a, const void* b) {
    T x = *static_cast<const T*>(a), y = *static_cast<const T*>(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

// Floats compare by the integer part of their difference in units of 1e-5, so values closer
// than that count as equal.
template <typename T> int CompareScaled(const void* a, const void* b) {
    f64 d = (f64(*static_cast<const T*>(a)) - f64(*static_cast<const T*>(b))) * 100000.0;
    if (std::isnan(d)) return 0;
    if (d >= 2147483647.0) return 1;
    if (d <= -2147483648.0) return -1;
    return int(d);
}
} // namespace

void* TempValue(u32 value) {
    temp.first = value;
    return &temp.first;
}

void* TempRGB(u8 r, u8 g, u8 b) {
    return TempValue(MakeRGB(r, g, b));
}

void* TempValue2(u32 value) {
    temp.second = value;
    return &temp.second;
}

void ClearBuffers() {
    GLimp_ClearBuffers();
}

f32 GetGLFloat(u32 name) {
    return GLimp_GetFloat(name);
}

bool IsNaN(f64 value) {
    return std::isnan(value);
}

void SortByGLType(void* array, u32 count, u32 glType) {
    if (!array || count < 2) return;
    switch (glType) {
    case GL_INT: qsort(array, count, 4, CompareInt<i32>); break;
    case GL_FLOAT: qsort(array, count, 4, CompareScaled<f32>); break;
    case GL_SHORT: qsort(array, count, 2, CompareInt<i16>); break;
    case GL_BYTE: qsort(array, count, 1, CompareInt<u8>); break;
    case 0: qsort(array, count, 1, CompareInt<i8>); break;
    case GL_DOUBLE: qsort(array, count, 8, CompareScaled<f64>); break;
    default: break;
    }
}
