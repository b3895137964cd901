// PNG reading and writing through libpng, over memory buffers.
#pragma once

#include <string>
#include <vector>

#include "tools/assettool/picture.h"

// Palette, grey and 16-bit pictures become 8-bit RGB, or RGBA when the file has alpha or
// transparency. Sizes beyond the engine's picture limits are refused.
bool ReadPNG(const u8* data, size_t size, Picture* out, std::string* error);

constexpr int PNG_MAX_COMPRESSION = 9;
bool WritePNG(const Picture& picture, std::vector<u8>* out, std::string* error,
              int level = PNG_MAX_COMPRESSION);
