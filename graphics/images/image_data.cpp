// Releasing decoded pictures and the size limits shared by the decoders.
#include "graphics/images/image_data.h"

#include <cstdlib>

bool ImageSizeAllowed(u64 width, u64 height) {
    if (width == 0 || height == 0) return false;
    if (width > IMAGE_MAX_SIDE || height > IMAGE_MAX_SIDE) return false;
    return width * height <= IMAGE_MAX_PIXELS;
}

void FreeImageData(ImageData* image) {
    if (!image) return;
    free(image->pixels);
    image->pixels = nullptr;
}
