// The DSX encoder's view of a picture: pixels as packed colours, region statistics that
// merge up the split tree, the byte cost of every block coding, and run-length packets.
#pragma once

#include <vector>

#include "tools/assettool/dsx_format.h"
#include "tools/assettool/picture.h"

namespace dsx_tool {

struct RegionStats {
    std::vector<u32> colours; // sorted distinct colours; empty when overflow
    bool overflow = false;    // more than a palette holds
    u64 channelValues[4][4] = {};
    bool grey = true;     // every pixel R = G = B (= A)
    bool inGlobal = true; // every colour is in the global palette
};
RegionStats MergeStats(const RegionStats& a, const RegionStats& b);

struct LeafChoice {
    size_t cost; // bytes after the opcode
    DsxOpcode coding;
};

struct Run {
    u32 colour;
    u32 length;
};

// How one run-length coding spends bytes.
struct RunCosting {
    u32 itemBits;       // per literal pixel
    u32 runColourBytes; // after a run's control byte
};

struct Packet {
    bool isRun;
    u32 count;
    u32 colour;       // runs
    const u32* items; // literals
};

class RegionModel {
  public:
    RegionModel(const Picture& picture, const std::vector<u32>& globalPalette);

    u32 Width() const { return width_; }
    u32 Height() const { return height_; }
    u32 Channels() const { return channels_; }
    u32 At(u32 x, u32 y) const { return colours_[size_t(y) * width_ + x]; }

    template <typename Fn> void ForEach(const DsxRegion& r, Fn fn) const {
        for (u32 y = r.y; y < r.y + r.h; ++y) {
            const u32* row = &colours_[size_t(y) * width_];
            for (u32 x = r.x; x < r.x + r.w; ++x) fn(row[x]);
        }
    }

    RegionStats Stats(const DsxRegion& r) const;
    LeafChoice BestLeaf(const DsxRegion& r, const RegionStats& stats);
    std::vector<Run> Runs(const DsxRegion& r) const;
    RunCosting RunCostingFor(DsxOpcode coding, u32 localEntries) const;

  private:
    size_t RunCodingCost(const std::vector<Run>& runs, DsxOpcode coding, u32 localEntries) const;

    u32 width_, height_, channels_;
    std::vector<u32> colours_;
    std::vector<u8> inGlobal_;
    bool hasGlobal_;
    std::vector<Run> scratchRuns_;
};

// Walks the packets of a run list: runs of at least `threshold` pixels become run packets,
// shorter ones join literal packets of up to 127 pixels.
template <typename Fn> void VisitPackets(const std::vector<Run>& runs, u32 threshold, Fn fn) {
    u32 items[DSX_RUN_MAX_COUNT];
    u32 pending = 0;
    auto flush = [&]() {
        if (pending) fn(Packet{false, pending, 0, items});
        pending = 0;
    };
    for (const Run& run : runs) {
        u32 left = run.length;
        if (left >= threshold) {
            flush();
            while (left > 0) {
                u32 n = left < DSX_RUN_MAX_COUNT ? left : DSX_RUN_MAX_COUNT;
                fn(Packet{true, n, run.colour, nullptr});
                left -= n;
            }
            continue;
        }
        while (left-- > 0) {
            items[pending++] = run.colour;
            if (pending == DSX_RUN_MAX_COUNT) flush();
        }
    }
    flush();
}

size_t PacketBytes(const std::vector<Run>& runs, u32 threshold, const RunCosting& costing);
// The threshold (among a few near the break-even length) that gives the fewest bytes.
u32 BestRunThreshold(const std::vector<Run>& runs, const RunCosting& costing);

} // namespace dsx_tool
