// DSX encoding: a cost model of every block coding, a bottom-up choice over the split tree,
// and the writer that emits the chosen plan.
#include "tools/assettool/dsx_encoder.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "engine/byte_writer.h"
#include "tools/assettool/dsx_format.h"
#include "tools/assettool/dsx_regions.h"

using namespace dsx_tool;

namespace {

// Regions smaller than this are never split: the two extra opcodes rarely pay there, and the
// plan stays at a few bytes per pixel for large pictures.
constexpr size_t MIN_SPLIT_AREA = 8;
// Rounds of choosing the global palette from what the previous plan's local palettes list.
constexpr int PALETTE_DEMAND_ROUNDS = 2;

// Little-endian fields, colours and MSB-first packed indexes.
class PlanWriter : public ByteWriter {
  public:
    explicit PlanWriter(std::vector<u8>* out) : ByteWriter(out) {}
    void Colour(u32 c, u32 channels) {
        for (u32 i = 0; i < channels; ++i) U8(c >> (8 * i));
    }
    void Bits(u32 value, u32 bits) {
        pending_ = pending_ << bits | value;
        pendingBits_ += bits;
        if (pendingBits_ == 8) FlushBits();
    }
    // Packing restarts on a new byte after every index run.
    void FlushBits() {
        if (pendingBits_ == 0) return;
        U8(pending_ << (8 - pendingBits_));
        pending_ = 0;
        pendingBits_ = 0;
    }

  private:
    u32 pending_ = 0;
    u32 pendingBits_ = 0;
};

u32 IndexOf(const std::vector<u32>& sorted, u32 colour) {
    return u32(std::lower_bound(sorted.begin(), sorted.end(), colour) - sorted.begin());
}

class Encoder {
  public:
    Encoder(const Picture& picture, const std::vector<u32>& globalPalette)
        : model_(picture, globalPalette), palette_(globalPalette) {
        for (size_t i = 0; i < palette_.size(); ++i) globalIndex_[palette_[i]] = u32(i);
    }

    size_t Plan() {
        plan_.clear();
        DsxRegion whole = {0, 0, model_.Width(), model_.Height()};
        size_t streamBytes = Evaluate(whole, nullptr);
        return HeaderBytes() + streamBytes;
    }

    // How much listing each colour in the global palette would save the planned leaves: every
    // entry of a local palette shrinks from a whole pixel to one index byte.
    void CollectPaletteDemand(std::unordered_map<u32, size_t>* demand) {
        size_t next = 0;
        Demand({0, 0, model_.Width(), model_.Height()}, &next, demand);
    }

    void Write(DsxEncodeResult* out) {
        out->bytes.clear();
        out->paletteEntries = palette_.size();
        PlanWriter w(&out->bytes);
        WriteHeader(&w);
        size_t next = 0;
        Emit({0, 0, model_.Width(), model_.Height()}, &next, &w, out);
    }

  private:
    struct PlanEntry {
        u8 coding;
        u32 subtreeSize; // entries of this node and all below it
    };

    size_t HeaderBytes() const { return DSX_HEADER_BYTES + palette_.size() * model_.Channels(); }

    // Cost of the cheapest plan for r; the chosen codings are appended in pre-order.
    size_t Evaluate(const DsxRegion& r, RegionStats* statsOut) {
        size_t self = plan_.size();
        plan_.push_back({DSX_SOLID, 1});
        DsxRegion a, b;
        RegionStats stats;
        size_t splitCost = SIZE_MAX;
        if (r.Area() >= MIN_SPLIT_AREA && SplitDsxRegion(r, &a, &b)) {
            RegionStats sa, sb;
            splitCost = 1 + Evaluate(a, &sa);
            splitCost += Evaluate(b, &sb);
            stats = MergeStats(sa, sb);
        } else {
            stats = model_.Stats(r);
        }
        LeafChoice leaf = model_.BestLeaf(r, stats);
        if (leaf.cost + 1 <= splitCost) {
            plan_.resize(self + 1);
            plan_[self] = {leaf.coding, 1};
            splitCost = leaf.cost + 1;
        } else {
            plan_[self] = {DSX_SPLIT, u32(plan_.size() - self)};
        }
        if (statsOut) *statsOut = std::move(stats);
        return splitCost;
    }

    void WriteHeader(PlanWriter* w) const {
        w->Raw(DSX_MAGIC, DSX_MAGIC_BYTES).U8(0).F32(DSX_VERSION).U16(model_.Width());
        w->U16(model_.Height()).U8(model_.Channels() == 3 ? DSX_BITS_RGB : DSX_BITS_RGBA);
        w->U8(0).U16(u32(palette_.size()));
        for (u32 c : palette_) w->Colour(c, model_.Channels());
    }

    void Emit(const DsxRegion& r, size_t* next, PlanWriter* w, DsxEncodeResult* out) {
        const PlanEntry& entry = plan_[(*next)++];
        out->regionsByCoding[entry.coding]++;
        w->U8(entry.coding);
        if (entry.coding == DSX_SPLIT) {
            DsxRegion a, b;
            SplitDsxRegion(r, &a, &b);
            Emit(a, next, w, out);
            Emit(b, next, w, out);
            return;
        }
        EmitLeaf(r, DsxOpcode(entry.coding), w);
    }

    void Demand(const DsxRegion& r, size_t* next, std::unordered_map<u32, size_t>* demand) {
        const PlanEntry& entry = plan_[(*next)++];
        if (entry.coding == DSX_SPLIT) {
            DsxRegion a, b;
            SplitDsxRegion(r, &a, &b);
            Demand(a, next, demand);
            Demand(b, next, demand);
            return;
        }
        bool listed = entry.coding == DSX_LOCAL_PALETTE || entry.coding == DSX_RUNS_LOCAL ||
                      entry.coding == DSX_GLOBAL_SUBSET || entry.coding == DSX_RUNS_GLOBAL_SUBSET;
        if (!listed) return;
        for (u32 c : model_.Stats(r).colours) (*demand)[c] += model_.Channels() - 1;
    }

    void EmitLeaf(const DsxRegion& r, DsxOpcode coding, PlanWriter* w);
    void EmitPacked(const DsxRegion& r, const std::vector<u32>& local, PlanWriter* w);
    void EmitPerChannel(const DsxRegion& r, PlanWriter* w);
    void EmitRuns(const DsxRegion& r, DsxOpcode coding, const std::vector<u32>& local,
                  PlanWriter* w);

    RegionModel model_;
    std::vector<u32> palette_;
    std::unordered_map<u32, u32> globalIndex_;
    std::vector<PlanEntry> plan_;
};

void Encoder::EmitLeaf(const DsxRegion& r, DsxOpcode coding, PlanWriter* w) {
    u32 channels = model_.Channels();
    RegionStats stats = model_.Stats(r);
    const std::vector<u32>& colours = stats.colours;
    switch (coding) {
    case DSX_SOLID: w->Colour(model_.At(r.x, r.y), channels); break;
    case DSX_RAW: model_.ForEach(r, [&](u32 c) { w->Colour(c, channels); }); break;
    case DSX_GREY: model_.ForEach(r, [&](u32 c) { w->U8(c); }); break;
    case DSX_GREY_PALETTE:
        w->U8(u32(colours.size() - 1));
        for (u32 c : colours) w->U8(c);
        EmitPacked(r, colours, w);
        break;
    case DSX_LOCAL_PALETTE:
        w->U8(u32(colours.size() - 1));
        for (u32 c : colours) w->Colour(c, channels);
        EmitPacked(r, colours, w);
        break;
    case DSX_PER_CHANNEL: EmitPerChannel(r, w); break;
    case DSX_GLOBAL_INDEXES: model_.ForEach(r, [&](u32 c) { w->U8(globalIndex_[c]); }); break;
    case DSX_GLOBAL_SUBSET:
        w->U8(u32(colours.size() - 1));
        for (u32 c : colours) w->U8(globalIndex_[c]);
        EmitPacked(r, colours, w);
        break;
    case DSX_RUNS_LOCAL:
        w->U8(u32(colours.size() - 1));
        for (u32 c : colours) w->Colour(c, channels);
        EmitRuns(r, coding, colours, w);
        break;
    case DSX_RUNS_GLOBAL_SUBSET:
        w->U8(u32(colours.size() - 1));
        for (u32 c : colours) w->U8(globalIndex_[c]);
        EmitRuns(r, coding, colours, w);
        break;
    default: EmitRuns(r, coding, colours, w); break;
    }
}

void Encoder::EmitPacked(const DsxRegion& r, const std::vector<u32>& local, PlanWriter* w) {
    u32 bits = DsxIndexBits(u32(local.size()));
    model_.ForEach(r, [&](u32 c) { w->Bits(IndexOf(local, c), bits); });
    w->FlushBits();
}

void Encoder::EmitPerChannel(const DsxRegion& r, PlanWriter* w) {
    for (u32 ch = 0; ch < model_.Channels(); ++ch) {
        std::vector<u32> values;
        model_.ForEach(r, [&](u32 c) { values.push_back((c >> (8 * ch)) & 0xFF); });
        std::vector<u32> distinct = values;
        std::sort(distinct.begin(), distinct.end());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        if (distinct.size() > DSX_CHANNEL_PALETTE_MAX) {
            w->U8(0xFF);
            for (u32 v : values) w->U8(v);
            continue;
        }
        w->U8(u32(distinct.size() - 1));
        for (u32 v : distinct) w->U8(v);
        if (distinct.size() == 1) continue;
        u32 bits = DsxIndexBits(u32(distinct.size()));
        for (u32 v : values) w->Bits(IndexOf(distinct, v), bits);
        w->FlushBits();
    }
}

void Encoder::EmitRuns(const DsxRegion& r, DsxOpcode coding, const std::vector<u32>& local,
                       PlanWriter* w) {
    u32 channels = model_.Channels();
    RunCosting costing = model_.RunCostingFor(coding, u32(local.size()));
    std::vector<Run> runs = model_.Runs(r);
    auto item = [&](u32 c) {
        if (coding == DSX_RUNS_RAW)
            w->Colour(c, channels);
        else if (coding == DSX_RUNS_GLOBAL)
            w->U8(globalIndex_[c]);
        else
            w->Bits(IndexOf(local, c), costing.itemBits);
    };
    auto runColour = [&](u32 c) {
        if (coding == DSX_RUNS_RAW)
            w->Colour(c, channels);
        else if (coding == DSX_RUNS_GLOBAL)
            w->U8(globalIndex_[c]);
        else
            w->U8(IndexOf(local, c));
    };
    u32 threshold = BestRunThreshold(runs, costing);
    VisitPackets(runs, threshold, [&](const Packet& p) {
        if (p.isRun) {
            w->U8(DSX_RUN_BASE - p.count);
            runColour(p.colour);
            return;
        }
        w->U8(p.count);
        for (u32 i = 0; i < p.count; ++i) item(p.items[i]);
        if (coding != DSX_RUNS_RAW && coding != DSX_RUNS_GLOBAL) w->FlushBits();
    });
}

// The colours of the highest counts, at most the palette's size.
std::vector<u32> TopColours(const std::unordered_map<u32, size_t>& counts, size_t limit) {
    std::vector<std::pair<size_t, u32>> byCount;
    byCount.reserve(counts.size());
    for (const auto& [colour, count] : counts) byCount.push_back({count, colour});
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    std::vector<u32> palette;
    for (size_t i = 0; i < byCount.size() && i < limit; ++i) palette.push_back(byCount[i].second);
    return palette;
}

std::vector<u32> FrequentColours(const Picture& picture, size_t limit) {
    std::unordered_map<u32, size_t> counts;
    RegionModel model(picture, {});
    model.ForEach({0, 0, picture.width, picture.height}, [&](u32 c) { counts[c]++; });
    return TopColours(counts, limit);
}

} // namespace

bool EncodeDSX(const Picture& picture, DsxEncodeResult* out, std::string* error) {
    if (picture.width == 0 || picture.height == 0 || picture.width > DSX_MAX_SIDE ||
        picture.height > DSX_MAX_SIDE || (picture.channels != 3 && picture.channels != 4) ||
        picture.pixels.size() != picture.PixelCount() * picture.channels) {
        *error = "picture size not encodable as DSX";
        return false;
    }
    // Candidate global palettes: none, the most frequent colours, and the colours the local
    // palettes of the best plan so far list most. The smallest file wins.
    std::unique_ptr<Encoder> best = std::make_unique<Encoder>(picture, std::vector<u32>());
    size_t bestBytes = best->Plan();
    auto consider = [&](std::vector<u32> palette) {
        if (palette.empty()) return;
        auto candidate = std::make_unique<Encoder>(picture, palette);
        size_t bytes = candidate->Plan();
        if (bytes < bestBytes) best = std::move(candidate), bestBytes = bytes;
    };
    consider(FrequentColours(picture, DSX_PALETTE_MAX_ENTRIES));
    for (int round = 0; round < PALETTE_DEMAND_ROUNDS; ++round) {
        std::unordered_map<u32, size_t> demand;
        best->CollectPaletteDemand(&demand);
        consider(TopColours(demand, DSX_PALETTE_MAX_ENTRIES));
    }
    *out = DsxEncodeResult();
    best->Write(out);
    return true;
}
