// Shared set-up and read-back helpers of the graphics GL tests.
#include "tests/graphics/gl_fixture.h"

#include <cstdio>

#include "graphics/images/decoders.h"

namespace {
bool Decodes(const std::string& path) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return false;
    ImageData image;
    bool ok = LoadTGA(f, &image);
    fclose(f);
    FreeImageData(&image);
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
    if (!WriteTGA(name, image) || !Decodes(name)) {
        ADD_FAILURE() << name << " cannot be written or decoded";
        return nullptr;
    }
    return glLoadTexture(name.c_str(), filter);
}

Surface* GraphicsGLTest::LoadSurface(const std::string& name, const TestImage& image, u32 filter) {
    if (!WriteTGA(name, image) || !Decodes(name)) {
        ADD_FAILURE() << name << " cannot be written or decoded";
        return nullptr;
    }
    return glLoadSurface(name.c_str(), filter);
}

int GraphicsGLTest::LogCount(const std::string& text) const {
    std::string log = Log();
    int count = 0;
    for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) count++;
    return count;
}

std::vector<u8> ReadTexture(u32 name, u32 format) {
    GLint w = TextureLevelParameter(name, 0, GL_TEXTURE_WIDTH);
    GLint h = TextureLevelParameter(name, 0, GL_TEXTURE_HEIGHT);
    size_t bpp = format == GL_RGB ? 3 : format == GL_LUMINANCE_ALPHA ? 2 : 4;
    std::vector<u8> pixels(size_t(w) * h * bpp);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

GLint TextureLevelParameter(u32 name, int level, GLenum parameter) {
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, parameter, &value);
    return value;
}

GLint TextureParameter(u32 name, GLenum parameter) {
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
    return value;
}

int CompareWithImage(int x, int y, const TestImage& image, int tolerance) {
    int w = 0, h = 0;
    std::vector<u8> screen = GLTestReadAll(&w, &h);
    int differing = 0;
    for (int j = 0; j < image.height; j++) {
        for (int i = 0; i < image.width; i++) {
            const u8* p = &screen[(size_t(y + j) * w + x + i) * 4];
            RGBA got{p[0], p[1], p[2], 255};
            TestPixel want = image.At(i, j);
            if (ColorNear(got, RGBA{want.r, want.g, want.b, 255}, tolerance)) continue;
            if (differing++ < 5)
                ADD_FAILURE() << "pixel (" << i << "," << j << ") is " << got << ", image has "
                              << ToRGBA(want);
        }
    }
    return differing;
}
