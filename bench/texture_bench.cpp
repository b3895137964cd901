// Texture work the game does at load time and every frame, each against a plain baseline in
// the same run: glLoadSurface against decoding and uploading tiles assembled on the CPU,
// glDrawSurface over the whole screen against one textured quad of the same area, and
// glDownload + glUpload against reading back and re-uploading the same textures directly.
// Repetitions are interleaved at random; after the runs it prints each case's min / median / max
// and its median relative to its baseline's.
#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "engine/byte_writer.h"
#include "engine/input.h"
#include "engine/window.h"
#include "graphics/draw2d.h"
#include "graphics/images/decoders.h"
#include "graphics/texture.h"
#include "bench/bench_times.h"

namespace {

constexpr int IMAGE_W = 1000, IMAGE_H = 700; // 4 x 3 tiles, partial last column and row
constexpr int TILE = SURFACE_TILE_PIXELS, TILE_TEXELS = SURFACE_TILE_SIZE;
constexpr const char* IMAGE_FILE = "bench.tga";
constexpr int TGA_HEADER = 18;
constexpr int CONTEXT_REBUILDS = 30;

struct Pair {
    const char* name;
    const char* baseline;
};
const Pair PAIRS[] = {{"LoadSurface", "LoadTilesByCopy"},
                      {"DrawSurface", "DrawOneQuad"},
                      {"DownloadUpload", "ReadBackReupload"}};

bool WriteBenchImage() {
    std::vector<u8> file(TGA_HEADER + size_t(IMAGE_W) * IMAGE_H * 4);
    file[2] = 2;
    ByteWriter(&file).PutU16(12, IMAGE_W), ByteWriter(&file).PutU16(14, IMAGE_H);
    file[16] = 32;
    file[17] = 0x28;
    for (size_t i = TGA_HEADER; i < file.size(); i++) file[i] = u8(i * 2654435761u >> 24);
    FILE* f = fopen(IMAGE_FILE, "wb");
    if (!f) return false;
    bool ok = fwrite(file.data(), 1, file.size(), f) == file.size();
    return fclose(f) == 0 && ok;
}

ImageData DecodeBenchImage() {
    ImageData image;
    FILE* f = fopen(IMAGE_FILE, "rb");
    if (f) {
        LoadTGA(f, &image);
        fclose(f);
    }
    return image;
}

void LoadSurfaceCase(benchmark::State& state) {
    for (auto _ : state) {
        Surface* surface = glLoadSurface(IMAGE_FILE, GL_LINEAR);
        glFinish();
        glFreeSurface(surface);
    }
}

// The obvious alternative: copy each tile with its clamped border into a buffer, upload it.
void LoadTilesByCopyCase(benchmark::State& state) {
    std::vector<u8> tile(size_t(TILE_TEXELS) * TILE_TEXELS * 4);
    std::vector<GLuint> names((IMAGE_W + TILE - 1) / TILE * ((IMAGE_H + TILE - 1) / TILE));
    for (auto _ : state) {
        ImageData image = DecodeBenchImage();
        glGenTextures(GLsizei(names.size()), names.data());
        size_t n = 0;
        for (int ty = 0; ty * TILE < IMAGE_H; ty++)
            for (int tx = 0; tx * TILE < IMAGE_W; tx++) {
                for (int y = 0; y < TILE_TEXELS; y++)
                    for (int x = 0; x < TILE_TEXELS; x++) {
                        int ix = std::clamp(tx * TILE + x - 1, 0, IMAGE_W - 1);
                        int iy = std::clamp(ty * TILE + y - 1, 0, IMAGE_H - 1);
                        memcpy(&tile[(size_t(y) * TILE_TEXELS + x) * 4],
                               image.pixels + (size_t(iy) * IMAGE_W + ix) * 4, 4);
                    }
                glBindTexture(GL_TEXTURE_2D, names[n++]);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
                glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, TILE_TEXELS, TILE_TEXELS, 0, GL_RGBA,
                             GL_UNSIGNED_BYTE, tile.data());
            }
        glFinish();
        glDeleteTextures(GLsizei(names.size()), names.data());
        FreeImageData(&image);
    }
}

void DrawSurfaceCase(benchmark::State& state) {
    Surface* surface = glLoadSurface(IMAGE_FILE, GL_LINEAR);
    for (auto _ : state) {
        glDrawSurface(0, 0, VIRTUAL_WIDTH, VIRTUAL_HEIGHT, surface, nullptr, FLIP_NONE);
        glFinish();
    }
    glFreeSurface(surface);
}

void DrawOneQuadCase(benchmark::State& state) {
    Texture* texture = glLoadTexture(IMAGE_FILE, GL_LINEAR);
    for (auto _ : state) {
        glDrawTexture(0, 0, VIRTUAL_WIDTH, VIRTUAL_HEIGHT, texture, nullptr, FLIP_NONE);
        glFinish();
    }
    // Textures have no free call (the game keeps them); dropping this one from the registry keeps
    // the context rebuilds of later repetitions to the same work.
    if (!texture) return;
    UnregisterTexture(texture->name);
    glDeleteTextures(1, &texture->name);
    free(texture);
}

// Both sides lose and rebuild the context, as the game does around every display change.
void DownloadUploadCase(benchmark::State& state) {
    Surface* surface = glLoadSurface(IMAGE_FILE, GL_LINEAR);
    for (auto _ : state) {
        glDownload();
        DestroyGL();
        InitGL(0);
        glUpload();
        glFinish();
    }
    glFreeSurface(surface);
}

void ReadBackReuploadCase(benchmark::State& state) {
    Surface* surface = glLoadSurface(IMAGE_FILE, GL_LINEAR);
    u32 count = u32(surface->columns) * surface->rows;
    std::vector<std::vector<u8>> saved(count);
    std::vector<GLint> widths(count), heights(count);
    for (auto _ : state) {
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        for (u32 i = 0; i < count; i++) {
            glBindTexture(GL_TEXTURE_2D, surface->names[i]);
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &widths[i]);
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &heights[i]);
            saved[i].resize(size_t(widths[i]) * heights[i] * 4);
            glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, saved[i].data());
        }
        DestroyGL();
        InitGL(0);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glGenTextures(GLsizei(count), surface->names);
        for (u32 i = 0; i < count; i++) {
            glBindTexture(GL_TEXTURE_2D, surface->names[i]);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, widths[i], heights[i], 0, GL_RGBA,
                         GL_UNSIGNED_BYTE, saved[i].data());
        }
        glFinish();
    }
    glFreeSurface(surface);
}

class RatioReporter : public TimeCollector {
  public:
    RatioReporter() : TimeCollector(Clock::Real) {}
    void PrintRatios() const {
        printf("\nTime (us: min / median / max), median relative to the baseline of the same run "
               "(lower is better)\n");
        for (const Pair& pair : PAIRS) {
            double mine = Seconds(pair.name), base = Seconds(pair.baseline);
            if (mine <= 0 || base <= 0) continue;
            printf("  %-16s %s  %5.2fx %s (%s)\n", pair.name, SpreadText(pair.name, 1e6).c_str(),
                   mine / base, pair.baseline, SpreadText(pair.baseline, 1e6).c_str());
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    char folder[] = "/tmp/vaelor-bench-XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0 || !WriteBenchImage()) {
        fprintf(stderr, "cannot prepare %s\n", folder);
        return 1;
    }
    CreateMainWindow(VIRTUAL_WIDTH, VIRTUAL_HEIGHT, 0);
    InitGL(0);
    benchmark::RegisterBenchmark("LoadSurface", LoadSurfaceCase)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("LoadTilesByCopy", LoadTilesByCopyCase)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("DownloadUpload", DownloadUploadCase)
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(CONTEXT_REBUILDS);
    benchmark::RegisterBenchmark("ReadBackReupload", ReadBackReuploadCase)
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(CONTEXT_REBUILDS);
    benchmark::RegisterBenchmark("DrawSurface", DrawSurfaceCase)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("DrawOneQuad", DrawOneQuadCase)->Unit(benchmark::kMicrosecond);
    RatioReporter reporter;
    if (!RunInterleaved(argc, argv, &reporter)) return 1;
    reporter.PrintRatios();
    benchmark::Shutdown();
    unlink(IMAGE_FILE);
    unlink("vaelor.log");
    chdir("/");
    rmdir(folder);
    return 0;
}
