// Screenshots: the client area read back from the frame buffer and written as a 24-bit BMP or
// an uncompressed TGA, bottom row first in both.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/byte_writer.h"
#include "engine/report.h"
#include "engine/screenshot.h"
#include "engine/strings.h"
#include "engine/window.h"
#include "platform/gl_state.h"

namespace {
constexpr u32 BMP_HEADERS = 54;
constexpr u32 BMP_INFO_SIZE = 40;
} // namespace

bool WriteBMP24(const char* path, int width, int height, const u8* rgb) {
    u32 pad = (4 - (3 * u32(width)) % 4) % 4;
    u32 rowSize = 3 * u32(width) + pad;
    u32 imageSize = rowSize * u32(height);
    std::vector<u8> header = {'B', 'M'};
    ByteWriter(&header).U32(BMP_HEADERS + imageSize).U32(0).U32(BMP_HEADERS).U32(BMP_INFO_SIZE);
    ByteWriter(&header).U32(u32(width)).U32(u32(height)).U16(1).U16(24).U32(0).U32(imageSize);
    header.resize(BMP_HEADERS); // resolution and palette size left 0
    FILE* f = fopen(path, "wb");
    if (!f) return false;
    bool ok = fwrite(header.data(), 1, BMP_HEADERS, f) == BMP_HEADERS;
    u8* row = static_cast<u8*>(calloc(rowSize, 1));
    for (int y = 0; ok && row && y < height; y++) {
        const u8* src = rgb + size_t(y) * width * 3;
        for (int x = 0; x < width; x++) {
            row[x * 3 + 0] = src[x * 3 + 2];
            row[x * 3 + 1] = src[x * 3 + 1];
            row[x * 3 + 2] = src[x * 3 + 0];
        }
        ok = fwrite(row, 1, rowSize, f) == rowSize;
    }
    free(row);
    return fclose(f) == 0 && ok;
}

bool WriteTGA24(const char* path, int width, int height, const u8* rgb) {
    // Type 2, uncompressed true colour, with no id, colour map or origin.
    std::vector<u8> header = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    ByteWriter(&header).U16(u32(width)).U16(u32(height)).U8(24).U8(0);
    FILE* f = fopen(path, "wb");
    if (!f) return false;
    bool ok = fwrite(header.data(), 1, header.size(), f) == header.size();
    size_t count = size_t(width) * height;
    u8* bgr = static_cast<u8*>(malloc(count * 3 + 1));
    if (bgr) {
        for (size_t i = 0; i < count; i++) {
            bgr[i * 3 + 0] = rgb[i * 3 + 2];
            bgr[i * 3 + 1] = rgb[i * 3 + 1];
            bgr[i * 3 + 2] = rgb[i * 3 + 0];
        }
        ok = ok && fwrite(bgr, 3, count, f) == count;
    }
    free(bgr);
    return fclose(f) == 0 && ok && bgr;
}

void glScreenShot(const char* path) {
    if (!path || !path[0]) {
        ReportError("The Path cannot be NULL.", "glScreenShot");
        return;
    }
    int w = GetClientWidth(), h = GetClientHeight();
    if (w <= 0 || h <= 0) return;
    u8* pixels = static_cast<u8*>(calloc(size_t(w) * h, 3));
    if (!pixels) return;
    GLimp_ReadBackBuffer(w, h, pixels);
    char ext[20];
    PathExtension(path, ext);
    // A path that cannot be created is not reported.
    if (strcmp(ext, "bmp") == 0) {
        WriteBMP24(path, w, h, pixels);
    } else if (strcmp(ext, "tga") == 0) {
        WriteTGA24(path, w, h, pixels);
    } else {
        ReportError(
            StrFormat("Failed to save '%s', only '*.bmp' and '*.tga' files are supported", path),
            "glScreenshot");
    }
    free(pixels);
}
