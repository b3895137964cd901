// The decode benchmark's inputs: a deterministic synthetic picture and small writers for
// the three formats (only what the benchmark needs; the asset tool has the real DSX encoder).
#include "bench/decode_images.h"

#include <cmath>
#include <cstring>

#include "engine/byte_writer.h"

namespace {

constexpr u32 RGBA = 4;
constexpr u8 TGA_TRUECOLOUR = 2;
constexpr u8 TGA_RLE_TRUECOLOUR = 10;
constexpr u8 TGA_ALPHA_BITS = 8;
constexpr u32 TGA_PACKET_MAX = 128;
constexpr u32 BMP_HEADERS = 54;
constexpr u32 DSX_LEAF_MAX_PIXELS = 64 * 64;
constexpr u32 DSX_PALETTE_MAX = 16;
constexpr u32 DSX_PACKET_MAX = 127;

struct Noise {
    u32 state = 0x9E3779B9u;
    u32 Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
};

u8 Clamp(float v) {
    return u8(v < 0 ? 0 : v > 255 ? 255 : v);
}

// Nebula bands, a shaded planet, scattered stars and some grain; alpha follows the density.
void ShadePixel(const BenchPicture& p, u32 x, u32 y, Noise& noise, u8* out) {
    const float fx = float(x) / float(p.width), fy = float(y) / float(p.height);
    const float density =
        0.5f + 0.25f * std::sin(fx * 9 + std::sin(fy * 5) * 2) + 0.25f * std::sin(fy * 7 + fx * 3);
    float r = 20 + 120 * density * fx, g = 10 + 60 * density, b = 40 + 150 * density * (1 - fy);
    float a = 60 + 160 * density;
    const float dx = fx - 0.62f, dy = fy - 0.45f, radius = 0.22f;
    const float d2 = (dx * dx + dy * dy) / (radius * radius);
    if (d2 < 1) {
        float light = 0.2f + 0.8f * std::sqrt(1 - d2) * (0.6f - dx / radius * 0.4f);
        float band = 0.85f + 0.15f * std::sin(dy * 80);
        r = 200 * light * band, g = 140 * light * band, b = 90 * light, a = 255;
    } else if (noise.Next() % 700 == 0) {
        r = g = b = a = 255;
    }
    const float grain = float(int(noise.Next() % 13) - 6);
    out[0] = Clamp(r + grain);
    out[1] = Clamp(g + grain);
    out[2] = Clamp(b + grain);
    out[3] = Clamp(a);
}

const u8* PixelAt(const BenchPicture& p, u32 x, u32 y) {
    return p.rgba.data() + (size_t(y) * p.width + x) * RGBA;
}

void PutBGR(std::vector<u8>& out, const u8* rgba, u32 bits) {
    out.push_back(rgba[2]);
    out.push_back(rgba[1]);
    out.push_back(rgba[0]);
    if (bits == 32) out.push_back(rgba[3]);
}

// One row of TGA packets: runs of equal pixels, literals between them.
void WriteTgaRow(std::vector<u8>& out, const BenchPicture& p, u32 y, u32 bits) {
    const u32 bytes = bits / 8;
    u32 x = 0;
    while (x < p.width) {
        u32 run = 1;
        while (x + run < p.width && run < TGA_PACKET_MAX &&
               memcmp(PixelAt(p, x, y), PixelAt(p, x + run, y), bytes) == 0)
            run++;
        if (run > 1) {
            out.push_back(u8(TGA_PACKET_MAX - 1 + run));
            PutBGR(out, PixelAt(p, x, y), bits);
            x += run;
            continue;
        }
        u32 count = 1;
        while (x + count < p.width && count < TGA_PACKET_MAX &&
               memcmp(PixelAt(p, x + count - 1, y), PixelAt(p, x + count, y), bytes) != 0)
            count++;
        out.push_back(u8(count - 1));
        for (u32 i = 0; i < count; i++) PutBGR(out, PixelAt(p, x + i, y), bits);
        x += count;
    }
}

struct Region {
    u32 x, y, w, h;
};

// Distinct colours of a region, or an empty list when there are more than the cap.
std::vector<u32> RegionColours(const BenchPicture& p, Region r, u32 bytes, u32 cap) {
    std::vector<u32> colours;
    for (u32 y = r.y; y < r.y + r.h; y++) {
        for (u32 x = r.x; x < r.x + r.w; x++) {
            u32 c = 0;
            memcpy(&c, PixelAt(p, x, y), bytes);
            bool known = false;
            for (u32 k : colours) known = known || k == c;
            if (known) continue;
            if (colours.size() == cap) return {};
            colours.push_back(c);
        }
    }
    return colours;
}

u32 IndexBits(size_t count) {
    return count <= 2 ? 1 : count <= 4 ? 2 : count <= 16 ? 4 : 8;
}

void WriteDsxPalette(std::vector<u8>& out, const BenchPicture& p, Region r, u32 bytes,
                     const std::vector<u32>& colours) {
    out.push_back(5);
    out.push_back(u8(colours.size() - 1));
    for (u32 c : colours)
        for (u32 i = 0; i < bytes; i++) out.push_back(u8(c >> (8 * i)));
    const u32 bits = IndexBits(colours.size());
    u32 used = 8;
    for (u32 y = r.y; y < r.y + r.h; y++) {
        for (u32 x = r.x; x < r.x + r.w; x++) {
            u32 c = 0, index = 0;
            memcpy(&c, PixelAt(p, x, y), bytes);
            while (colours[index] != c) index++;
            if (used == 8) out.push_back(0), used = 0;
            used += bits;
            out.back() |= u8(index << (8 - used));
        }
    }
}

// Coding 9 over the region's pixels in row order.
std::vector<u8> DsxRuns(const BenchPicture& p, Region r, u32 bytes) {
    std::vector<const u8*> pixels;
    for (u32 y = r.y; y < r.y + r.h; y++)
        for (u32 x = r.x; x < r.x + r.w; x++) pixels.push_back(PixelAt(p, x, y));
    std::vector<u8> out = {9};
    size_t i = 0;
    while (i < pixels.size()) {
        size_t run = 1;
        while (i + run < pixels.size() && run < DSX_PACKET_MAX &&
               memcmp(pixels[i], pixels[i + run], bytes) == 0)
            run++;
        size_t count = run > 1 ? run : 1;
        if (run == 1) {
            while (i + count < pixels.size() && count < DSX_PACKET_MAX &&
                   memcmp(pixels[i + count - 1], pixels[i + count], bytes) != 0)
                count++;
        }
        out.push_back(run > 1 ? u8(255 - run) : u8(count));
        for (size_t k = 0; k < (run > 1 ? 1 : count); k++)
            out.insert(out.end(), pixels[i + k], pixels[i + k] + bytes);
        i += count;
    }
    return out;
}

void WriteDsxLeaf(std::vector<u8>& out, const BenchPicture& p, Region r, u32 bytes) {
    std::vector<u32> colours = RegionColours(p, r, bytes, DSX_PALETTE_MAX);
    if (colours.size() == 1) {
        out.push_back(1);
        out.insert(out.end(), PixelAt(p, r.x, r.y), PixelAt(p, r.x, r.y) + bytes);
        return;
    }
    if (!colours.empty()) return WriteDsxPalette(out, p, r, bytes, colours);
    std::vector<u8> runs = DsxRuns(p, r, bytes);
    if (runs.size() < size_t(r.w) * r.h * bytes) {
        out.insert(out.end(), runs.begin(), runs.end());
        return;
    }
    out.push_back(2);
    for (u32 y = r.y; y < r.y + r.h; y++)
        out.insert(out.end(), PixelAt(p, r.x, y), PixelAt(p, r.x, y) + size_t(r.w) * bytes);
}

void WriteDsxRegion(std::vector<u8>& out, const BenchPicture& p, Region r, u32 bytes) {
    if (r.w * r.h <= DSX_LEAF_MAX_PIXELS) return WriteDsxLeaf(out, p, r, bytes);
    out.push_back(0);
    if (r.w > r.h) {
        u32 left = (r.w + 1) / 2;
        WriteDsxRegion(out, p, {r.x, r.y, left, r.h}, bytes);
        WriteDsxRegion(out, p, {r.x + left, r.y, r.w - left, r.h}, bytes);
    } else {
        u32 top = (r.h + 1) / 2;
        WriteDsxRegion(out, p, {r.x, r.y, r.w, top}, bytes);
        WriteDsxRegion(out, p, {r.x, r.y + top, r.w, r.h - top}, bytes);
    }
}

// Flat-shaded sprite art on a transparent background: hull, wings, panel lines and a stepped
// engine glow, the kind of picture the game's DSX files mostly hold.
void ShadeSpritePixel(const BenchPicture& p, u32 x, u32 y, u8* out) {
    const float fx = float(x) / float(p.width) - 0.5f, fy = float(y) / float(p.height) - 0.5f;
    const float hull = fx * fx / 0.02f + fy * fy / 0.16f;
    const float wing =
        std::fabs(fx) < 0.35f - std::fabs(fy + 0.05f) * 1.2f && std::fabs(fy) < 0.15f;
    const float glow = std::sqrt(fx * fx + (fy - 0.42f) * (fy - 0.42f));
    u8 r = 0, g = 0, b = 0, a = 0;
    if (hull < 1) {
        u8 shade = u8(150 + 25 * int(4 * (1 - hull)));
        bool panel = (y / 48 + x / 64) % 5 == 0 && (x % 64 == 0 || y % 48 == 0);
        r = g = panel ? 60 : shade, b = u8(panel ? 70 : shade + 20), a = 255;
    } else if (wing) {
        r = 90, g = 100, b = 130, a = 255;
    } else if (glow < 0.1f) {
        u8 step = u8(255 - 50 * int(glow / 0.02f));
        r = step / 3, g = step / 2, b = step, a = step;
    }
    out[0] = r, out[1] = g, out[2] = b, out[3] = a;
}

} // namespace

BenchPicture MakeSpritePicture(u32 width, u32 height) {
    BenchPicture p;
    p.width = width;
    p.height = height;
    p.rgba.resize(size_t(width) * height * RGBA);
    for (u32 y = 0; y < height; y++)
        for (u32 x = 0; x < width; x++)
            ShadeSpritePixel(p, x, y, p.rgba.data() + (size_t(y) * width + x) * RGBA);
    return p;
}

BenchPicture MakeSpacePicture(u32 width, u32 height) {
    BenchPicture p;
    p.width = width;
    p.height = height;
    p.rgba.resize(size_t(width) * height * RGBA);
    Noise noise;
    for (u32 y = 0; y < height; y++)
        for (u32 x = 0; x < width; x++)
            ShadePixel(p, x, y, noise, p.rgba.data() + (size_t(y) * width + x) * RGBA);
    return p;
}

std::vector<u8> WriteTGA(const BenchPicture& p, u32 bits, bool runLength) {
    std::vector<u8> out = {0, 0, runLength ? TGA_RLE_TRUECOLOUR : TGA_TRUECOLOUR};
    out.resize(out.size() + 9, 0);
    ByteWriter(&out).U16(p.width).U16(p.height).U8(bits).U8(bits == 32 ? TGA_ALPHA_BITS : 0);
    for (u32 y = p.height; y-- > 0;) {
        if (runLength) {
            WriteTgaRow(out, p, y, bits);
        } else {
            for (u32 x = 0; x < p.width; x++) PutBGR(out, PixelAt(p, x, y), bits);
        }
    }
    return out;
}

std::vector<u8> WriteBMP24(const BenchPicture& p) {
    const u32 stride = (p.width * 3 + 3) / 4 * 4;
    std::vector<u8> out = {'B', 'M'};
    ByteWriter w(&out);
    w.U32(BMP_HEADERS + stride * p.height).U32(0).U32(BMP_HEADERS).U32(40).U32(p.width);
    w.U32(p.height).U16(1).U16(24).U32(0).U32(stride * p.height).U32(2835).U32(2835);
    w.U32(0).U32(0);
    for (u32 y = p.height; y-- > 0;) {
        for (u32 x = 0; x < p.width; x++) PutBGR(out, PixelAt(p, x, y), 24);
        out.resize(out.size() + (stride - p.width * 3), 0);
    }
    return out;
}

std::vector<u8> WriteDSX(const BenchPicture& p, bool rgba) {
    const u32 bytes = rgba ? 4 : 3;
    std::vector<u8> out = {'d', 's', 'x', 0};
    // Version 1.0, then no global palette.
    ByteWriter(&out).F32(1.0f).U16(p.width).U16(p.height).U8(bytes * 8).U8(0).U16(0);
    WriteDsxRegion(out, p, {0, 0, p.width, p.height}, bytes);
    return out;
}
