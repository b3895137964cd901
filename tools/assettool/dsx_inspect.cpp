// Walking a DSX region stream to count codings and bytes, with every length checked.
#include "tools/assettool/dsx_inspect.h"

#include <cstring>
#include <vector>

using namespace dsx_tool;

namespace {

const char* const CODING_NAMES[DSX_CODINGS] = {
    "split",
    "solid",
    "raw",
    "grey",
    "grey palette",
    "local palette",
    "per channel",
    "global indexes",
    "global subset",
    "rle raw",
    "rle local",
    "rle global",
    "rle global subset",
};

class StreamWalker {
  public:
    StreamWalker(const u8* data, size_t size, size_t pos, u32 bytesPerPixel, u32 palette)
        : data_(data), size_(size), pos_(pos), bpp_(bytesPerPixel), palette_(palette) {}

    size_t Pos() const { return pos_; }

    bool Skip(size_t n) {
        if (size_ - pos_ < n) return Fail("truncated region data");
        pos_ += n;
        return true;
    }
    bool ReadByte(u32* v) {
        if (pos_ >= size_) return Fail("truncated region data");
        *v = data_[pos_++];
        return true;
    }
    bool Fail(const char* reason) {
        error_ = reason;
        return false;
    }
    const std::string& Error() const { return error_; }

    bool Leaf(u32 coding, size_t n);

  private:
    bool LocalCount(u32* entries) {
        u32 count;
        if (!ReadByte(&count)) return false;
        *entries = count + 1;
        return true;
    }
    bool GlobalList(u32 entries) {
        for (u32 i = 0; i < entries; ++i) {
            u32 index;
            if (!ReadByte(&index)) return false;
            if (index >= palette_) return Fail("index past the global palette");
        }
        return true;
    }
    bool PerChannel(size_t n);
    bool RunLength(u32 coding, size_t n, u32 entries);

    const u8* data_;
    size_t size_;
    size_t pos_;
    u32 bpp_;
    u32 palette_;
    std::string error_;
};

bool StreamWalker::PerChannel(size_t n) {
    for (u32 ch = 0; ch < bpp_; ++ch) {
        u32 entries;
        if (!LocalCount(&entries)) return false;
        if (entries > DSX_CHANNEL_PALETTE_MAX) {
            if (!Skip(n)) return false;
            continue;
        }
        if (!Skip(entries)) return false;
        if (entries > 1 && !Skip(DsxPackedBytes(n, DsxIndexBits(entries)))) return false;
    }
    return true;
}

bool StreamWalker::RunLength(u32 coding, size_t n, u32 entries) {
    size_t runColour = coding == DSX_RUNS_RAW ? bpp_ : 1;
    u32 bits = coding == DSX_RUNS_RAW      ? 8 * bpp_
               : coding == DSX_RUNS_GLOBAL ? 8
                                           : DsxIndexBits(entries);
    size_t done = 0;
    while (done < n) {
        u32 control;
        if (!ReadByte(&control)) return false;
        size_t count = control > DSX_RUN_MAX_COUNT ? DSX_RUN_BASE - control : control;
        if (count > n - done) return Fail("run-length packet past its region");
        size_t bytes = control > DSX_RUN_MAX_COUNT ? runColour : DsxPackedBytes(count, bits);
        if (!Skip(bytes)) return false;
        done += count;
    }
    return true;
}

bool StreamWalker::Leaf(u32 coding, size_t n) {
    u32 entries = 0;
    switch (coding) {
    case DSX_SOLID: return Skip(bpp_);
    case DSX_RAW: return Skip(n * bpp_);
    case DSX_GREY: return Skip(n);
    case DSX_GREY_PALETTE:
        return LocalCount(&entries) && Skip(entries) &&
               Skip(DsxPackedBytes(n, DsxIndexBits(entries)));
    case DSX_LOCAL_PALETTE:
        return LocalCount(&entries) && Skip(size_t(entries) * bpp_) &&
               Skip(DsxPackedBytes(n, DsxIndexBits(entries)));
    case DSX_PER_CHANNEL: return PerChannel(n);
    case DSX_GLOBAL_INDEXES:
        if (palette_ == 0) return Fail("global indexes without a global palette");
        return Skip(n);
    case DSX_GLOBAL_SUBSET:
        return LocalCount(&entries) && GlobalList(entries) &&
               Skip(DsxPackedBytes(n, DsxIndexBits(entries)));
    case DSX_RUNS_RAW: return RunLength(coding, n, 0);
    case DSX_RUNS_LOCAL:
        return LocalCount(&entries) && Skip(size_t(entries) * bpp_) &&
               RunLength(coding, n, entries);
    case DSX_RUNS_GLOBAL:
        if (palette_ == 0) return Fail("global indexes without a global palette");
        return RunLength(coding, n, 0);
    case DSX_RUNS_GLOBAL_SUBSET:
        return LocalCount(&entries) && GlobalList(entries) && RunLength(coding, n, entries);
    default: return Fail("unknown block coding");
    }
}

u32 ReadU16(const u8* p) {
    return u32(p[0]) | u32(p[1]) << 8;
}

bool ReadHeader(const u8* data, size_t size, DsxInfo* out, std::string* error) {
    bool magic = std::memcmp(data, DSX_MAGIC, 3) == 0 ||
                 (data[0] == DSX_MAGIC[2] && data[1] == DSX_MAGIC[1] && data[2] == DSX_MAGIC[0]);
    if (size < DSX_HEADER_BYTES || !magic) {
        *error = "not a DSX file";
        return false;
    }
    f32 version;
    std::memcpy(&version, data + 4, sizeof version);
    if (version != DSX_VERSION) {
        *error = "unsupported DSX version";
        return false;
    }
    out->width = ReadU16(data + 8);
    out->height = ReadU16(data + 10);
    out->bitsPerPixel = data[12];
    i32 palette = i16(ReadU16(data + 14));
    if (out->width == 0 || out->height == 0) {
        *error = "picture has no pixels";
        return false;
    }
    if (palette < 0 || palette > i32(DSX_PALETTE_MAX_ENTRIES)) {
        *error = "global palette of " + std::to_string(palette) + " entries";
        return false;
    }
    out->paletteEntries = u32(palette);
    return true;
}

} // namespace

const char* DsxCodingName(u32 coding) {
    return coding < DSX_CODINGS ? CODING_NAMES[coding] : "invalid";
}

bool InspectDSX(const u8* data, size_t size, DsxInfo* out, std::string* error) {
    *out = DsxInfo();
    if (size < DSX_HEADER_BYTES) {
        *error = "not a DSX file";
        return false;
    }
    if (!ReadHeader(data, size, out, error)) return false;
    u32 bpp = out->bitsPerPixel == DSX_BITS_RGB ? 3 : 4;
    size_t paletteBytes = size_t(out->paletteEntries) * bpp;
    if (size - DSX_HEADER_BYTES < paletteBytes) {
        *error = "truncated global palette";
        return false;
    }
    size_t start = DSX_HEADER_BYTES + paletteBytes;
    StreamWalker walker(data, size, start, bpp, out->paletteEntries);
    std::vector<DsxRegion> pending = {{0, 0, out->width, out->height}};
    while (!pending.empty()) {
        DsxRegion r = pending.back();
        pending.pop_back();
        size_t at = walker.Pos();
        u32 coding;
        if (!walker.ReadByte(&coding)) break;
        if (coding == DSX_SPLIT) {
            DsxRegion a, b;
            if (!SplitDsxRegion(r, &a, &b)) {
                walker.Fail("split of a single pixel");
                break;
            }
            out->regions[DSX_SPLIT]++;
            out->bytes[DSX_SPLIT]++;
            pending.push_back(b); // the first part is read first
            pending.push_back(a);
            continue;
        }
        if (!walker.Leaf(coding, r.Area())) break;
        out->regions[coding]++;
        out->bytes[coding] += walker.Pos() - at;
    }
    if (!pending.empty() || !walker.Error().empty()) {
        *error = walker.Error().empty() ? "truncated region data" : walker.Error();
        return false;
    }
    out->streamBytes = walker.Pos() - start;
    out->trailingBytes = size - walker.Pos();
    return true;
}
