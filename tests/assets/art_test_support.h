// Reading the built program folder's pictures for the art tests.
#pragma once

#include <string>

#include "graphics/images/image_data.h"

// Decodes DIST_DIR/relativePath with the engine's decoder for its extension; false when the file
// is missing or does not decode. The pixels are freed by the destructor.
struct LoadedImage {
    ImageData image;
    ~LoadedImage() { FreeImageData(&image); }
    int Channels() const;
    // Alpha (or 255 for RGB) of pixel (x, y).
    int Alpha(int x, int y) const;
};
bool LoadDistImage(const std::string& relativePath, LoadedImage* out);
std::string DistPath(const std::string& relativePath);
