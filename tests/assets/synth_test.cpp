// The synthesis kit and the picture writers behind the generators.
#include <gtest/gtest.h>

#include <cstring>

#include "graphics/images/decoders.h"
#include "tests/support/test_dir.h"
#include "tools/assettool/art_output.h"
#include "tools/assettool/atomic_file.h"
#include "tools/assettool/sound_synth.h"

namespace {

constexpr int RATE = 8000;

TEST(Synth, EnvelopeRisesHoldsAndReleases) {
    const Envelope env{0.1, 0.2, 0.5, 0.4};
    // {time, held for, level}: held 1 s it rises, decays, sustains and releases; released during
    // the attack it fades from where it had got to.
    const f64 levels[][3] = {{-1, 1, 0},     {0, 1, 0},      {0.05, 1, 0.5},
                             {0.1, 1, 1.0},  {0.2, 1, 0.75}, {0.6, 1, 0.5},
                             {1.2, 1, 0.25}, {1.5, 1, 0},    {0.05, 0.05, 0.5}};
    for (const auto& [t, hold, level] : levels)
        EXPECT_NEAR(env.At(t, hold), level, level == 0 ? 0 : 1e-9) << t << " held " << hold;
}

TEST(Synth, LevelToolsNormaliseAndSilenceTheEdges) {
    Samples s(RATE, 0.25f);
    s[100] = -0.5f;
    Normalize(s, 0.8);
    EXPECT_FLOAT_EQ(s[100], -0.8f);
    EXPECT_FLOAT_EQ(s[200], 0.4f);
    FadeEdges(s, RATE, 0.01, 0.01);
    EXPECT_FLOAT_EQ(s.front(), 0.0f);
    EXPECT_NEAR(s.back(), 0.0f, 0.4f / 80);
    Samples quiet(10, 0.0f);
    Normalize(quiet, 1.0); // nothing to scale: stays silent rather than dividing by zero
    EXPECT_FLOAT_EQ(quiet[0], 0.0f);
}

TEST(ArtOutput, CanvasGivesStraightAlphaAndTgaFilesDecodeBackExactly) {
    Canvas canvas(4, 4);
    cairo_set_source_rgba(canvas.cr(), 1.0, 0.5, 0.0, 0.5);
    cairo_paint(canvas.cr());
    ArtImage img = canvas.Image();
    ASSERT_EQ(img.rgba.size(), 64u);
    EXPECT_EQ(img.rgba[0], 255);
    EXPECT_NEAR(img.rgba[1], 128, 1);
    EXPECT_EQ(img.rgba[2], 0);
    EXPECT_NEAR(img.rgba[3], 128, 1);
    // TGA files the engine's decoder reads back exactly, row 0 on top.
    img.width = 3;
    img.height = 2;
    img.rgba.clear();
    for (int i = 0; i < 6; ++i)
        img.rgba.insert(img.rgba.end(), {u8(i * 40), u8(200 - i), u8(i), u8(255 - i * 30)});
    TempDir dir;
    std::string error;
    ASSERT_TRUE(WriteArtTGA(dir.File("a.tga"), img, true, &error)) << error;
    std::vector<u8> bytes;
    ASSERT_TRUE(ReadFileBytes(dir.File("a.tga"), &bytes, &error)) << error;
    ImageData out;
    ASSERT_TRUE(DecodeTGA(bytes.data(), bytes.size(), &out));
    EXPECT_EQ(out.width, 3);
    EXPECT_EQ(out.height, 2);
    EXPECT_EQ(0, std::memcmp(out.pixels, img.rgba.data(), img.rgba.size()));
    FreeImageData(&out);

    ASSERT_TRUE(SaveArtImage(dir.File("b.TGA"), img, &error)) << error; // extension in any case
}

} // namespace
