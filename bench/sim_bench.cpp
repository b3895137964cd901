// One simulation frame (GameUpdate) with the ship alone (the baseline), with the ship and 30
// projectiles, and with 5000. Repetitions are interleaved at random; after the runs it prints
// min/median/max microseconds per frame and the median cost per projectile over the baseline.
// Goal: 5000 projectiles update in under 0.25 ms.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "game/sim/callbacks.h"
#include "game/sim/objects.h"
#include "game/sim/projectiles.h"

namespace {
constexpr f32 FRAME = 1.0f / 60.0f;
constexpr int REPETITIONS = 7;
constexpr f64 GOAL_US = 250.0;

void Populate(int count) {
    ResetSimulation();
    for (int i = 0; i < count; ++i) {
        GameObject** slot = NewObjectSlot();
        if (!slot) break;
        // The game's own projectiles, bolts and torpedoes alternately; an age far below the
        // lifetime keeps every one in the table for the whole run.
        GameObject* d = i % 2 ? MakePulseTorpedo() : MakeDisruptorBolt();
        d->velX = f32(i % 97) * 30.0f;
        d->velY = -3000.0f;
        d->age = -1e9f;
        *slot = d;
    }
}

void BM_Frame(benchmark::State& state) {
    Populate(int(state.range(0)));
    for (auto _ : state) GameUpdate(FRAME);
    benchmark::DoNotOptimize(world.playerShip->x);
    FreeObjects();
}
BENCHMARK(BM_Frame)->Arg(0)->Arg(30)->Arg(5000)->Repetitions(REPETITIONS)->MinTime(0.05);

class SpreadReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
            times_[run.run_name.args].push_back(run.cpu_accumulated_time / f64(run.iterations));
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Summary() {
        f64 base = Median("0");
        for (const char* n : {"0", "30", "5000"}) {
            auto& t = times_[n];
            if (t.empty()) continue;
            std::sort(t.begin(), t.end());
            f64 perObject = std::stoi(n) > 0 ? (Median(n) - base) / std::stoi(n) * 1e9 : 0.0;
            std::printf("%5s projectiles: %.2f us/frame (min %.2f, max %.2f), %.2f ns/object\n", n,
                        Median(n) * 1e6, t.front() * 1e6, t.back() * 1e6, perObject);
        }
        f64 cost = (Median("5000") - base) * 1e6;
        std::printf("5000 projectiles over the baseline: %.1f us (goal below %.0f us): %s\n", cost,
                    GOAL_US, cost < GOAL_US ? "met" : "missed");
    }

  private:
    f64 Median(const std::string& n) {
        auto t = times_[n];
        if (t.empty()) return 0.0;
        std::sort(t.begin(), t.end());
        return t[t.size() / 2];
    }
    std::map<std::string, std::vector<f64>> times_;
};
} // namespace

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.push_back(interleave);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    SpreadReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.Summary();
    return 0;
}
