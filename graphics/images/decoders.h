// The DSX, TGA and BMP decoders. Each reads one whole file held in memory, checks every
// length and index against what the buffer holds, and fills an ImageData or returns false.
// On failure nothing is allocated and *out is left as it was.
#pragma once

#include <cstdio>

#include "graphics/images/image_data.h"

bool DecodeDSX(const u8* data, size_t size, ImageData* out);
bool DecodeTGA(const u8* data, size_t size, ImageData* out);
bool DecodeBMP(const u8* data, size_t size, ImageData* out);

// A LoadProc reads the opened file from its current position to its end (at most
// IMAGE_MAX_FILE_BYTES) and decodes it.
using LoadProc = bool (*)(FILE* file, ImageData* out);
bool LoadDSX(FILE* file, ImageData* out);
bool LoadTGA(FILE* file, ImageData* out);
bool LoadBMP(FILE* file, ImageData* out);
