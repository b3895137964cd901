// The built program folder's pictures, read through the engine's own decoders.
#pragma once

#include <GL/gl.h>

#include <string>
#include <vector>

#include "graphics/images/decoders.h"
#include "tools/assettool/atomic_file.h"

inline std::string DistPath(const std::string& relativePath) {
    return std::string(ASSET_DIST_DIR) + "/" + relativePath;
}

// A decoded picture, freed by the destructor.
struct LoadedImage {
    ImageData image;
    ~LoadedImage() { FreeImageData(&image); }
    int Channels() const { return image.format == GL_RGBA ? 4 : 3; }
    // Alpha (or 255 for RGB) of pixel (x, y).
    int Alpha(int x, int y) const {
        return Channels() == 3 ? 255 : image.pixels[(size_t(y) * image.width + x) * 4 + 3];
    }
};

// False when the file is missing or does not decode with the decoder for its extension.
inline bool LoadDistImage(const std::string& relativePath, LoadedImage* out) {
    std::vector<u8> bytes;
    std::string error;
    if (!ReadFileBytes(DistPath(relativePath), &bytes, &error)) return false;
    const bool tga = relativePath.ends_with(".tga");
    return tga ? DecodeTGA(bytes.data(), bytes.size(), &out->image)
               : DecodeDSX(bytes.data(), bytes.size(), &out->image);
}
