// glLoadTexture under a real GL context: power-of-two scaling, uploads, the registry entry.
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

TEST_F(TextureTest, OddSizedImageBecomesPowerOfTwoTexture) {
    TestImage image = SolidImage(100, 60, {230, 20, 20, 255});
    for (int y = 0; y < 60; y++)
        for (int x = 50; x < 100; x++) image.At(x, y) = {20, 20, 230, 255};
    u32 allocs = TrackedAllocCount();
    Texture* texture = LoadTexture("halves.tga", image, GL_LINEAR);
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(TextureLevelParameter(texture->name, 0, GL_TEXTURE_WIDTH), 128);
    EXPECT_EQ(TextureLevelParameter(texture->name, 0, GL_TEXTURE_HEIGHT), 64);
    EXPECT_EQ(TrackedAllocCount(), allocs + 1);
    EXPECT_EQ(LastEntry().owner, &texture->name);
    EXPECT_EQ(LastEntry().format, u32(GL_RGB));
    // The scaled picture still has its halves where they were.
    glDrawTexture(0, 0, 128, 64, texture, nullptr, FLIP_NONE);
    ExpectColour({230, 20, 20, 255}, {{10, 30}}, 2);
    ExpectColour({20, 20, 230, 255}, {{118, 30}}, 2);
}

TEST_F(TextureTest, PowerOfTwoImageIsUploadedUnchangedAndBinds) {
    TestImage image = PatternImage(64, 32, true);
    Texture* texture = LoadTexture("pattern.tga", image, GL_NEAREST);
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(LastEntry().format, u32(GL_RGBA));
    const u8* bytes = &image.pixels[0].r;
    EXPECT_EQ(ReadTexture(texture->name, GL_RGBA), ByteVector(bytes, bytes + 64 * 32 * 4));
    // glBindTex binds it, and nothing for no texture.
    glBindTexture(GL_TEXTURE_2D, 0);
    GLint bound = 0;
    glBindTex(texture);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GLuint(bound), texture->name);
    glBindTex(nullptr);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
}

} // namespace
