// The DSX encoder through the engine's own decoder, and the inspector.
#include <cstring>
#include <tuple>
#include <gtest/gtest.h>

#include "tests/tools/test_pictures.h"
#include "tools/assettool/dsx_encoder.h"
#include "tools/assettool/dsx_format.h"
#include "tools/assettool/dsx_inspect.h"
#include "tools/assettool/image_formats.h"

using namespace dsx_tool;

namespace {

// Encodes, checks the decoded pixels and the inspector's counts, and returns the result.
DsxEncodeResult RoundTrip(const Picture& picture) {
    DsxEncodeResult result;
    std::string error;
    EXPECT_TRUE(EncodeDSX(picture, &result, &error)) << error;
    Picture back;
    EXPECT_TRUE(DecodePicture(result.bytes, &back, &error)) << error;
    EXPECT_TRUE(SamePicture(picture, back));

    DsxInfo info;
    EXPECT_TRUE(InspectDSX(result.bytes.data(), result.bytes.size(), &info, &error)) << error;
    const u32 bits = picture.channels == 4 ? DSX_BITS_RGBA : DSX_BITS_RGB;
    EXPECT_EQ(std::tuple(info.width, info.height, info.bitsPerPixel, info.paletteEntries,
                         info.trailingBytes),
              std::tuple(picture.width, picture.height, bits, result.paletteEntries, size_t(0)));
    size_t total = 0;
    for (int c = 0; c < DSX_CODINGS; ++c) {
        EXPECT_EQ(info.regions[c], result.regionsByCoding[c]) << DsxCodingName(c);
        total += info.bytes[c];
    }
    EXPECT_EQ(total, info.streamBytes);
    EXPECT_EQ(DSX_HEADER_BYTES + info.paletteEntries * picture.channels + info.streamBytes,
              result.bytes.size());
    return result;
}

size_t RawBytes(const Picture& p) {
    return p.PixelCount() * p.channels;
}

} // namespace

TEST(DsxEncoder, EverySizeAndKindDecodesToTheSamePixelsAndEmptyOnesAreRefused) {
    const u32 sizes[][2] = {{1, 1},   {1, 17},  {17, 1},  {3, 5},   {5, 3},  {2, 2},
                            {257, 3}, {3, 257}, {31, 47}, {64, 64}, {1, 300}};
    for (const auto& [w, h] : sizes) {
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        for (const Picture& p :
             {MakeNoisyPhoto(w, h, 3, 7), MakeNoisyPhoto(w, h, 4, 8), MakeFlatArt(w, h),
              MakeFill(w, h, 3, 0x123456), MakeFill(w, h, 3, 0, true), MakeFill(w, h, 4, 0, true)})
            RoundTrip(p);
    }
    // Pictures without pixels, or with a short buffer, are refused.
    DsxEncodeResult result;
    std::string error;
    EXPECT_FALSE(EncodeDSX(Picture(), &result, &error));
    EXPECT_FALSE(error.empty());
    Picture wrongBuffer = MakeFill(4, 4, 3, 0);
    wrongBuffer.pixels.pop_back();
    EXPECT_FALSE(EncodeDSX(wrongBuffer, &result, &error));
}

TEST(DsxEncoder, CodingsPayOffOnTheirKindOfPicture) {
    Picture art = MakeFlatArt(256, 256);
    EXPECT_LT(RoundTrip(art).bytes.size(), RawBytes(art) / 8);
    Picture photo = MakeNoisyPhoto(256, 256, 3, 3);
    EXPECT_LT(RoundTrip(photo).bytes.size(), RawBytes(photo));
    // Nothing repeats: the encoder must not do worse than raw plus a little overhead.
    Picture counting = MakeFill(128, 128, 4, 0, true);
    EXPECT_LE(RoundTrip(counting).bytes.size(), RawBytes(counting) + DSX_HEADER_BYTES + 64);

    Picture grey = MakeNoisyPhoto(64, 64, 4, 4);
    for (size_t i = 0; i < grey.PixelCount(); ++i)
        std::memset(&grey.pixels[i * 4], grey.pixels[i * 4], 4);
    DsxEncodeResult encoded = RoundTrip(grey);
    EXPECT_GT(encoded.regionsByCoding[DSX_GREY] + encoded.regionsByCoding[DSX_GREY_PALETTE], 0u);
    EXPECT_LT(encoded.bytes.size(), RawBytes(grey) / 3);

    // 300 colours over the whole picture, a handful in every small block: a global palette of
    // the 256 it can hold lets most blocks list their colours as one-byte indexes.
    Picture shared = MakeFill(128, 128, 3, 0);
    for (u32 y = 0; y < shared.height; ++y)
        for (u32 x = 0; x < shared.width; ++x) {
            u32 colour = ((x / 8 + y / 8 * 16) * 7 + (x + y) % 3) % 300;
            u8* px = &shared.pixels[(size_t(y) * shared.width + x) * 3];
            px[0] = u8(colour * 37), px[1] = u8(colour / 2), px[2] = u8(colour);
        }
    EXPECT_EQ(RoundTrip(shared).paletteEntries, DSX_PALETTE_MAX_ENTRIES);
}

TEST(DsxInspect, RefusesEveryTruncationAndBrokenStream) {
    std::vector<u8> good = RoundTrip(MakeNoisyPhoto(40, 24, 4, 5)).bytes;
    DsxInfo info;
    std::string error;
    for (size_t n = 0; n < good.size(); ++n)
        EXPECT_FALSE(InspectDSX(good.data(), n, &info, &error)) << "prefix of " << n << " bytes";

    // An RGB file of version 1.0 (or another) and the bytes after its header.
    auto file = [](u32 w, u32 h, i16 palette, std::vector<u8> after, u8 version = 0x3F) {
        std::vector<u8> b = {
            'd',   's',        'x',   0,          0,  0, 0x80,        version,
            u8(w), u8(w >> 8), u8(h), u8(h >> 8), 24, 0, u8(palette), u8(u16(palette) >> 8)};
        b.insert(b.end(), after.begin(), after.end());
        return b;
    };
    const std::pair<const char*, std::vector<u8>> broken[] = {
        {"unknown opcode", file(2, 2, 0, {13})},
        {"split of one pixel", file(1, 1, 0, {DSX_SPLIT})},
        {"run of 5 in 4 pixels", file(2, 2, 0, {DSX_RUNS_RAW, u8(DSX_RUN_BASE - 5), 1, 2, 3})},
        {"palette of 300", file(2, 2, 300, std::vector<u8>(900 + 4))},
        {"global indexes without a palette", file(2, 2, 0, {DSX_GLOBAL_INDEXES, 0, 0, 0, 0})},
        {"version 2.0", file(2, 2, 0, {DSX_SOLID, 1, 2, 3}, 0x40)}};
    for (const auto& [what, bytes] : broken)
        EXPECT_FALSE(InspectDSX(bytes.data(), bytes.size(), &info, &error)) << what;

    std::vector<u8> fine = file(2, 2, 0, {DSX_SOLID, 1, 2, 3});
    ASSERT_TRUE(InspectDSX(fine.data(), fine.size(), &info, &error)) << error;
    EXPECT_EQ(info.regions[DSX_SOLID], 1u);
}
