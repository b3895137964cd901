// Releasing decoded pictures.
#include "graphics/images/image_data.h"

#include <cstdlib>

void FreeImageData(ImageData* image) {
    if (!image) return;
    free(image->pixels);
    image->pixels = nullptr;
}
