// The graphics GL tests' set-up (context, temporary folder, black frame) and read-back helpers.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

#include "graphics/texture.h"
#include "tests/graphics/image_files.h"
#include "tests/support/gl_context.h"
#include "tests/support/test_dir.h"

class GraphicsGLTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GLTestEnsureContext();
        GLTestClear(0, 0, 0);
        glColor4f(1, 1, 1, 1);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
    }
    // The image is written as a TGA file, checked to decode first (a failing load would show a
    // message box, which blocks under X), and loaded.
    bool WriteDecodable(const std::string& path, const TestImage& image) {
        const Bytes bytes = TgaBytes(image);
        bool ok = Decoded(DecodeTGA, bytes).Ok() && WriteBytes(path, bytes);
        if (!ok) ADD_FAILURE() << path << " cannot be written or decoded";
        return ok;
    }
    Texture* LoadTexture(const std::string& name, const TestImage& image, u32 filter) {
        return WriteDecodable(name, image) ? glLoadTexture(name.c_str(), filter) : nullptr;
    }
    Surface* LoadSurface(const std::string& name, const TestImage& image, u32 filter) {
        return WriteDecodable(name, image) ? glLoadSurface(name.c_str(), filter) : nullptr;
    }

    TempDir dir;
};

struct Point {
    int x, y;
};

inline RGBA ToRGBA(const TestPixel& p) {
    return RGBA{p.r, p.g, p.b, 255};
}

// Not the black the fixture clears to or, with a threshold, some channel above it.
inline bool Lit(int x, int y, int threshold = -1) {
    RGBA p = GLTestPixel(x, y);
    if (threshold < 0) return !(p == RGBA{0, 0, 0, 255});
    return p.r > threshold || p.g > threshold || p.b > threshold;
}

inline void ExpectLit(std::initializer_list<Point> lit, std::initializer_list<Point> dark = {},
                      int threshold = -1) {
    for (Point p : lit) EXPECT_TRUE(Lit(p.x, p.y, threshold)) << "lit at " << p.x << "," << p.y;
    for (Point p : dark) EXPECT_FALSE(Lit(p.x, p.y, threshold)) << "dark at " << p.x << "," << p.y;
}

inline void ExpectColour(RGBA colour, std::initializer_list<Point> points, int tolerance = 0) {
    for (Point p : points)
        EXPECT_TRUE(ColorNear(GLTestPixel(p.x, p.y), colour, tolerance))
            << GLTestPixel(p.x, p.y) << " at " << p.x << "," << p.y << ", not " << colour;
}

// Pixels of the whole client area with any colour in them.
inline int LitPixelCount() {
    int w = 0, h = 0, lit = 0;
    std::vector<u8> screen = GLTestReadAll(&w, &h);
    for (size_t i = 0; i < screen.size(); i += 4)
        lit += (screen[i] | screen[i + 1] | screen[i + 2]) != 0;
    return lit;
}

// Of the given mipmap level, or of the texture itself when level is negative.
inline GLint TextureParameter(u32 name, GLenum parameter, int level = -1) {
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, name);
    level < 0 ? glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value)
              : glGetTexLevelParameteriv(GL_TEXTURE_2D, level, parameter, &value);
    return value;
}

// Level 0 of a texture in the given pixel format, rows top first.
inline std::vector<u8> ReadTexture(u32 name, u32 format) {
    GLint w = TextureParameter(name, GL_TEXTURE_WIDTH, 0);
    GLint h = TextureParameter(name, GL_TEXTURE_HEIGHT, 0);
    size_t bpp = format == GL_RGB ? 3 : format == GL_LUMINANCE_ALPHA ? 2 : 4;
    std::vector<u8> pixels(size_t(w) * h * bpp);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}
