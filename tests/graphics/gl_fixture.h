// Shared set-up for the graphics GL tests: the engine's window and context, a temporary
// working folder (log and image files), a black frame, and texture read-back helpers.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>
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

    // Writes the image as a TGA file and loads it. The file is decoded once beforehand: a
    // failing load would report through a message box, which blocks under X.
    Texture* LoadTexture(const std::string& name, const TestImage& image, u32 filter);
    Surface* LoadSurface(const std::string& name, const TestImage& image, u32 filter);

    std::string Log() const { return dir.Read("vaelor.log"); }
    int LogCount(const std::string& text) const;

    TempDir dir;
};

// Level 0 of a texture in the given pixel format, rows top first.
std::vector<u8> ReadTexture(u32 name, u32 format);
GLint TextureLevelParameter(u32 name, int level, GLenum parameter);
GLint TextureParameter(u32 name, GLenum parameter);

inline RGBA ToRGBA(const TestPixel& p) {
    return RGBA{p.r, p.g, p.b, p.a};
}

// Compares the client area at (x, y) with the image, pixel by pixel; returns the number of
// pixels that differ by more than tolerance and reports the first few.
int CompareWithImage(int x, int y, const TestImage& image, int tolerance);
