// glLoadTexture under a real GL context: power-of-two scaling, filters and mipmaps, the
// compression requests, and the texture's registry entry.
#include <string>
#include <tuple>

#include "engine/engine.h"
#include "graphics/draw2d.h"
#include "tests/graphics/gl_fixture.h"

namespace {

using TextureTest = GraphicsGLTest;

RegisteredTextureInfo LastEntry() {
    RegisteredTextureInfo info{};
    EXPECT_TRUE(GetRegisteredTexture(RegisteredTextureCount() - 1, &info));
    return info;
}

bool HasS3TC() {
    const char* ext = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    std::string all = std::string(" ") + (ext ? ext : "") + " ";
    return all.find(" GL_EXT_texture_compression_s3tc ") != std::string::npos;
}

TEST_F(TextureTest, OddSizedImageBecomesPowerOfTwoTexture) {
    TestImage image = SolidImage(100, 60, {230, 20, 20, 255});
    for (int y = 0; y < 60; y++)
        for (int x = 50; x < 100; x++) image.At(x, y) = {20, 20, 230, 255};
    u32 allocs = TrackedAllocCount();
    Texture* texture = LoadTexture("halves.tga", image, GL_LINEAR);
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(texture->width, 128);
    EXPECT_EQ(texture->height, 64);
    EXPECT_EQ(TextureLevelParameter(texture->name, 0, GL_TEXTURE_WIDTH), 128);
    EXPECT_EQ(TextureLevelParameter(texture->name, 0, GL_TEXTURE_HEIGHT), 64);
    EXPECT_EQ(TrackedAllocCount(), allocs + 1);

    RegisteredTextureInfo entry = LastEntry();
    EXPECT_EQ(entry.owner, &texture->name);
    EXPECT_EQ(entry.width, 128);
    EXPECT_EQ(entry.height, 64);
    EXPECT_EQ(entry.format, u32(GL_RGB));
    EXPECT_EQ(entry.filter, u32(GL_LINEAR));
    EXPECT_FALSE(entry.mipmapped);

    // The scaled picture still has its halves where they were.
    glDrawTexture(0, 0, 128, 64, texture, nullptr, FLIP_NONE);
    EXPECT_TRUE(ColorNear(GLTestPixel(10, 30), RGBA{230, 20, 20, 255}, 2));
    EXPECT_TRUE(ColorNear(GLTestPixel(118, 30), RGBA{20, 20, 230, 255}, 2));
}

TEST_F(TextureTest, PowerOfTwoImageIsUploadedUnchangedAndBinds) {
    TestImage image = PatternImage(64, 32, true);
    Texture* texture = LoadTexture("pattern.tga", image, GL_NEAREST);
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(LastEntry().format, u32(GL_RGBA));
    EXPECT_TRUE(HoldsImage(texture->name, image));

    // glBindTex binds it, and nothing for no texture.
    glBindTexture(GL_TEXTURE_2D, 0);
    glBindTex(texture);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GLuint(bound), texture->name);
    glBindTex(nullptr);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
}

TEST_F(TextureTest, MipmapFiltersBuildEveryLevel) {
    Texture* texture = LoadTexture("sprite.tga", PatternImage(60, 30), GL_LINEAR_MIPMAP_LINEAR);
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)); // no filter GL refuses
    EXPECT_EQ(TextureLevelParameter(texture->name, 1, GL_TEXTURE_WIDTH), 32);
    EXPECT_EQ(TextureLevelParameter(texture->name, 6, GL_TEXTURE_WIDTH), 1);
    EXPECT_EQ(TextureParameter(texture->name, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(TextureParameter(texture->name, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_TRUE(LastEntry().mipmapped);

    Texture* plain = LoadTexture("plain.tga", PatternImage(8, 8), GL_NEAREST);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(TextureParameter(plain->name, GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    EXPECT_EQ(TextureLevelParameter(plain->name, 1, GL_TEXTURE_WIDTH), 0);
}

// Without S3TC in the GL a texture is stored as it is rather than failing; the "any" request
// (format 0 here) never compresses.
TEST_F(TextureTest, CompressionRequestsPickS3TCFormats) {
    const std::tuple<u32, bool, GLint> cases[] = {
        {TEXTURE_COMPRESS_DXT1, true, GL_COMPRESSED_RGBA_S3TC_DXT1_EXT},
        {TEXTURE_COMPRESS_DXT1, false, GL_COMPRESSED_RGB_S3TC_DXT1_EXT},
        {TEXTURE_COMPRESS_DXT3, true, GL_COMPRESSED_RGBA_S3TC_DXT3_EXT},
        {TEXTURE_COMPRESS_DXT5, false, GL_COMPRESSED_RGBA_S3TC_DXT5_EXT},
        {TEXTURE_COMPRESS_ANY, true, 0}};
    const bool s3tc = HasS3TC();
    for (auto [request, alpha, format] : cases) {
        SCOPED_TRACE(request);
        TestImage image = PatternImage(16, 16, alpha);
        Texture* texture =
            LoadTexture("packed.tga", image, request << TEXTURE_COMPRESS_SHIFT | GL_LINEAR);
        ASSERT_NE(texture, nullptr);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        EXPECT_EQ(TextureParameter(texture->name, GL_TEXTURE_MIN_FILTER), GL_LINEAR);
        EXPECT_EQ(LastEntry().filter, u32(GL_LINEAR)); // the request bits are not a filter
        const bool compressed = s3tc && format != 0;
        EXPECT_EQ(TextureLevelParameter(texture->name, 0, GL_TEXTURE_COMPRESSED),
                  compressed ? GL_TRUE : GL_FALSE);
        if (compressed) {
            EXPECT_EQ(TextureLevelParameter(texture->name, 0, GL_TEXTURE_INTERNAL_FORMAT), format);
        } else {
            EXPECT_TRUE(HoldsImage(texture->name, image));
        }
    }
}

} // namespace
