// Drawing helpers for the battle scene and the consoles: vertex lists with per-vertex colour or
// texture coordinates, point and line sizes, a float colour setter and a scoped 2D transform.
#pragma once

#include "engine/types.h"

struct Texture;

struct ColorVertex {
    f32 x, y;
    f32 r, g, b, a;
};

struct TexVertex {
    f32 x, y;
    f32 s, t;
};

enum Primitive2D : u8 {
    PRIM_POINTS,
    PRIM_LINES,
    PRIM_LINE_STRIP,
    PRIM_TRIANGLES,
    PRIM_TRIANGLE_STRIP,
    PRIM_TRIANGLE_FAN,
    PRIM_QUADS,
};

// Untextured vertices, each with its own colour; the current colour is left as it was.
void glDrawColored(Primitive2D kind, const ColorVertex* vertices, int count);
// Textured vertices in the current colour; without a texture they are drawn untextured.
void glDrawTextured(Primitive2D kind, const TexVertex* vertices, int count, const Texture* texture);

void glSetPointSize(f32 size);
void glSetLineWidth(f32 width);
void SetColorF(f32 r, f32 g, f32 b, f32 a);

// Enters the 2D projection when it is not active and saves the model transform; both are put
// back when the scope ends. Translations, rotations and scales inside apply to every 2D call.
class Transform2D {
  public:
    Transform2D();
    ~Transform2D();
    Transform2D(const Transform2D&) = delete;
    Transform2D& operator=(const Transform2D&) = delete;

  private:
    bool entered_;
};

void glTranslate2D(f32 x, f32 y);
void glRotate2D(f32 degrees); // clockwise on the screen (y grows downward)
void glScale2D(f32 scale);
