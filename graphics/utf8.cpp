// UTF-8 decoding for every text walk: bounded by the terminator and by a byte count.
#include <climits>

#include "graphics/font.h"

namespace {
constexpr u8 CONTINUATION_MASK = 0xC0;
constexpr u8 CONTINUATION_BITS = 0x80;
constexpr int CONTINUATION_SHIFT = 6;
constexpr u8 CONTINUATION_PAYLOAD = 0x3F;

struct LeadByte {
    u8 mask, bits, payload;
    int continuations;
};
constexpr LeadByte LEAD_BYTES[] = {
    {0xE0, 0xC0, 0x1F, 1}, // 110xxxxx
    {0xF0, 0xE0, 0x0F, 2}, // 1110xxxx
    {0xF8, 0xF0, 0x07, 3}, // 11110xxx
};
} // namespace

i32 DecodeUTF8N(const char* text, int available, int* step) {
    if (!text || available < 1) {
        if (step) *step = 0;
        return 0;
    }
    u8 lead = u8(text[0]);
    int taken = 1;
    i32 codePoint = i32(i8(lead)); // bytes 0x80 and above outside a sequence: negative
    for (const LeadByte& form : LEAD_BYTES) {
        if ((lead & form.mask) != form.bits) continue;
        codePoint = lead & form.payload;
        bool valid = true;
        // The sequence consumes every byte it announced, valid or not, but never the
        // terminator and never bytes past the allowed count.
        for (int i = 1; i <= form.continuations; i++) {
            if (i >= available || text[i] == 0) {
                valid = false;
                break;
            }
            u8 next = u8(text[i]);
            taken = i + 1;
            if ((next & CONTINUATION_MASK) != CONTINUATION_BITS) valid = false;
            codePoint = codePoint << CONTINUATION_SHIFT | (next & CONTINUATION_PAYLOAD);
        }
        if (!valid) codePoint = -1;
        break;
    }
    if (step) *step = taken;
    return codePoint;
}

i32 DecodeUTF8(const char* text, int* step) {
    return DecodeUTF8N(text, INT_MAX, step);
}
