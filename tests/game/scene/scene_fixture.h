// A fresh battle drawn with white sprites and sheets, so drawn colours are the tints.
#pragma once

#include <gtest/gtest.h>

#include "tests/support/gl_context.h"
#include "tests/support/test_dir.h"

class SceneGLTest : public ::testing::Test {
  public:
    // Clears to black and draws the objects in the camera transform.
    static void RenderScene();

  protected:
    void SetUp() override;
    void TearDown() override;

    TempDir dir;
};

// Lit: some colour channel above the threshold.
bool LitAt(int x, int y, int threshold = 8);
