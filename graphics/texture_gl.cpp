// GL helpers shared by the texture loaders and the registry.
#include "graphics/texture_gl.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {
constexpr u32 RGB_BYTES = 3;
constexpr u32 RGBA_BYTES = 4;
constexpr u32 LUMINANCE_ALPHA_BYTES = 2;
} // namespace

bool GLContextCurrent() {
    return glGetString(GL_VERSION) != nullptr;
}

u32 TextureBytesPerPixel(u32 format) {
    switch (format) {
    case GL_RGB: return RGB_BYTES;
    case GL_LUMINANCE_ALPHA: return LUMINANCE_ALPHA_BYTES;
    default: return RGBA_BYTES;
    }
}

bool IsMipmapFilter(u32 filter) {
    return filter == GL_NEAREST_MIPMAP_NEAREST || filter == GL_LINEAR_MIPMAP_NEAREST ||
           filter == GL_NEAREST_MIPMAP_LINEAR || filter == GL_LINEAR_MIPMAP_LINEAR;
}

void SetTextureFilters(u32 filter) {
    u32 magnify = IsMipmapFilter(filter) ? GL_LINEAR : filter;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GLint(filter));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GLint(magnify));
}

void UploadTextureImage(u16 width, u16 height, u32 internalFormat, u32 format, const u8* pixels,
                        bool mipmapped) {
    if (mipmapped && pixels && GLContextCurrent()) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, GLint(internalFormat), width, height, format,
                          GL_UNSIGNED_BYTE, pixels);
        return;
    }
    glTexImage2D(GL_TEXTURE_2D, 0, GLint(internalFormat), width, height, 0, format,
                 GL_UNSIGNED_BYTE, pixels);
}
