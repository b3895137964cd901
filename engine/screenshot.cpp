// Screenshots: the client area read back from the frame buffer and written as a 24-bit BMP or
// an uncompressed TGA, bottom row first in both.
#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/report.h"
#include "engine/screenshot.h"
#include "engine/strings.h"
#include "engine/window.h"

namespace {
constexpr u32 BMP_HEADERS = 54;
constexpr u32 BMP_INFO_SIZE = 40;
constexpr int TGA_HEADER = 18;

void Put16(u8* p, u32 v) {
    p[0] = u8(v);
    p[1] = u8(v >> 8);
}
void Put32(u8* p, u32 v) {
    Put16(p, v & 0xFFFF);
    Put16(p + 2, v >> 16);
}
} // namespace

bool WriteBMP24(const char* path, int width, int height, const u8* rgb) {
    u32 pad = (4 - (3 * u32(width)) % 4) % 4;
    u32 rowSize = 3 * u32(width) + pad;
    u32 imageSize = rowSize * u32(height);
    u8 header[BMP_HEADERS] = {'B', 'M'};
    Put32(header + 2, BMP_HEADERS + imageSize);
    Put32(header + 10, BMP_HEADERS);
    Put32(header + 14, BMP_INFO_SIZE);
    Put32(header + 18, u32(width));
    Put32(header + 22, u32(height));
    Put16(header + 26, 1);
    Put16(header + 28, 24);
    Put32(header + 34, imageSize);
    FILE* f = fopen(path, "wb");
    if (!f) return false;
    bool ok = fwrite(header, 1, sizeof header, f) == sizeof header;
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
    u8 header[TGA_HEADER] = {0, 0, 2};
    Put16(header + 12, u32(width));
    Put16(header + 14, u32(height));
    header[16] = 24;
    FILE* f = fopen(path, "wb");
    if (!f) return false;
    bool ok = fwrite(header, 1, sizeof header, f) == sizeof header;
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
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, pixels);
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
