// A fresh battle drawn with white sprites and sheets, so drawn colours are the tints.
#pragma once

#include <gtest/gtest.h>

#include "tests/support/gl_context.h"
#include "tests/support/test_dir.h"

struct Texture;

// The key the tests bind to the console action (a binding without keys would always be held).
constexpr u32 CONSOLE_KEY = 'C';

class SceneGLTest : public ::testing::Test {
  public:
    // Clears to black and draws the star field and the objects in the camera transform.
    static void RenderScene(bool stars);

  protected:
    void SetUp() override;
    void TearDown() override;

    TempDir dir;
};

// A square texture of one grey and alpha, made once per kind.
Texture* UniformTexture(u16 size, u8 grey, u8 alpha);
// Lit: some colour channel above the threshold.
bool LitAt(int x, int y, int threshold = 8);
