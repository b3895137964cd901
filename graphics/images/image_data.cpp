// Releasing decoded pictures, the size limits shared by the decoders and the record of why
// the last decode failed.
#include "graphics/images/image_data.h"

#include <cstdlib>

namespace {
// Per thread, so decoders running on several threads never see each other's reasons.
struct ImageFailureRecord {
    const char* reason = "no failure";
};
thread_local ImageFailureRecord g_imageFailure;
} // namespace

const char* ImageFailureReason() {
    return g_imageFailure.reason;
}

bool ImageFail(const char* reason) {
    g_imageFailure.reason = reason;
    return false;
}

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
