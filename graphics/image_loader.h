// Reading an image file for the texture and surface loaders: the decoder chosen by the path's
// extension, and every failure reported with the calling loader's own messages.
#pragma once

#include <cstdio>

#include "graphics/images/decoders.h"

struct LoaderMessages {
    const char* function;       // "glLoadTexture" or "glLoadSurface"
    const char* nullPathLog;    // log line for a NULL path
    const char* nullPathReport; // ReportError text for a NULL path
    bool reportMissingPixels;   // log "data.data == NULL" before the failure line
};

extern const LoaderMessages TEXTURE_LOADER_MESSAGES;
extern const LoaderMessages SURFACE_LOADER_MESSAGES;

// Decodes the file at path into image (pixels owned by the caller). On failure the messages
// are logged and reported, image is left empty, and the result is false. A decoded picture
// always has a non-zero size, pixels and the format GL_RGB or GL_RGBA.
bool LoadImageFile(const char* path, const LoaderMessages& messages, ImageData* image);

// Runs a decoder over the opened file and checks what it produced; a null decoder (a known
// extension without one) fails. Failures are reported as LoadImageFile does.
bool RunLoadProc(FILE* file, LoadProc decoder, const LoaderMessages& messages, const char* path,
                 ImageData* image);

// The "Failed to load '%s'" log line and report, for failures after decoding.
void ReportLoadFailure(const LoaderMessages& messages, const char* path);
