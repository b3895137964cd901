// The GUI model on a tree of 4000 controls (40 sheets of 100 buttons and labels): FindControl's
// binary search against a linear scan of the same names, SetPropertyValue by name against
// FindControl alone, the hit test under the mouse, and UpdateGUI of the active sheet.
// Repetitions are interleaved; after the runs it prints each case's median relative to its
// baseline's and every case's min / median / max. Goals: lookup at least 20x
// faster than the scan; a property set by name within 3x of the bare lookup.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "engine/input.h"
#include "gui/control.h"
#include "gui/gui.h"
#include "gui/sheet.h"
#include "bench/bench_times.h"

namespace {
constexpr int SHEETS = 40, PER_SHEET = 100;
constexpr f64 LOOKUP_GOAL = 20.0, PROPERTY_GOAL = 3.0;

std::vector<std::string> names;  // every control, in creation order
std::vector<std::string> labels; // the labels among them

void BuildTree() {
    InitGUI();
    for (int s = 0; s < SHEETS; s++) {
        std::string sheet = "Sheet" + std::to_string(s);
        CreateControl("Sheet", sheet.c_str(), nullptr, 0, 0, 0, 0);
        names.push_back(sheet);
        for (int i = 0; i < PER_SHEET; i++) {
            std::string name = sheet + (i % 2 ? "Label" : "Button") + std::to_string(i);
            f32 x = f32(i % 10) * 80, y = f32(i / 10) * 60;
            CreateControl(i % 2 ? "Label" : "Button", name.c_str(), sheet.c_str(), x, y, 70, 50);
            if (i % 2 == 0) SetProperty(name.c_str(), "ToolTipText", "tip");
            if (i % 2 == 1) labels.push_back(name);
            names.push_back(name);
        }
    }
    SetActiveSheet("Sheet0");
}

// An unsorted table searched name by name: what lookup costs without the sorted table.
void LinearScan(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) {
        const std::string& wanted = names[i++ % names.size()];
        Control* found = nullptr;
        for (u16 k = 0; k < ControlCount() && !found; k++)
            if (strcmp(ControlAtIndex(k)->name, wanted.c_str()) == 0) found = ControlAtIndex(k);
        benchmark::DoNotOptimize(found);
    }
}

void Lookup(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(FindControl(names[i++ % names.size()].c_str()));
}

void SetByName(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) {
        const std::string& name = labels[i++ % labels.size()];
        benchmark::DoNotOptimize(SetPropertyValue(name.c_str(), "TextColor", u32(i)));
    }
}

void HitTest(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ControlAt(f32(i % 800), f32((i * 7) % 600)));
        i++;
    }
}

void UpdateSheet(benchmark::State& state) {
    SetMousePos(400, 300);
    for (auto _ : state) UpdateGUI(0.016f);
}

class RatioReporter : public TimeCollector {
  public:
    void PrintRatios() const {
        auto at = [&](const char* name) { return Seconds(name); };
        if (at("FindControl") <= 0 || at("LinearScan") <= 0) return;
        f64 lookup = at("LinearScan") / at("FindControl");
        f64 property = at("SetPropertyValue") / at("FindControl");
        printf("\nGUI model on %zu controls\n", names.size());
        printf("  FindControl      %6.1fx faster than a linear scan (goal %.0fx) %s\n", lookup,
               LOOKUP_GOAL, lookup >= LOOKUP_GOAL ? "ok" : "MISSED");
        printf("  SetPropertyValue %6.2fx the bare lookup (goal within %.0fx) %s\n", property,
               PROPERTY_GOAL, property <= PROPERTY_GOAL ? "ok" : "MISSED");
        printf("  ControlAt        %6.2f us per hit test\n", at("ControlAt") * 1e6);
        printf("  UpdateGUI        %6.2f us per frame for %d controls\n", at("UpdateGUI") * 1e6,
               PER_SHEET + 1);
        printf("\nRatios and times are medians; ns per call, min / median / max:\n");
        for (const auto& [name, seconds] : seconds_)
            printf("  %-16s %s\n", name.c_str(), SpreadText(name, 1e9).c_str());
    }
};
} // namespace

int main(int argc, char** argv) {
    BuildTree();
    benchmark::RegisterBenchmark("LinearScan", LinearScan);
    benchmark::RegisterBenchmark("FindControl", Lookup);
    benchmark::RegisterBenchmark("SetPropertyValue", SetByName);
    benchmark::RegisterBenchmark("ControlAt", HitTest);
    benchmark::RegisterBenchmark("UpdateGUI", UpdateSheet);
    RatioReporter reporter;
    if (!RunInterleaved(argc, argv, &reporter)) return 1;
    reporter.PrintRatios();
    benchmark::Shutdown();
    ShutdownGUI();
    return 0;
}
