// The graphics GL tests' set-up (context, temporary folder, black frame) and read-back helpers.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "graphics/images/decoders.h"
#include "graphics/texture.h"
#include "tests/graphics/image_files.h"
#include "tests/support/gl_context.h"
#include "tests/support/test_dir.h"

class GraphicsGLTest : public ::testing::Test {
  protected:
    void SetUp() override;

    // Writes the image as a TGA file and loads it; the file is decoded first, as a failing load
    // would show a message box, which blocks under X.
    Texture* LoadTexture(const std::string& name, const TestImage& image, u32 filter);
    Surface* LoadSurface(const std::string& name, const TestImage& image, u32 filter);

    TempDir dir;
};

struct Point {
    int x, y;
};

inline RGBA ToRGBA(const TestPixel& p) {
    return RGBA{p.r, p.g, p.b, 255};
}

// Not the black the fixture clears to or, with a threshold, some channel above it.
bool Lit(int x, int y, int threshold = -1);
void ExpectLit(std::initializer_list<Point> lit, std::initializer_list<Point> dark = {},
               int threshold = -1);
void ExpectColour(RGBA colour, std::initializer_list<Point> points, int tolerance = 0);
// Pixels of the whole client area with any colour in them.
int LitPixelCount();

// How many pixels of the w x h area at (x, y) differ from want(i, j) by more than tolerance
// (the first few are reported).
int CompareArea(int x, int y, int w, int h, const std::function<TestPixel(int, int)>& want,
                int tolerance);

// Level 0 of a texture in the given pixel format, rows top first.
std::vector<u8> ReadTexture(u32 name, u32 format);
// Of the given mipmap level, or of the texture itself when level is negative.
GLint TextureParameter(u32 name, GLenum parameter, int level = -1);
