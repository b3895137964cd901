// Helpers for the decoder tests: the packing of palette indexes, a decoded picture that frees
// itself and reads back single pixels, and whole-picture and truncation checks.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/images/decoders.h"
#include "tests/graphics/bytes.h"

using DecodeProc = bool (*)(const u8* data, size_t size, ImageData* out);

// Indexes of `bits` bits each, most significant first, the last byte padded with zeros.
inline ByteVector PackIndexes(const std::vector<u32>& indexes, u32 bits) {
    ByteVector packed;
    u32 used = 8;
    for (u32 index : indexes) {
        if (used == 8) {
            packed.push_back(0);
            used = 0;
        }
        used += bits;
        packed.back() |= u8(index << (8 - used));
    }
    return packed;
}

inline const auto Rgb = [](u8 r, u8 g, u8 b) { return ByteVector{r, g, b}; };
inline const auto Rgba = [](u8 r, u8 g, u8 b, u8 a) { return ByteVector{r, g, b, a}; };

// One decoding of a buffer (copied to a block of exactly its size, so reads past it are reads
// past an allocation), or of an opened file by a LoadProc.
class Decoded {
  public:
    Decoded(DecodeProc decode, const ByteVector& bytes) {
        ByteVector exact(bytes);
        ok_ = decode(exact.empty() ? nullptr : exact.data(), exact.size(), &image_);
    }
    Decoded(LoadProc load, FILE* file) { ok_ = load(file, &image_); }
    ~Decoded() { FreeImageData(&image_); }
    Decoded(const Decoded&) = delete;
    Decoded& operator=(const Decoded&) = delete;

    bool Ok() const { return ok_; }
    const ImageData& Image() const { return image_; }
    u32 PixelBytes() const { return image_.format == GL_RGBA ? 4 : 3; }
    ByteVector Pixel(u32 x, u32 y) const {
        const u8* at = image_.pixels + (size_t(y) * image_.width + x) * PixelBytes();
        return ByteVector(at, at + PixelBytes());
    }

  private:
    ImageData image_;
    bool ok_ = false;
};

// The bytes must decode to a width x height picture of exactly these pixels, top row first,
// in the format their size implies (3 bytes RGB, 4 RGBA).
inline void ExpectPicture(const char* what, DecodeProc decode, const ByteVector& bytes, u32 width,
                          u32 height, const std::vector<ByteVector>& pixels) {
    SCOPED_TRACE(what);
    Decoded d(decode, bytes);
    ASSERT_TRUE(d.Ok());
    ASSERT_EQ(d.Image().width, width);
    ASSERT_EQ(d.Image().height, height);
    ASSERT_EQ(pixels.size(), size_t(width) * height) << "every pixel is listed";
    EXPECT_EQ(d.Image().format, u32(pixels[0].size() == RGBA_BYTES ? GL_RGBA : GL_RGB));
    for (u32 i = 0; i < pixels.size(); i++)
        EXPECT_EQ(d.Pixel(i % width, i / width), pixels[i]) << "pixel " << i;
}

// A damaged file and the reason its decoder must give.
struct BadFile {
    std::string what;
    ByteVector file;
    const char* reason;
};

// Why decode refused bytes, or "accepted".
inline std::string Refusal(DecodeProc decode, const ByteVector& bytes) {
    Decoded d(decode, bytes);
    return d.Ok() ? "accepted" : ImageFailureReason();
}

// Every strict prefix of a valid file must be refused.
inline int CountAcceptedPrefixes(DecodeProc decode, const ByteVector& bytes) {
    int accepted = 0;
    for (size_t n = 0; n < bytes.size(); n++) {
        Decoded d(decode, ByteVector(bytes.begin(), bytes.begin() + n));
        accepted += d.Ok() ? 1 : 0;
    }
    return accepted;
}
