// Every picture of the built game (build/dist: *.dsx and *.tga) encoded by the asset tool as DSX
// and written by libpng at maximum compression as PNG: the total sizes and the decode speed of
// both; repetitions are interleaved, and min / median / max and the ratio of medians are printed
// after the normal report. Goals: DSX within 1.25x of PNG's size, DSX decoding at least 2x as
// fast as libpng. Without built pictures it uses synthetic ones.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <dirent.h>
#include <map>
#include <string>
#include <sys/stat.h>

#include "graphics/images/decoders.h"
#include "tools/assettool/atomic_file.h"
#include "tools/assettool/dsx_encoder.h"
#include "tools/assettool/image_formats.h"
#include "tools/assettool/png_io.h"
#include "bench/bench_times.h"

namespace {

const char DSX_CASE[] = "decode/DSX";
const char PNG_CASE[] = "decode/PNG";
const char ENCODE_CASE[] = "encode/DSX";
constexpr f64 SIZE_GOAL = 1.25;
constexpr f64 SPEED_GOAL = 2.0;

struct GameImage {
    std::string name;
    Picture picture;
    std::vector<u8> dsx, png;
};

bool HasPictureExtension(const std::string& name) {
    auto ends = [&](const char* ext) {
        size_t n = std::strlen(ext);
        return name.size() > n && name.compare(name.size() - n, n, ext) == 0;
    };
    return ends(".dsx") || ends(".tga");
}

void FindPictures(const std::string& dir, const std::string& prefix,
                  std::vector<std::string>* out) {
    DIR* d = opendir(dir.c_str());
    if (!d) return;
    while (dirent* e = readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        std::string path = dir + "/" + name;
        struct stat info;
        if (stat(path.c_str(), &info) != 0) continue;
        if (S_ISDIR(info.st_mode))
            FindPictures(path, prefix + name + "/", out);
        else if (HasPictureExtension(name))
            out->push_back(prefix + name);
    }
    closedir(d);
}

// Flat shapes with soft edges and a smooth gradient: what the game's art looks like.
Picture SyntheticArt(u32 side, u32 seed) {
    Picture p;
    p.width = p.height = side;
    p.channels = 4;
    p.pixels.assign(size_t(side) * side * 4, 0);
    for (u32 y = 0; y < side; ++y)
        for (u32 x = 0; x < side; ++x) {
            f64 d = std::hypot(x - side / 2.0, y - side / 2.0) - side * (0.3 + 0.05 * seed);
            f64 cover = d < -1 ? 1 : d > 1 ? 0 : (1 - d) / 2;
            u8* px = &p.pixels[(size_t(y) * side + x) * 4];
            px[0] = u8(60 + (x * 4 / side) * 40);
            px[1] = u8(80 + y * 100 / side);
            px[2] = 160;
            px[3] = u8(std::lround(cover * 255));
        }
    return p;
}

std::vector<GameImage> LoadImages() {
    std::vector<std::string> names;
    FindPictures(VAELOR_DIST_DIR, "", &names);
    std::sort(names.begin(), names.end());
    std::vector<GameImage> images;
    for (const std::string& name : names) {
        std::vector<u8> data;
        std::string error;
        GameImage image{name, {}, {}, {}};
        if (ReadFileBytes(std::string(VAELOR_DIST_DIR) + "/" + name, &data, &error) &&
            DecodePicture(data, &image.picture, &error))
            images.push_back(std::move(image));
    }
    if (images.empty()) {
        std::printf("no pictures in %s: using synthetic ones\n", VAELOR_DIST_DIR);
        for (u32 i = 0; i < 3; ++i) images.push_back({"synthetic", SyntheticArt(256, i), {}, {}});
    }
    for (GameImage& image : images) {
        DsxEncodeResult encoded;
        std::string error;
        EncodeDSX(image.picture, &encoded, &error);
        image.dsx = std::move(encoded.bytes);
        WritePNG(image.picture, &image.png, &error, PNG_MAX_COMPRESSION);
    }
    return images;
}

const std::vector<GameImage>& Images() {
    static const std::vector<GameImage> images = LoadImages();
    return images;
}

void DecodeAllDsx(benchmark::State& state) {
    for (auto _ : state)
        for (const GameImage& image : Images()) {
            ImageData out;
            if (!DecodeDSX(image.dsx.data(), image.dsx.size(), &out)) {
                state.SkipWithError("DSX decoder refused a picture");
                return;
            }
            benchmark::DoNotOptimize(out.pixels);
            FreeImageData(&out);
        }
}

void DecodeAllPng(benchmark::State& state) {
    for (auto _ : state)
        for (const GameImage& image : Images()) {
            Picture out;
            std::string error;
            if (!ReadPNG(image.png.data(), image.png.size(), &out, &error)) {
                state.SkipWithError("libpng refused a picture");
                return;
            }
            benchmark::DoNotOptimize(out.pixels.data());
        }
}

void EncodeAllDsx(benchmark::State& state) {
    for (auto _ : state)
        for (const GameImage& image : Images()) {
            DsxEncodeResult encoded;
            std::string error;
            EncodeDSX(image.picture, &encoded, &error);
            benchmark::DoNotOptimize(encoded.bytes.data());
        }
}

// Keeps the CPU time per iteration of every run to print the ratios after the normal report.
using RatioReporter = TimeCollector;

void PrintSizes() {
    size_t dsxTotal = 0, pngTotal = 0;
    std::printf("\n%-48s %10s %10s %7s\n", "picture", "DSX bytes", "PNG bytes", "ratio");
    for (const GameImage& image : Images()) {
        dsxTotal += image.dsx.size();
        pngTotal += image.png.size();
        std::printf("%-48s %10zu %10zu %6.2fx\n", image.name.c_str(), image.dsx.size(),
                    image.png.size(), double(image.dsx.size()) / double(image.png.size()));
    }
    f64 ratio = double(dsxTotal) / double(pngTotal);
    std::printf("%-48s %10zu %10zu %6.2fx  (goal: at most %.2fx) %s\n", "total", dsxTotal, pngTotal,
                ratio, SIZE_GOAL, ratio <= SIZE_GOAL ? "met" : "MISSED");
}

void PrintSpeed(const RatioReporter& reporter) {
    f64 dsx = reporter.Seconds(DSX_CASE), png = reporter.Seconds(PNG_CASE);
    if (dsx <= 0 || png <= 0) return;
    f64 speed = png / dsx;
    std::printf("\nDecode of all pictures (CPU time, ms: min / median / max): DSX %s, libpng %s: "
                "DSX %.2fx as fast by the medians (goal: at least %.1fx) %s\n",
                reporter.SpreadText(DSX_CASE, 1e3).c_str(),
                reporter.SpreadText(PNG_CASE, 1e3).c_str(), speed, SPEED_GOAL,
                speed >= SPEED_GOAL ? "met" : "MISSED");
    if (reporter.Seconds(ENCODE_CASE) > 0)
        std::printf("DSX encoding of all pictures (ms: min / median / max): %s\n",
                    reporter.SpreadText(ENCODE_CASE, 1e3).c_str());
}

} // namespace

int main(int argc, char** argv) {
    Images();
    benchmark::RegisterBenchmark(DSX_CASE, DecodeAllDsx)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(PNG_CASE, DecodeAllPng)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(ENCODE_CASE, EncodeAllDsx)->Unit(benchmark::kMillisecond);
    RatioReporter reporter;
    if (!RunInterleaved(argc, argv, &reporter)) return 1;
    PrintSizes();
    PrintSpeed(reporter);
    benchmark::Shutdown();
    return 0;
}
