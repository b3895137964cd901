// The DSX encoder through the engine's own decoder: every picture comes back exactly, the
// codings chosen pay off, and the inspector reads what the encoder wrote.
#include <GL/gl.h>
#include <cstring>
#include <gtest/gtest.h>

#include "graphics/images/decoders.h"
#include "tests/tools/test_pictures.h"
#include "tools/assettool/dsx_encoder.h"
#include "tools/assettool/dsx_format.h"
#include "tools/assettool/dsx_inspect.h"

using namespace dsx_tool;

namespace {

bool DecodeToPicture(const std::vector<u8>& bytes, Picture* out) {
    ImageData image;
    if (!DecodeDSX(bytes.data(), bytes.size(), &image)) return false;
    out->width = image.width;
    out->height = image.height;
    out->channels = image.format == GL_RGBA ? 4 : 3;
    out->pixels.assign(image.pixels, image.pixels + out->PixelCount() * out->channels);
    FreeImageData(&image);
    return true;
}

DsxEncodeResult Encode(const Picture& picture) {
    DsxEncodeResult result;
    std::string error;
    EXPECT_TRUE(EncodeDSX(picture, &result, &error)) << error;
    return result;
}

void ExpectRoundTrip(const Picture& picture) {
    DsxEncodeResult encoded = Encode(picture);
    Picture back;
    ASSERT_TRUE(DecodeToPicture(encoded.bytes, &back));
    EXPECT_TRUE(SamePicture(picture, back));
}

size_t RawBytes(const Picture& p) {
    return p.PixelCount() * p.channels;
}

struct Size {
    u32 w, h;
};

} // namespace

TEST(DsxEncoder, EverySizeAndKindDecodesToTheSamePixels) {
    const Size sizes[] = {{1, 1},   {1, 17},  {17, 1},  {3, 5},   {5, 3},  {2, 2},
                          {257, 3}, {3, 257}, {31, 47}, {64, 64}, {1, 300}};
    for (Size s : sizes) {
        SCOPED_TRACE(testing::Message() << s.w << " x " << s.h);
        ExpectRoundTrip(MakeNoisyPhoto(s.w, s.h, 3, 7));
        ExpectRoundTrip(MakeNoisyPhoto(s.w, s.h, 4, 8));
        ExpectRoundTrip(MakeFlatArt(s.w, s.h));
        ExpectRoundTrip(MakeFill(s.w, s.h, 3, 0x123456));
        ExpectRoundTrip(MakeCounting(s.w, s.h, 3));
        ExpectRoundTrip(MakeCounting(s.w, s.h, 4));
    }
}

TEST(DsxEncoder, LargePicturesRoundTrip) {
    ExpectRoundTrip(MakeNoisyPhoto(320, 200, 3, 1));
    ExpectRoundTrip(MakeNoisyPhoto(200, 320, 4, 2));
    ExpectRoundTrip(MakeFlatArt(300, 260));
}

TEST(DsxEncoder, SingleColourPictureIsOneSolidRegion) {
    Picture fill = MakeFill(640, 480, 4, 0x80FF2010);
    DsxEncodeResult encoded = Encode(fill);
    // Header, no palette, the solid opcode and one pixel.
    EXPECT_EQ(encoded.bytes.size(), DSX_HEADER_BYTES + 1 + 4);
    EXPECT_EQ(encoded.bytes[DSX_HEADER_BYTES], DSX_SOLID);
    EXPECT_EQ(encoded.bytes[12], DSX_BITS_RGBA);
    ExpectRoundTrip(fill);
}

TEST(DsxEncoder, CodingsPayOffOnTheirKindOfPicture) {
    Picture art = MakeFlatArt(256, 256);
    EXPECT_LT(Encode(art).bytes.size(), RawBytes(art) / 8);

    Picture photo = MakeNoisyPhoto(256, 256, 3, 3);
    EXPECT_LT(Encode(photo).bytes.size(), RawBytes(photo));

    // Nothing repeats: the encoder must not do worse than raw plus a little overhead.
    Picture counting = MakeCounting(128, 128, 4);
    EXPECT_LE(Encode(counting).bytes.size(), RawBytes(counting) + DSX_HEADER_BYTES + 64);
}

TEST(DsxEncoder, GreyPicturesUseTheGreyCodings) {
    Picture grey = MakeNoisyPhoto(64, 64, 4, 4);
    for (size_t i = 0; i < grey.PixelCount(); ++i) {
        u8 g = grey.pixels[i * 4];
        std::memset(&grey.pixels[i * 4], g, 4);
    }
    DsxEncodeResult encoded = Encode(grey);
    EXPECT_GT(encoded.regionsByCoding[DSX_GREY] + encoded.regionsByCoding[DSX_GREY_PALETTE], 0u);
    EXPECT_LT(encoded.bytes.size(), RawBytes(grey) / 3);
    ExpectRoundTrip(grey);
}

TEST(DsxEncoder, SharedColoursGoToTheGlobalPalette) {
    // 200 colours over the whole picture, a handful in every small block: the global palette
    // lets each block list its colours as one-byte indexes.
    Picture p = MakeFill(128, 128, 3, 0);
    for (u32 y = 0; y < p.height; ++y)
        for (u32 x = 0; x < p.width; ++x) {
            u32 colour = ((x / 8 + y / 8 * 16) * 7 + (x + y) % 3) % 200;
            u8* px = &p.pixels[(size_t(y) * p.width + x) * 3];
            px[0] = u8(colour * 37), px[1] = u8(colour * 91), px[2] = u8(colour);
        }
    DsxEncodeResult encoded = Encode(p);
    EXPECT_GT(encoded.paletteEntries, 0u);
    ExpectRoundTrip(p);
}

TEST(DsxEncoder, RefusesPicturesWithoutPixels) {
    DsxEncodeResult result;
    std::string error;
    EXPECT_FALSE(EncodeDSX(Picture(), &result, &error));
    EXPECT_FALSE(error.empty());
    Picture wrongBuffer = MakeFill(4, 4, 3, 0);
    wrongBuffer.pixels.pop_back();
    EXPECT_FALSE(EncodeDSX(wrongBuffer, &result, &error));
}

TEST(DsxInspect, CountsWhatTheEncoderWrote) {
    Picture art = MakeFlatArt(96, 80);
    DsxEncodeResult encoded = Encode(art);
    DsxInfo info;
    std::string error;
    ASSERT_TRUE(InspectDSX(encoded.bytes.data(), encoded.bytes.size(), &info, &error)) << error;
    EXPECT_EQ(info.width, 96u);
    EXPECT_EQ(info.height, 80u);
    EXPECT_EQ(info.bitsPerPixel, DSX_BITS_RGBA);
    EXPECT_EQ(info.paletteEntries, encoded.paletteEntries);
    EXPECT_EQ(info.trailingBytes, 0u);
    size_t total = 0;
    for (int c = 0; c < DSX_CODINGS; ++c) {
        EXPECT_EQ(info.regions[c], encoded.regionsByCoding[c]) << DsxCodingName(c);
        total += info.bytes[c];
    }
    EXPECT_EQ(total, info.streamBytes);
    EXPECT_EQ(DSX_HEADER_BYTES + info.paletteEntries * 4 + info.streamBytes, encoded.bytes.size());
}

TEST(DsxInspect, RefusesEveryTruncationAndBrokenStream) {
    std::vector<u8> good = Encode(MakeNoisyPhoto(40, 24, 4, 5)).bytes;
    DsxInfo info;
    std::string error;
    for (size_t n = 0; n < good.size(); ++n)
        EXPECT_FALSE(InspectDSX(good.data(), n, &info, &error)) << "prefix of " << n << " bytes";

    auto header = [](u32 w, u32 h, i16 palette) {
        std::vector<u8> b = {
            'd',   's',        'x',   0,          0,  0, 0x80,        0x3F,
            u8(w), u8(w >> 8), u8(h), u8(h >> 8), 24, 0, u8(palette), u8(u16(palette) >> 8)};
        return b;
    };
    std::vector<u8> badOpcode = header(2, 2, 0);
    badOpcode.push_back(13);
    EXPECT_FALSE(InspectDSX(badOpcode.data(), badOpcode.size(), &info, &error));

    std::vector<u8> splitPixel = header(1, 1, 0);
    splitPixel.push_back(DSX_SPLIT);
    EXPECT_FALSE(InspectDSX(splitPixel.data(), splitPixel.size(), &info, &error));

    std::vector<u8> longRun = header(2, 2, 0); // a run of 5 in a region of 4 pixels
    longRun.insert(longRun.end(), {DSX_RUNS_RAW, u8(DSX_RUN_BASE - 5), 1, 2, 3});
    EXPECT_FALSE(InspectDSX(longRun.data(), longRun.size(), &info, &error));

    std::vector<u8> bigPalette = header(2, 2, 300);
    bigPalette.resize(bigPalette.size() + 900 + 4, 0);
    EXPECT_FALSE(InspectDSX(bigPalette.data(), bigPalette.size(), &info, &error));

    std::vector<u8> noGlobal = header(2, 2, 0);
    noGlobal.insert(noGlobal.end(), {DSX_GLOBAL_INDEXES, 0, 0, 0, 0});
    EXPECT_FALSE(InspectDSX(noGlobal.data(), noGlobal.size(), &info, &error));

    std::vector<u8> wrongVersion = header(2, 2, 0);
    wrongVersion[7] = 0x40; // 2.0
    wrongVersion.insert(wrongVersion.end(), {DSX_SOLID, 1, 2, 3});
    EXPECT_FALSE(InspectDSX(wrongVersion.data(), wrongVersion.size(), &info, &error));

    std::vector<u8> fine = header(2, 2, 0);
    fine.insert(fine.end(), {DSX_SOLID, 1, 2, 3});
    EXPECT_TRUE(InspectDSX(fine.data(), fine.size(), &info, &error)) << error;
    EXPECT_EQ(info.regions[DSX_SOLID], 1u);
}
