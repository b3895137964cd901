// Test pictures: building them, the TGA and DSX files made from them, and decoding crafted
// bytes back into a picture to compare.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "graphics/images/decoders.h"
#include "tests/graphics/bytes.h"

struct TestPixel {
    u8 r, g, b, a = 255;
    bool operator==(const TestPixel&) const = default;
};

struct TestImage {
    int width = 0, height = 0;
    bool alpha = true;
    std::vector<TestPixel> pixels; // row 0 at the top
    TestPixel At(int x, int y) const { return pixels[size_t(y) * width + x]; }
    bool operator==(const TestImage&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const TestImage& image) {
    os << image.width << 'x' << image.height << (image.alpha ? " RGBA" : " RGB");
    for (TestPixel p : image.pixels)
        os << " (" << int(p.r) << ' ' << int(p.g) << ' ' << int(p.b) << ' ' << int(p.a) << ')';
    return os;
}

// Every pixel differs from its neighbours in every channel: any blend or off-by-one shows.
inline TestImage PatternImage(int width, int height, bool alpha = false) {
    TestImage image{width, height, alpha, {}};
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            image.pixels.push_back(TestPixel{u8(x * 37 + y * 11), u8((x * 13) ^ (y * 29)),
                                             u8(x * 5 + y * 71 + 40),
                                             u8(alpha ? 128 + x % 128 : 255)});
    return image;
}

inline TestImage SolidImage(int width, int height, TestPixel colour, bool alpha = false) {
    if (!alpha) colour.a = 255;
    return TestImage{width, height, alpha, std::vector<TestPixel>(size_t(width) * height, colour)};
}

// Uncompressed and top down: 32-bit when the image has alpha, else 24-bit.
inline Bytes TgaBytes(const TestImage& image) {
    constexpr u8 TRUE_COLOUR = 2, TOP_DOWN = 0x20, ALPHA_BITS = 8;
    Bytes out;
    out.U8(0).U8(0).U8(TRUE_COLOUR).Fill(9, 0).U16(image.width).U16(image.height);
    out.U8(image.alpha ? 32 : 24).U8(TOP_DOWN | (image.alpha ? ALPHA_BITS : 0));
    for (const TestPixel& p : image.pixels) {
        out.Raw({p.b, p.g, p.r});
        if (image.alpha) out.U8(p.a);
    }
    return out;
}

// A DSX header and global palette (entries defaults to what the palette bytes hold); the
// regions follow.
inline Bytes DsxFile(u16 width, u16 height, u8 bits, const ByteVector& palette = {},
                     int entries = -1) {
    if (entries < 0) entries = int(palette.size()) / (bits == 32 ? 4 : 3);
    Bytes file;
    file.Raw({'d', 's', 'x', 0}).F32(1.0f).U16(width).U16(height).U8(bits).U8(0);
    return file.U16(u16(entries)).Raw(palette);
}

using DecodeProc = bool (*)(const u8* data, size_t size, ImageData* out);

// One decoding of a buffer (a copy of exactly its size, so reads past it are reads past an
// allocation), or of an opened file by a LoadProc.
class Decoded {
  public:
    Decoded(DecodeProc decode, ByteVector exact) {
        ok_ = decode(exact.empty() ? nullptr : exact.data(), exact.size(), &image_);
    }
    Decoded(LoadProc load, FILE* file) { ok_ = load(file, &image_); }
    ~Decoded() { FreeImageData(&image_); }
    Decoded(const Decoded&) = delete;
    Decoded& operator=(const Decoded&) = delete;

    bool Ok() const { return ok_; }
    const ImageData& Image() const { return image_; }
    TestImage Picture() const {
        TestImage picture{image_.width, image_.height, image_.format == GL_RGBA, {}};
        const size_t bytes = picture.alpha ? RGBA_BYTES : RGB_BYTES;
        for (size_t i = 0; ok_ && i < size_t(picture.width) * picture.height; i++) {
            const u8* p = image_.pixels + i * bytes;
            picture.pixels.push_back({p[0], p[1], p[2], picture.alpha ? p[3] : u8(255)});
        }
        return picture;
    }

  private:
    ImageData image_;
    bool ok_ = false;
};

// The bytes must decode to exactly this picture, in its format.
inline void ExpectPicture(const std::string& what, DecodeProc decode, const ByteVector& bytes,
                          const TestImage& want) {
    Decoded d(decode, bytes);
    EXPECT_TRUE(d.Ok()) << what;
    EXPECT_EQ(d.Picture(), want) << what;
}

// A damaged file and the reason its decoder must give.
struct BadFile {
    std::string what;
    ByteVector file;
    const char* reason;
};

// Each file must be refused for its reason.
inline void ExpectRefusals(DecodeProc decode, const std::vector<BadFile>& cases) {
    for (const auto& [what, file, reason] : cases) {
        Decoded d(decode, file);
        EXPECT_EQ(d.Ok() ? "accepted" : ImageFailureReason(), std::string(reason)) << what;
    }
}

// Every strict prefix of a valid file must be refused.
inline int CountAcceptedPrefixes(DecodeProc decode, const ByteVector& bytes) {
    int accepted = 0;
    for (size_t n = 0; n < bytes.size(); n++)
        accepted += Decoded(decode, ByteVector(bytes.begin(), bytes.begin() + n)).Ok();
    return accepted;
}
