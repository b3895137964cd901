// A bounded little-endian reader over one byte span, shared by the image decoders. Every read
// is checked against what the span holds; the first failure sticks, so a decoder can make a
// group of reads and test Ok() once. A failed read returns zeros and never touches memory
// outside the span.
#pragma once

#include <cstring>

#include "engine/types.h"

class ByteReader {
  public:
    ByteReader(const u8* data, size_t size) : data_(data), size_(data ? size : 0) {}

    bool Ok() const { return ok_; }
    void Fail() { ok_ = false; }
    size_t Position() const { return pos_; }
    size_t Remaining() const { return ok_ ? size_ - pos_ : 0; }
    bool Holds(u64 bytes) const { return ok_ && bytes <= Remaining(); }

    // The next n bytes, or nullptr (and failure) when the span does not hold them. Test Ok()
    // rather than the pointer when n may be 0.
    const u8* Take(u64 n) {
        if (!Holds(n)) {
            ok_ = false;
            return nullptr;
        }
        const u8* at = data_ + pos_;
        pos_ += size_t(n);
        return at;
    }
    bool Skip(u64 n) {
        Take(n);
        return ok_;
    }

    u8 U8() {
        const u8* p = Take(1);
        return p ? p[0] : 0;
    }
    u16 U16() {
        const u8* p = Take(2);
        return p ? u16(p[0] | p[1] << 8) : 0;
    }
    u32 U32() {
        const u8* p = Take(4);
        return p ? u32(p[0]) | u32(p[1]) << 8 | u32(p[2]) << 16 | u32(p[3]) << 24 : 0;
    }
    i16 I16() { return i16(U16()); }
    i32 I32() { return i32(U32()); }
    f32 F32() {
        u32 bits = U32();
        f32 value;
        memcpy(&value, &bits, sizeof value);
        return value;
    }

  private:
    const u8* data_;
    size_t size_;
    size_t pos_ = 0;
    bool ok_ = true;
};
