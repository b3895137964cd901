// Decode speed of the engine's TGA and BMP decoders against stb_image on the same 1024 x 1024
// files in memory, and of the DSX decoder for information. Repetitions are interleaved; after the
// runs it prints, per case, min / median / max and the median speed of ours relative to
// stb_image's (above 1.0x: ours is faster).
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_TGA
#define STBI_ONLY_BMP
#include <stb/stb_image.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "bench/decode_images.h"
#include "graphics/images/decoders.h"
#include "bench/bench_times.h"

namespace {

constexpr u32 SIDE = 1024;
const char* const OURS = "ours";
const char* const STB = "stb";

struct Inputs {
    std::vector<u8> tga24, tga32, tgaRle32, bmp24, dsx24, dsx32, dsxSprite;
    Inputs() {
        BenchPicture picture = MakeSpacePicture(SIDE, SIDE);
        tga24 = WriteTGA(picture, 24, false);
        tga32 = WriteTGA(picture, 32, false);
        tgaRle32 = WriteTGA(picture, 32, true);
        bmp24 = WriteBMP24(picture);
        dsx24 = WriteDSX(picture, false);
        dsx32 = WriteDSX(picture, true);
        dsxSprite = WriteDSX(MakeSpritePicture(SIDE, SIDE), true);
    }
};

const Inputs& Files() {
    static const Inputs inputs;
    return inputs;
}

void DecodeOurs(benchmark::State& state, const std::vector<u8>* file,
                bool (*decode)(const u8*, size_t, ImageData*)) {
    for (auto _ : state) {
        ImageData image;
        if (!decode(file->data(), file->size(), &image)) {
            state.SkipWithError("decoder refused the file");
            break;
        }
        benchmark::DoNotOptimize(image.pixels);
        FreeImageData(&image);
    }
    state.SetBytesProcessed(i64(state.iterations()) * i64(file->size()));
}

void DecodeStb(benchmark::State& state, const std::vector<u8>* file) {
    for (auto _ : state) {
        int width, height, components;
        stbi_uc* pixels =
            stbi_load_from_memory(file->data(), int(file->size()), &width, &height, &components, 0);
        if (!pixels) {
            state.SkipWithError(stbi_failure_reason());
            break;
        }
        benchmark::DoNotOptimize(pixels);
        stbi_image_free(pixels);
    }
    state.SetBytesProcessed(i64(state.iterations()) * i64(file->size()));
}

void RegisterCase(const char* name, const std::vector<u8>* file,
                  bool (*decode)(const u8*, size_t, ImageData*), bool withStb) {
    benchmark::RegisterBenchmark((std::string(name) + "/" + OURS).c_str(), DecodeOurs, file, decode)
        ->Unit(benchmark::kMillisecond);
    if (withStb) {
        benchmark::RegisterBenchmark((std::string(name) + "/" + STB).c_str(), DecodeStb, file)
            ->Unit(benchmark::kMillisecond);
    }
}

// Keeps the CPU time per iteration of every run (steadier than wall time on a shared machine;
// decoding is single-threaded), to print the ratios after the normal report.
class RatioReporter : public TimeCollector {
  public:
    void PrintRatios() const {
        printf("\nDecode speed (CPU time, ms: min / median / max), median of ours relative to "
               "stb_image's (above 1.00x: ours faster)\n");
        for (const auto& [name, seconds] : seconds_) {
            const size_t slash = name.rfind('/');
            if (name.compare(slash + 1, std::string::npos, OURS) != 0) continue;
            const std::string base = name.substr(0, slash);
            auto stb = seconds_.find(base + "/" + STB);
            if (stb == seconds_.end()) {
                printf("  %-10s ours %s ms (no stb_image counterpart)\n", base.c_str(),
                       SpreadText(name, 1e3).c_str());
                continue;
            }
            printf("  %-10s ours %s ms  stb %s ms  speed %.2fx\n", base.c_str(),
                   SpreadText(name, 1e3).c_str(), SpreadText(stb->first, 1e3).c_str(),
                   stb->second / seconds);
        }
    }
};

// Both decoders must give the same pixels, or the timings compare different work.
bool SamePixels(const char* name, const std::vector<u8>& file,
                bool (*decode)(const u8*, size_t, ImageData*)) {
    ImageData ours;
    int width, height, components;
    stbi_uc* theirs =
        stbi_load_from_memory(file.data(), int(file.size()), &width, &height, &components, 0);
    bool same = decode(file.data(), file.size(), &ours) && theirs && ours.width == width &&
                ours.height == height &&
                memcmp(ours.pixels, theirs, size_t(width) * height * components) == 0;
    if (!same) fprintf(stderr, "%s: our pixels differ from stb_image's\n", name);
    FreeImageData(&ours);
    stbi_image_free(theirs);
    return same;
}

} // namespace

int main(int argc, char** argv) {
    const Inputs& files = Files();
    if (!SamePixels("TGA24", files.tga24, DecodeTGA) ||
        !SamePixels("TGA32", files.tga32, DecodeTGA) ||
        !SamePixels("TGA32-RLE", files.tgaRle32, DecodeTGA) ||
        !SamePixels("BMP24", files.bmp24, DecodeBMP))
        return 1;
    RegisterCase("TGA24", &files.tga24, DecodeTGA, true);
    RegisterCase("TGA32", &files.tga32, DecodeTGA, true);
    RegisterCase("TGA32-RLE", &files.tgaRle32, DecodeTGA, true);
    RegisterCase("BMP24", &files.bmp24, DecodeBMP, true);
    RegisterCase("DSX24", &files.dsx24, DecodeDSX, false);
    RegisterCase("DSX32", &files.dsx32, DecodeDSX, false);
    RegisterCase("DSX32-art", &files.dsxSprite, DecodeDSX, false);

    RatioReporter reporter;
    if (!RunInterleaved(argc, argv, &reporter)) return 1;
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
