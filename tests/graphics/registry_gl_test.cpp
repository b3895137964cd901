// The texture registry: every texture, surface tile and font page comes back identical after
// glDownload, a rebuilt context and glUpload, with the records holding the new names.
#include <vector>

#include "engine/window.h"
#include "graphics/font.h"
#include "tests/graphics/gl_fixture.h"
#include "tests/graphics/text/dsf_builder.h"

namespace {

using RegistryTest = GraphicsGLTest;

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
    ASSERT_TRUE(WriteBytes("font.dsf", BuildDSF(AsciiTestFont())));
    Font* font = LoadFont("font.dsf"); // its page is luminance-alpha
    ASSERT_NE(font, nullptr);
    const u32* page = &font->pages[0].name;
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
    EXPECT_EQ(TextureParameter(*page, GL_TEXTURE_WRAP_S), GL_CLAMP);
    EXPECT_EQ(TextureParameter(*page, GL_TEXTURE_WRAP_T), GL_CLAMP);
    EXPECT_EQ(TextureLevelParameter(packed->name, 0, GL_TEXTURE_COMPRESSED), GL_FALSE);
    // Unregistering by the new name removes just that entry.
    UnregisterTexture(*page);
    ASSERT_EQ(RegisteredTextureCount(), before.size() - 1);
    for (u32 i = 0; i < RegisteredTextureCount(); i++) {
        RegisteredTextureInfo info{};
        ASSERT_TRUE(GetRegisteredTexture(i, &info));
        EXPECT_NE(info.owner, page);
    }
    FreeFont(font);
}

} // namespace
