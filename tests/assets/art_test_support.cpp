// Loads pictures of the program folder through the engine's own decoders.
#include "tests/assets/art_test_support.h"

#include <GL/gl.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "graphics/images/decoders.h"

std::string DistPath(const std::string& relativePath) {
    return std::string(ASSET_DIST_DIR) + "/" + relativePath;
}

int LoadedImage::Channels() const {
    return image.format == GL_RGBA ? 4 : 3;
}

int LoadedImage::Alpha(int x, int y) const {
    if (Channels() == 3) return 255;
    return image.pixels[(size_t(y) * image.width + x) * 4 + 3];
}

bool LoadDistImage(const std::string& relativePath, LoadedImage* out) {
    std::ifstream file(DistPath(relativePath), std::ios::binary);
    if (!file) return false;
    std::vector<u8> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const bool tga =
        relativePath.size() > 4 && relativePath.substr(relativePath.size() - 4) == ".tga";
    return tga ? DecodeTGA(bytes.data(), bytes.size(), &out->image)
               : DecodeDSX(bytes.data(), bytes.size(), &out->image);
}
