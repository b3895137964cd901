// What the encoder and the inspector add to the stored format: regions and the rule that splits
// a region in two.
#pragma once

#include "engine/types.h"
#include "graphics/images/dsx_format.h"

namespace dsx_tool {

constexpr u32 DSX_MAX_SIDE = 65535;
constexpr int DSX_CODINGS = DSX_OPCODE_COUNT;

struct DsxRegion {
    u32 x, y, w, h;
    size_t Area() const { return size_t(w) * h; }
};

// A region wider than high is cut into left and right parts (the left one takes the odd
// column), any other into top and bottom parts.
inline bool SplitDsxRegion(const DsxRegion& r, DsxRegion* first, DsxRegion* second) {
    if (r.w > r.h) {
        u32 left = (r.w + 1) / 2;
        *first = {r.x, r.y, left, r.h};
        *second = {r.x + left, r.y, r.w - left, r.h};
        return true;
    }
    if (r.h < 2) return false;
    u32 top = (r.h + 1) / 2;
    *first = {r.x, r.y, r.w, top};
    *second = {r.x, r.y + top, r.w, r.h - top};
    return true;
}

inline size_t DsxPackedBytes(size_t count, u32 bits) {
    return (count * bits + 7) / 8;
}

} // namespace dsx_tool
