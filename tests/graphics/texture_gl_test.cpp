// glLoadTexture under a real GL context (power-of-two scaling, uploads, the registry entry), and
// the registry bringing every texture, surface tile and font page back after glDownload, a
// rebuilt context and glUpload, with the records holding the new names.
#include <vector>

#include "engine/engine.h"
#include "engine/window.h"
#include "graphics/draw2d.h"
#include "graphics/font.h"
#include "tests/graphics/gl_fixture.h"
#include "tests/graphics/text/dsf_builder.h"

namespace {

using TextureTest = GraphicsGLTest;

std::vector<RegisteredTextureInfo> Registry() {
    std::vector<RegisteredTextureInfo> all(RegisteredTextureCount());
    for (u32 i = 0; i < all.size(); i++) EXPECT_TRUE(GetRegisteredTexture(i, &all[i]));
    return all;
}

TEST_F(TextureTest, OddSizedImageBecomesPowerOfTwoTexture) {
    TestImage image = SolidImage(100, 60, {230, 20, 20});
    for (size_t i = 0; i < image.pixels.size(); i++)
        if (i % 100 >= 50) image.pixels[i] = {20, 20, 230}; // the right half
    u32 allocs = TrackedAllocCount();
    Texture* texture = LoadTexture("halves.tga", image, GL_LINEAR);
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(TextureParameter(texture->name, GL_TEXTURE_WIDTH, 0), 128);
    EXPECT_EQ(TextureParameter(texture->name, GL_TEXTURE_HEIGHT, 0), 64);
    EXPECT_EQ(TrackedAllocCount(), allocs + 1);
    EXPECT_EQ(std::pair(Registry().back().owner, Registry().back().format),
              std::pair(&texture->name, u32(GL_RGB)));
    // The scaled picture still has its halves where they were.
    glDrawTexture(0, 0, 128, 64, texture, nullptr, FLIP_NONE);
    ExpectColour({230, 20, 20, 255}, {{10, 30}}, 2);
    ExpectColour({20, 20, 230, 255}, {{118, 30}}, 2);
}

TEST_F(TextureTest, PowerOfTwoImageIsUploadedUnchanged) {
    TestImage image = PatternImage(64, 32, true);
    Texture* texture = LoadTexture("pattern.tga", image, GL_NEAREST);
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(Registry().back().format, u32(GL_RGBA));
    const u8* bytes = &image.pixels[0].r;
    EXPECT_EQ(ReadTexture(texture->name, GL_RGBA), ByteVector(bytes, bytes + 64 * 32 * 4));
}

TEST_F(TextureTest, EverythingSurvivesARebuiltContext) {
    Texture* sprite = LoadTexture("sprite.tga", PatternImage(32, 32), GL_LINEAR_MIPMAP_LINEAR);
    ASSERT_TRUE(sprite && LoadSurface("surf.tga", PatternImage(600, 300), GL_LINEAR) &&
                LoadTexture("tex.tga", PatternImage(100, 60, true), GL_LINEAR));
    // Rows of 6 bytes: saved wrongly if the read-back pads rows to the pack alignment.
    ASSERT_TRUE(LoadTexture("narrow.tga", PatternImage(2, 4), GL_NEAREST));
    // Compressed ones come back uncompressed.
    Texture* packed = LoadTexture("dxt.tga", SolidImage(16, 16, {255, 0, 0, 255}, true),
                                  TEXTURE_COMPRESS_DXT5 << TEXTURE_COMPRESS_SHIFT | GL_NEAREST);
    ASSERT_NE(packed, nullptr);
    ASSERT_TRUE(WriteBytes("font.dsf", BuildDSF(AsciiTestFont())));
    Font* font = LoadFont("font.dsf"); // its page is luminance-alpha
    ASSERT_NE(font, nullptr);
    const u32* page = &font->pages[0].name;
    std::vector<std::vector<u8>> before;
    for (const auto& info : Registry()) before.push_back(ReadTexture(info.name, info.format));

    glPixelStorei(GL_PACK_ALIGNMENT, 8);
    glDownload();
    GLint alignment = 0;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 8); // the caller's setting is left alone
    DestroyGL();
    InitGL(0);
    glUpload();
    const std::vector<RegisteredTextureInfo> after = Registry();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); i++) {
        const RegisteredTextureInfo& info = after[i];
        EXPECT_FALSE(info.saved);
        EXPECT_TRUE(glIsTexture(*info.owner)) << "entry " << i; // the records see the new names
        EXPECT_EQ(ReadTexture(*info.owner, info.format), before[i]) << "entry " << i;
    }
    EXPECT_EQ(TextureParameter(sprite->name, GL_TEXTURE_WIDTH, 1), 16);
    EXPECT_EQ(TextureParameter(sprite->name, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(std::pair(TextureParameter(*page, GL_TEXTURE_WRAP_S),
                        TextureParameter(*page, GL_TEXTURE_WRAP_T)),
              std::pair(GL_CLAMP, GL_CLAMP));
    EXPECT_EQ(TextureParameter(packed->name, GL_TEXTURE_COMPRESSED, 0), GL_FALSE);
    // Unregistering by the new name removes just that entry.
    UnregisterTexture(*page);
    ASSERT_EQ(RegisteredTextureCount(), before.size() - 1);
    for (const RegisteredTextureInfo& info : Registry()) EXPECT_NE(info.owner, page);
    FreeFont(font);
}

} // namespace
