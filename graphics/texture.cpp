// glLoadTexture: one GL texture per image file, scaled to a power-of-two size, optionally
// mipmapped or compressed; and the small helpers around textures.
#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdlib>
#include <cstring>

#include "engine/engine.h"
#include "graphics/image_loader.h"
#include "graphics/texture.h"
#include "graphics/texture_gl.h"

namespace {
constexpr u32 LARGEST_I16_POWER_OF_TWO = 16384;
constexpr const char* S3TC_EXTENSION = "GL_EXT_texture_compression_s3tc";

u32 NextPowerOfTwo(u32 n) {
    u32 p = 1;
    while (p < n) p <<= 1;
    return p;
}

bool HasExtension(const char* wanted) {
    const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!all) return false;
    size_t length = strlen(wanted);
    // Whole names only: "..._s3tc" must not match "..._s3tc_srgb".
    for (const char* p = strstr(all, wanted); p; p = strstr(p + 1, wanted)) {
        bool starts = p == all || p[-1] == ' ';
        bool ends = p[length] == ' ' || p[length] == 0;
        if (starts && ends) return true;
    }
    return false;
}

// The internal format for a compression request. Without S3TC in the GL, and for requests
// no GL format fits (0xF names a query token, not a format), the image is stored as it is.
u32 InternalFormat(u32 request, u32 imageFormat) {
    if (request == 0 || !HasExtension(S3TC_EXTENSION)) return imageFormat;
    switch (request) {
    case TEXTURE_COMPRESS_DXT1:
        return imageFormat == GL_RGBA ? GL_COMPRESSED_RGBA_S3TC_DXT1_EXT
                                      : GL_COMPRESSED_RGB_S3TC_DXT1_EXT;
    case TEXTURE_COMPRESS_DXT3: return GL_COMPRESSED_RGBA_S3TC_DXT3_EXT;
    case TEXTURE_COMPRESS_DXT5: return GL_COMPRESSED_RGBA_S3TC_DXT5_EXT;
    default: return imageFormat;
    }
}

// The uploaded size: powers of two, no larger than the GL takes, and never more pixels than
// a decoder may produce, so scaling cannot ask for an unbounded buffer.
void TextureSize(const ImageData& image, u32* width, u32* height) {
    u32 w = NextPowerOfTwo(image.width), h = NextPowerOfTwo(image.height);
    GLint glMax = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &glMax);
    u32 maxSide = glMax > 0 ? u32(glMax) : LARGEST_I16_POWER_OF_TWO;
    if (maxSide > LARGEST_I16_POWER_OF_TWO) maxSide = LARGEST_I16_POWER_OF_TWO;
    while (w > maxSide) w >>= 1;
    while (h > maxSide) h >>= 1;
    while (u64(w) * h > IMAGE_MAX_PIXELS) {
        if (w > h)
            w >>= 1;
        else
            h >>= 1;
    }
    *width = w;
    *height = h;
}

// Replaces the picture by one scaled to width x height; false when memory runs out.
bool ScaleImage(ImageData* image, u32 width, u32 height) {
    size_t bytes = size_t(width) * height * TextureBytesPerPixel(image->format);
    auto* scaled = static_cast<u8*>(malloc(bytes));
    if (!scaled) return false;
    // Without a context GLU cannot read the pixel-store state; nothing will be uploaded anyway.
    if (GLContextCurrent()) {
        GLint packAlignment = 0;
        glGetIntegerv(GL_PACK_ALIGNMENT, &packAlignment);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        gluScaleImage(image->format, image->width, image->height, GL_UNSIGNED_BYTE, image->pixels,
                      GLint(width), GLint(height), GL_UNSIGNED_BYTE, scaled);
        if (packAlignment > 0) glPixelStorei(GL_PACK_ALIGNMENT, packAlignment);
    } else {
        memset(scaled, 0, bytes);
    }
    free(image->pixels);
    image->pixels = scaled;
    image->width = u16(width);
    image->height = u16(height);
    return true;
}

void DiscardTexture(Texture* texture) {
    glDeleteTextures(1, &texture->name);
    UntrackAlloc(texture);
    free(texture);
}
} // namespace

i16 NextPow2(i16 n) {
    if (n < 2) return 1;
    u32 p = NextPowerOfTwo(u32(n));
    return i16(p > LARGEST_I16_POWER_OF_TWO ? LARGEST_I16_POWER_OF_TWO : p);
}

void glBindTex(const Texture* texture) {
    glBindTexture(GL_TEXTURE_2D, texture ? texture->name : 0);
}

Texture* glLoadTexture(const char* path, u32 filter) {
    ImageData image;
    if (!LoadImageFile(path, TEXTURE_LOADER_MESSAGES, &image)) return nullptr;
    auto* texture = static_cast<Texture*>(calloc(1, sizeof(Texture)));
    if (!texture) {
        FreeImageData(&image);
        ReportLoadFailure(TEXTURE_LOADER_MESSAGES, path);
        return nullptr;
    }
    TrackAlloc(texture);

    u32 compression = filter >> TEXTURE_COMPRESS_SHIFT;
    filter &= TEXTURE_FILTER_MASK;
    bool mipmapped = IsMipmapFilter(filter);
    glGenTextures(1, &texture->name);
    glBindTexture(GL_TEXTURE_2D, texture->name);
    SetTextureFilters(filter);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);

    u32 width = 0, height = 0;
    TextureSize(image, &width, &height);
    if ((width != image.width || height != image.height) && !ScaleImage(&image, width, height)) {
        FreeImageData(&image);
        DiscardTexture(texture);
        ReportLoadFailure(TEXTURE_LOADER_MESSAGES, path);
        return nullptr;
    }
    UploadTextureImage(image.width, image.height, InternalFormat(compression, image.format),
                       image.format, image.pixels, mipmapped);
    u32 format = image.format;
    FreeImageData(&image);
    texture->width = u16(width);
    texture->height = u16(height);
    RegisterTexture(&texture->name, u16(width), u16(height), filter, format, mipmapped);
    return texture;
}
