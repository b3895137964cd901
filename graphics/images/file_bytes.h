// Reading the rest of an opened image file into memory for the byte-span decoders.
#pragma once

#include <cstdio>

#include "graphics/images/image_data.h"

using ImageDecodeProc = bool (*)(const u8* data, size_t size, ImageData* out);

// Reads from the file's current position to its end (failing when that is more than
// IMAGE_MAX_FILE_BYTES or a read error occurs) and decodes the bytes with decode.
bool DecodeRestOfFile(FILE* file, ImageData* out, ImageDecodeProc decode);
