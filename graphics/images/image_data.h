// What a decoder hands to the texture loaders, and the limits every decoder enforces.
#pragma once

#include "engine/types.h"

struct ImageData {
    u16 width = 0;
    u16 height = 0;
    u8* pixels = nullptr; // width x height pixels, row 0 at the top; malloc'd, owned by the loader
    u32 format = 0;       // GL_RGB (R, G, B) or GL_RGBA (R, G, B, A)
};

constexpr u32 RGB_BYTES = 3;  // bytes per GL_RGB pixel
constexpr u32 RGBA_BYTES = 4; // bytes per GL_RGBA pixel

// No decoder allocates more than this many pixels, whatever a header claims.
constexpr u32 IMAGE_MAX_SIDE = 16384;
constexpr u64 IMAGE_MAX_PIXELS = u64(8192) * 8192;
// The LoadProcs refuse files larger than this before reading them whole.
constexpr size_t IMAGE_MAX_FILE_BYTES = size_t(64) << 20;

// True when a width x height picture is non-empty and within the limits above.
bool ImageSizeAllowed(u64 width, u64 height);

void FreeImageData(ImageData* image);

// Why the last failed decode on this thread failed: a short phrase such as "width 0", kept
// until the next failure. Decoders fail only through ImageFail, which records it.
const char* ImageFailureReason();
bool ImageFail(const char* reason); // records reason and returns false
