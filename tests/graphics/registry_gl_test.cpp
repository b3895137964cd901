// The texture registry: every texture, surface tile and font page comes back identical after
// glDownload, a rebuilt context and glUpload, with the records holding the new names.
#include <vector>

#include "engine/window.h"
#include "tests/graphics/gl_fixture.h"

namespace {

using RegistryTest = GraphicsGLTest;

constexpr int PAGE_SIZE = 8;

// A font page made the way the font loader makes one: luminance-alpha, registered by owner.
Texture* MakePage() {
    auto* page = new Texture{PAGE_SIZE, PAGE_SIZE, 0};
    std::vector<u8> texels(PAGE_SIZE * PAGE_SIZE * 2);
    for (size_t i = 0; i < texels.size(); i++) texels[i] = u8(i * 7);
    glGenTextures(1, &page->name);
    glBindTexture(GL_TEXTURE_2D, page->name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, PAGE_SIZE, PAGE_SIZE, 0, GL_LUMINANCE_ALPHA,
                 GL_UNSIGNED_BYTE, texels.data());
    RegisterTexture(&page->name, PAGE_SIZE, PAGE_SIZE, GL_LINEAR, GL_LUMINANCE_ALPHA, false);
    return page;
}

std::vector<std::vector<u8>> SnapshotRegistry() {
    std::vector<std::vector<u8>> all;
    for (u32 i = 0; i < RegisteredTextureCount(); i++) {
        RegisteredTextureInfo info{};
        EXPECT_TRUE(GetRegisteredTexture(i, &info));
        all.push_back(ReadTexture(info.name, info.format));
    }
    return all;
}

TEST_F(RegistryTest, EverythingSurvivesARebuiltContext) {
    Texture* sprite = LoadTexture("sprite.tga", PatternImage(32, 32), GL_LINEAR_MIPMAP_LINEAR);
    ASSERT_TRUE(sprite && LoadSurface("surf.tga", PatternImage(600, 300), GL_LINEAR) &&
                LoadTexture("tex.tga", PatternImage(100, 60, true), GL_LINEAR));
    // Rows of 6 bytes: saved wrongly if the read-back pads rows to the pack alignment.
    ASSERT_TRUE(LoadTexture("narrow.tga", PatternImage(2, 4), GL_NEAREST));
    // Compressed ones come back uncompressed.
    Texture* packed = LoadTexture("dxt.tga", SolidImage(16, 16, {255, 0, 0, 255}, true),
                                  TEXTURE_COMPRESS_DXT5 << TEXTURE_COMPRESS_SHIFT | GL_NEAREST);
    ASSERT_NE(packed, nullptr);
    Texture* page = MakePage();
    std::vector<std::vector<u8>> before = SnapshotRegistry();

    glPixelStorei(GL_PACK_ALIGNMENT, 8);
    glDownload();
    GLint alignment = 0;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 8); // the caller's setting is left alone
    DestroyGL();
    InitGL(0);
    glUpload();
    ASSERT_EQ(RegisteredTextureCount(), before.size());
    for (u32 i = 0; i < RegisteredTextureCount(); i++) {
        RegisteredTextureInfo info{};
        ASSERT_TRUE(GetRegisteredTexture(i, &info));
        EXPECT_FALSE(info.saved);
        EXPECT_TRUE(glIsTexture(*info.owner)) << "entry " << i; // the records see the new names
        EXPECT_EQ(ReadTexture(*info.owner, info.format), before[i]) << "entry " << i;
    }
    EXPECT_EQ(TextureLevelParameter(sprite->name, 1, GL_TEXTURE_WIDTH), 16);
    EXPECT_EQ(TextureParameter(sprite->name, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(TextureParameter(page->name, GL_TEXTURE_WRAP_S), GL_CLAMP);
    EXPECT_EQ(TextureParameter(page->name, GL_TEXTURE_WRAP_T), GL_CLAMP);
    EXPECT_EQ(TextureLevelParameter(packed->name, 0, GL_TEXTURE_COMPRESSED), GL_FALSE);
    // Unregistering by the new name removes just that entry.
    UnregisterTexture(page->name);
    ASSERT_EQ(RegisteredTextureCount(), before.size() - 1);
    for (u32 i = 0; i < RegisteredTextureCount(); i++) {
        RegisteredTextureInfo info{};
        ASSERT_TRUE(GetRegisteredTexture(i, &info));
        EXPECT_NE(info.owner, &page->name);
    }
    glDeleteTextures(1, &page->name);
    delete page;
}

} // namespace
