// Little-endian fields appended to a byte vector: the writing side of the image decoders'
// ByteReader, shared by the screenshot writer, the asset tool, the benchmarks and the tests'
// file builders. PutU16/PutU32 patch a field already written, such as a size in a header.
#pragma once

#include <cstring>
#include <vector>

#include "engine/types.h"

class ByteWriter {
  public:
    explicit ByteWriter(std::vector<u8>* out) : out_(out) {}

    ByteWriter& U8(u32 v) {
        out_->push_back(u8(v));
        return *this;
    }
    ByteWriter& U16(u32 v) { return U8(v).U8(v >> 8); }
    ByteWriter& U32(u32 v) { return U16(v).U16(v >> 16); }
    ByteWriter& F32(f32 v) {
        u32 bits;
        memcpy(&bits, &v, sizeof bits);
        return U32(bits);
    }
    // A few bytes as they are, such as a magic tag.
    ByteWriter& Raw(const void* bytes, size_t n) {
        for (size_t i = 0; i < n; i++) U8(static_cast<const u8*>(bytes)[i]);
        return *this;
    }

    // Overwrites bytes at..at+1 (at+3), which must already be written.
    void PutU16(size_t at, u32 v) {
        (*out_)[at] = u8(v);
        (*out_)[at + 1] = u8(v >> 8);
    }
    void PutU32(size_t at, u32 v) {
        PutU16(at, v);
        PutU16(at + 2, v >> 16);
    }

  private:
    std::vector<u8>* out_;
};
