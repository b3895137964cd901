// Region statistics, coding costs and run lists for the DSX encoder.
#include "tools/assettool/dsx_regions.h"

#include <algorithm>
#include <bit>
#include <unordered_set>

namespace dsx_tool {

namespace {

constexpr u32 BYTE_BITS = 8;
constexpr u32 VALUE_WORDS = 4; // 256 values as four 64-bit words

u32 PackColour(const u8* p, u32 channels) {
    u32 c = u32(p[0]) | u32(p[1]) << 8 | u32(p[2]) << 16;
    return channels == 4 ? c | u32(p[3]) << 24 : c;
}

bool IsGrey(u32 c, u32 channels) {
    u32 r = c & 0xFF;
    bool rgbGrey = ((c >> 8) & 0xFF) == r && ((c >> 16) & 0xFF) == r;
    return channels == 4 ? rgbGrey && (c >> 24) == r : rgbGrey;
}

size_t Packed(size_t n, size_t entries) {
    return DsxPackedBytes(n, DsxIndexBits(u32(entries)));
}

u32 ValueCount(const u64 words[VALUE_WORDS]) {
    u32 n = 0;
    for (u32 i = 0; i < VALUE_WORDS; ++i) n += u32(std::popcount(words[i]));
    return n;
}

void Consider(LeafChoice* best, size_t cost, DsxOpcode coding) {
    if (cost < best->cost) *best = {cost, coding};
}

} // namespace

RegionStats MergeStats(const RegionStats& a, const RegionStats& b) {
    RegionStats m;
    m.grey = a.grey && b.grey;
    m.inGlobal = a.inGlobal && b.inGlobal;
    for (u32 ch = 0; ch < 4; ++ch)
        for (u32 i = 0; i < VALUE_WORDS; ++i)
            m.channelValues[ch][i] = a.channelValues[ch][i] | b.channelValues[ch][i];
    m.overflow = a.overflow || b.overflow;
    if (!m.overflow) {
        m.colours.reserve(a.colours.size() + b.colours.size());
        std::set_union(a.colours.begin(), a.colours.end(), b.colours.begin(), b.colours.end(),
                       std::back_inserter(m.colours));
        if (m.colours.size() > DSX_PALETTE_MAX_ENTRIES) {
            m.overflow = true;
            m.colours.clear();
        }
    }
    return m;
}

RegionModel::RegionModel(const Picture& picture, const std::vector<u32>& globalPalette)
    : width_(picture.width), height_(picture.height), channels_(picture.channels),
      hasGlobal_(!globalPalette.empty()) {
    size_t n = picture.PixelCount();
    colours_.resize(n);
    for (size_t i = 0; i < n; ++i)
        colours_[i] = PackColour(&picture.pixels[i * channels_], channels_);
    std::unordered_set<u32> global(globalPalette.begin(), globalPalette.end());
    inGlobal_.resize(n);
    for (size_t i = 0; i < n; ++i) inGlobal_[i] = global.count(colours_[i]) != 0;
}

RegionStats RegionModel::Stats(const DsxRegion& r) const {
    RegionStats s;
    s.colours.reserve(r.Area());
    for (u32 y = r.y; y < r.y + r.h; ++y) {
        size_t base = size_t(y) * width_;
        for (u32 x = r.x; x < r.x + r.w; ++x) {
            u32 c = colours_[base + x];
            s.colours.push_back(c);
            s.grey = s.grey && IsGrey(c, channels_);
            s.inGlobal = s.inGlobal && inGlobal_[base + x];
            for (u32 ch = 0; ch < channels_; ++ch) {
                u32 v = (c >> (BYTE_BITS * ch)) & 0xFF;
                s.channelValues[ch][v >> 6] |= u64(1) << (v & 63);
            }
        }
    }
    std::sort(s.colours.begin(), s.colours.end());
    s.colours.erase(std::unique(s.colours.begin(), s.colours.end()), s.colours.end());
    if (s.colours.size() > DSX_PALETTE_MAX_ENTRIES) {
        s.overflow = true;
        s.colours.clear();
    }
    return s;
}

std::vector<Run> RegionModel::Runs(const DsxRegion& r) const {
    std::vector<Run> runs;
    ForEach(r, [&](u32 c) {
        if (!runs.empty() && runs.back().colour == c)
            runs.back().length++;
        else
            runs.push_back({c, 1});
    });
    return runs;
}

RunCosting RegionModel::RunCostingFor(DsxOpcode coding, u32 localEntries) const {
    switch (coding) {
    case DSX_RUNS_RAW: return {BYTE_BITS * channels_, channels_};
    case DSX_RUNS_GLOBAL: return {BYTE_BITS, 1};
    default: return {DsxIndexBits(localEntries), 1};
    }
}

size_t RegionModel::RunCodingCost(const std::vector<Run>& runs, DsxOpcode coding,
                                  u32 localEntries) const {
    RunCosting costing = RunCostingFor(coding, localEntries);
    size_t header = coding == DSX_RUNS_LOCAL           ? 1 + size_t(localEntries) * channels_
                    : coding == DSX_RUNS_GLOBAL_SUBSET ? 1 + size_t(localEntries)
                                                       : 0;
    return header + PacketBytes(runs, BestRunThreshold(runs, costing), costing);
}

LeafChoice RegionModel::BestLeaf(const DsxRegion& r, const RegionStats& s) {
    size_t n = r.Area();
    size_t k = s.colours.size();
    LeafChoice best = {n * channels_, DSX_RAW};
    if (!s.overflow && k == 1) return {channels_, DSX_SOLID};
    if (s.grey) Consider(&best, n, DSX_GREY);
    if (s.grey && !s.overflow) Consider(&best, 1 + k + Packed(n, k), DSX_GREY_PALETTE);
    if (!s.overflow) Consider(&best, 1 + k * channels_ + Packed(n, k), DSX_LOCAL_PALETTE);
    size_t perChannel = 0;
    for (u32 ch = 0; ch < channels_; ++ch) {
        u32 m = ValueCount(s.channelValues[ch]);
        perChannel += 1 + (m > DSX_CHANNEL_PALETTE_MAX ? n : m + (m > 1 ? Packed(n, m) : 0));
    }
    Consider(&best, perChannel, DSX_PER_CHANNEL);
    bool global = hasGlobal_ && s.inGlobal;
    if (global) Consider(&best, n, DSX_GLOBAL_INDEXES);
    if (global && !s.overflow) Consider(&best, 1 + k + Packed(n, k), DSX_GLOBAL_SUBSET);

    scratchRuns_ = Runs(r);
    Consider(&best, RunCodingCost(scratchRuns_, DSX_RUNS_RAW, 0), DSX_RUNS_RAW);
    if (!s.overflow)
        Consider(&best, RunCodingCost(scratchRuns_, DSX_RUNS_LOCAL, u32(k)), DSX_RUNS_LOCAL);
    if (global) Consider(&best, RunCodingCost(scratchRuns_, DSX_RUNS_GLOBAL, 0), DSX_RUNS_GLOBAL);
    if (global && !s.overflow)
        Consider(&best, RunCodingCost(scratchRuns_, DSX_RUNS_GLOBAL_SUBSET, u32(k)),
                 DSX_RUNS_GLOBAL_SUBSET);
    return best;
}

size_t PacketBytes(const std::vector<Run>& runs, u32 threshold, const RunCosting& costing) {
    size_t bytes = 0;
    VisitPackets(runs, threshold, [&](const Packet& p) {
        bytes += 1 + (p.isRun ? costing.runColourBytes : DsxPackedBytes(p.count, costing.itemBits));
    });
    return bytes;
}

u32 BestRunThreshold(const std::vector<Run>& runs, const RunCosting& costing) {
    // A run packet pays for itself once its pixels would cost more as literals than its
    // control and colour bytes plus the control byte of the literal packet it interrupts.
    u32 breakEven =
        ((costing.runColourBytes + 2) * BYTE_BITS + costing.itemBits - 1) / costing.itemBits;
    u32 best = 2;
    size_t bestBytes = SIZE_MAX;
    for (u32 t = breakEven > 3 ? breakEven - 1 : 2; t <= breakEven + 1; ++t) {
        size_t bytes = PacketBytes(runs, t, costing);
        if (bytes < bestBytes) bestBytes = bytes, best = t;
    }
    return best;
}

} // namespace dsx_tool
