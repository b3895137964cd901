// libFuzzer target: UTF-8 decoding, colour tags, measuring and line fitting over arbitrary
// text with no terminator, on a font built in memory. The first byte picks the markup switch
// and the wrap width.
#include <cstdint>
#include <vector>

#include "fuzz/dsf_fuzz_support.h"

namespace {
constexpr f32 WRAP_STEP = 4.0f;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    dsf_fuzz::markupOn = data[0] & 1;
    f32 width = f32(data[0] >> 1) * WRAP_STEP - WRAP_STEP; // includes a negative width
    // An exact-size heap copy, so any read past the counted bytes is caught.
    std::vector<char> text(data + 1, data + size);
    dsf_fuzz::RunLayout(text.data(), int(text.size()), &dsf_fuzz::LatinFont(), width);
    return 0;
}
