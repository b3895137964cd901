// Test files built byte by byte: a little-endian buffer builder and writing the result out.
#pragma once

#include <bit>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/types.h"

using ByteVector = std::vector<u8>;

class Bytes {
  public:
    Bytes& U8(u32 value) { return Raw({u8(value)}); }
    Bytes& U16(u32 value) { return U8(value).U8(value >> 8); }
    Bytes& U32(u32 value) { return U16(value).U16(value >> 16); }
    Bytes& F32(f32 value) { return U32(std::bit_cast<u32>(value)); }
    Bytes& Raw(std::initializer_list<u8> bytes) { return Raw(ByteVector(bytes)); }
    Bytes& Fill(size_t count, u8 value) { return Raw(ByteVector(count, value)); }
    Bytes& Raw(const ByteVector& bytes) {
        data_.insert(data_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    const ByteVector& Data() const { return data_; }
    operator const ByteVector&() const { return data_; }

  private:
    ByteVector data_;
};

// False when the file cannot be written whole.
inline bool WriteBytes(const std::string& path, const ByteVector& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out.flush());
}
