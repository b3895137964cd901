// Shared set-up and read-back helpers of the graphics GL tests.
#include "tests/graphics/gl_fixture.h"

#include <cstdio>

namespace {
bool WriteDecodable(const std::string& path, const TestImage& image) {
    FILE* f = WriteTGA(path, image) ? fopen(path.c_str(), "rb") : nullptr;
    ImageData decoded;
    bool ok = f && LoadTGA(f, &decoded);
    if (f) fclose(f);
    FreeImageData(&decoded);
    if (!ok) ADD_FAILURE() << path << " cannot be written or decoded";
    return ok;
}
} // namespace

void GraphicsGLTest::SetUp() {
    GLTestEnsureContext();
    GLTestClear(0, 0, 0);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
}

Texture* GraphicsGLTest::LoadTexture(const std::string& name, const TestImage& image, u32 filter) {
    return WriteDecodable(name, image) ? glLoadTexture(name.c_str(), filter) : nullptr;
}

Surface* GraphicsGLTest::LoadSurface(const std::string& name, const TestImage& image, u32 filter) {
    return WriteDecodable(name, image) ? glLoadSurface(name.c_str(), filter) : nullptr;
}

bool Lit(int x, int y, int threshold) {
    RGBA p = GLTestPixel(x, y);
    if (threshold < 0) return !(p == RGBA{0, 0, 0, 255});
    return p.r > threshold || p.g > threshold || p.b > threshold;
}

void ExpectLit(std::initializer_list<Point> lit, std::initializer_list<Point> dark, int threshold) {
    for (Point p : lit) EXPECT_TRUE(Lit(p.x, p.y, threshold)) << "lit at " << p.x << "," << p.y;
    for (Point p : dark) EXPECT_FALSE(Lit(p.x, p.y, threshold)) << "dark at " << p.x << "," << p.y;
}

void ExpectColour(RGBA colour, std::initializer_list<Point> points, int tolerance) {
    for (Point p : points)
        EXPECT_TRUE(ColorNear(GLTestPixel(p.x, p.y), colour, tolerance))
            << GLTestPixel(p.x, p.y) << " at " << p.x << "," << p.y << ", not " << colour;
}

int LitPixelCount() {
    int w = 0, h = 0, lit = 0;
    std::vector<u8> screen = GLTestReadAll(&w, &h);
    for (size_t i = 0; i < screen.size(); i += 4)
        lit += (screen[i] | screen[i + 1] | screen[i + 2]) != 0;
    return lit;
}

int CompareArea(int x, int y, int w, int h, const std::function<TestPixel(int, int)>& want,
                int tolerance) {
    int screenW = 0, screenH = 0, differing = 0;
    std::vector<u8> screen = GLTestReadAll(&screenW, &screenH);
    for (int j = 0; j < h; j++) {
        for (int i = 0; i < w; i++) {
            const u8* p = &screen[(size_t(y + j) * screenW + x + i) * 4];
            RGBA got{p[0], p[1], p[2], 255};
            if (ColorNear(got, ToRGBA(want(i, j)), tolerance)) continue;
            if (differing++ < 5)
                ADD_FAILURE() << "pixel (" << i << "," << j << ") is " << got << ", not "
                              << ToRGBA(want(i, j));
        }
    }
    return differing;
}

std::vector<u8> ReadTexture(u32 name, u32 format) {
    GLint w = TextureParameter(name, GL_TEXTURE_WIDTH, 0);
    GLint h = TextureParameter(name, GL_TEXTURE_HEIGHT, 0);
    size_t bpp = format == GL_RGB ? 3 : format == GL_LUMINANCE_ALPHA ? 2 : 4;
    std::vector<u8> pixels(size_t(w) * h * bpp);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

GLint TextureParameter(u32 name, GLenum parameter, int level) {
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, name);
    level < 0 ? glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value)
              : glGetTexLevelParameteriv(GL_TEXTURE_2D, level, parameter, &value);
    return value;
}
