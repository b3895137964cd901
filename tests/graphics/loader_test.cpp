// Windowless checks of the texture and surface loaders: every failure's error box, the choice
// of decoder by extension, NextPow2, and freeing a surface.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

#include "engine/engine.h"
#include "graphics/image_loader.h"
#include "graphics/texture.h"
#include "tests/graphics/image_files.h"
#include "tests/support/fake_platform.h"
#include "tests/support/test_dir.h"

namespace {

class LoaderTest : public ::testing::Test {
  protected:
    void SetUp() override { fake::Reset(); }
    TempDir dir;
};

bool DecoderWithoutPixels(FILE*, ImageData* out) {
    out->width = out->height = 4;
    out->format = GL_RGB;
    return true;
}

// Every refusal shows one box with its reason, captioned with the loader, and leaves no records.
TEST_F(LoaderTest, EachRefusalIsReportedInTheLoadersNameAndLeavesNothing) {
    ASSERT_TRUE(WriteBytes("picture.png", TgaBytes(SolidImage(4, 4, {1, 2, 3}))));
    ASSERT_TRUE(WriteBytes("photo.jpg", {0xFF, 0xD8, 0xFF, 0xE0}));
    ASSERT_TRUE(WriteBytes("broken.dsx", {'d', 's', 'x', 0, 1, 2, 3}));
    const std::string unsupported = "' files aren't supported by the Vaelor Engine";
    const struct {
        bool surface;
        const char* path;
        std::string text;
    } cases[] = {
        {false, "picture.png", "Failed to load 'picture.png', '*.png" + unsupported},
        // No dot: the whole path is the extension.
        {true, "Data/README", "Failed to load 'Data/README', '*.data/readme" + unsupported},
        {false, "Data/absent.dsx", "File 'Data/absent.dsx' not found"},
        {true, "absent.TGA", "File 'absent.TGA' not found"},
        {false, "photo.jpg", "Failed to load 'photo.jpg'"}, // accepted, but no decoder
        {true, "broken.dsx", "Failed to load 'broken.dsx'"},
    };
    const u32 allocs = TrackedAllocCount();
    for (const auto& c : cases) {
        fake::Reset();
        const char* loader = c.surface ? "glLoadSurface" : "glLoadTexture";
        EXPECT_EQ(c.surface ? static_cast<void*>(glLoadSurface(c.path, GL_LINEAR))
                            : static_cast<void*>(glLoadTexture(c.path, GL_LINEAR)),
                  nullptr);
        ASSERT_EQ(fake::MessageBoxes().size(), 1u) << c.path;
        EXPECT_EQ(fake::MessageBoxes()[0].text, c.text);
        EXPECT_EQ(fake::MessageBoxes()[0].caption, std::string("Error( ") + loader + " )");
    }
    EXPECT_EQ(glLoadTexture(nullptr, GL_LINEAR), nullptr);
    EXPECT_EQ(glLoadSurface(nullptr, GL_LINEAR), nullptr);
    // A decoder that hands back no pixels fails too.
    ImageData image;
    for (const LoaderMessages* messages : {&TEXTURE_LOADER_MESSAGES, &SURFACE_LOADER_MESSAGES}) {
        EXPECT_FALSE(RunLoadProc(nullptr, DecoderWithoutPixels, *messages, "x.tga", &image));
        EXPECT_EQ(image.pixels, nullptr);
    }
    EXPECT_EQ(TrackedAllocCount(), allocs);
}

// The decoder is chosen by the name (the part after its last '.' or '|', in any case), not by
// the content: a TGA named .dsx goes to the DSX decoder and fails.
TEST_F(LoaderTest, ExtensionChoosesDecoderInAnyCase) {
    const Bytes tga = TgaBytes(SolidImage(8, 4, {200, 10, 10}));
    ASSERT_TRUE(WriteBytes("ship.dsx", tga) && WriteBytes("ship.TGA", tga));
    ASSERT_TRUE(WriteBytes("flag.DSX", DsxFile(16, 16, 24).U8(1).Raw({1, 2, 3})));
    ASSERT_TRUE(WriteBytes("pack.tga|dsx", DsxFile(2, 2, 24).U8(1).Raw({1, 2, 3})));
    EXPECT_EQ(glLoadTexture("ship.dsx", GL_LINEAR), nullptr);
    // The decoder's reason reaches the log.
    EXPECT_NE(dir.Read("vaelor.log").find("'ship.dsx': not a DSX file"), std::string::npos);
    Texture* fromTga = glLoadTexture("ship.TGA", GL_LINEAR);
    ASSERT_NE(fromTga, nullptr);
    EXPECT_EQ(std::tuple(fromTga->width, fromTga->height), std::tuple(8, 4));
    Texture* fromDsx = glLoadTexture("flag.DSX", GL_LINEAR);
    ASSERT_NE(fromDsx, nullptr);
    EXPECT_EQ(fromDsx->width, 16);
    EXPECT_NE(glLoadTexture("pack.tga|dsx", GL_LINEAR), nullptr);
}

// 32768 does not fit the type; the largest power of two that does is the answer.
TEST(NextPow2, SmallestPowerOfTwoNotBelow) {
    const std::pair<i16, i16> cases[] = {{-5, 1},        {0, 1},         {1, 1},        {2, 2},
                                         {3, 4},         {100, 128},     {256, 256},    {257, 512},
                                         {16384, 16384}, {16385, 16384}, {32767, 16384}};
    for (auto [n, pow2] : cases) EXPECT_EQ(NextPow2(n), pow2) << n;
}

TEST_F(LoaderTest, FreeingASurfaceReleasesRecordsAndRegistryEntries) {
    ASSERT_TRUE(WriteBytes("big.tga", TgaBytes(SolidImage(600, 300, {9, 9, 9}))));
    u32 allocs = TrackedAllocCount(), entries = RegisteredTextureCount();
    Surface* surface = glLoadSurface("big.tga", GL_LINEAR);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(TrackedAllocCount(), allocs + 2); // the record and its names
    EXPECT_EQ(RegisteredTextureCount(), entries + 6);
    glFreeSurface(surface);
    glFreeSurface(nullptr);
    EXPECT_EQ(TrackedAllocCount(), allocs);
    EXPECT_EQ(RegisteredTextureCount(), entries);
}

} // namespace
