// The frame every 2D drawing call runs in: the 2D projection entered when not active, and the
// texturing state put back afterwards as the caller had it.
#pragma once

#include "engine/types.h"

class Draw2DFrame {
  public:
    enum Texturing { UNTEXTURED, TEXTURED };
    explicit Draw2DFrame(Texturing texturing);
    ~Draw2DFrame();
    Draw2DFrame(const Draw2DFrame&) = delete;
    Draw2DFrame& operator=(const Draw2DFrame&) = delete;

  private:
    bool entered_;
    bool textureWasEnabled_;
    bool textured_;
    i32 boundTexture_ = 0;
};
