// A console reporter that also keeps each benchmark's time per iteration of every repetition, so
// a program can print min / median / max and ratios of medians against a baseline measured in the
// same run. RunInterleaved runs every benchmark several times with the repetitions shuffled, so
// a busy spell on the machine falls on baseline and subject alike.
#pragma once

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

struct TimeSpread {
    double min = 0, median = 0, max = 0;
};

class TimeCollector : public benchmark::ConsoleReporter {
  public:
    enum class Clock { Cpu, Real };
    // Real time with manual timing or GL work; keyed by function name so arguments and
    // iteration counts do not enter the name.
    explicit TimeCollector(Clock clock = Clock::Cpu) : clock_(clock) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
                continue;
            double total =
                clock_ == Clock::Cpu ? run.cpu_accumulated_time : run.real_accumulated_time;
            std::string name =
                clock_ == Clock::Cpu ? run.benchmark_name() : run.run_name.function_name;
            std::vector<double>& samples = samples_[name];
            samples.push_back(total / double(run.iterations));
            std::sort(samples.begin(), samples.end());
            seconds_[name] = samples[samples.size() / 2];
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Median seconds per iteration over the repetitions, 0 when the benchmark did not run.
    double Seconds(const std::string& name) const {
        auto it = seconds_.find(name);
        return it == seconds_.end() ? 0 : it->second;
    }

    TimeSpread Spread(const std::string& name) const {
        auto it = samples_.find(name);
        if (it == samples_.end() || it->second.empty()) return {};
        const std::vector<double>& s = it->second;
        return {s.front(), s[s.size() / 2], s.back()};
    }

    // "min / median / max" in the given unit (1e3 for ms, 1e6 for us).
    std::string SpreadText(const std::string& name, double unit) const {
        TimeSpread t = Spread(name);
        char text[96];
        snprintf(text, sizeof text, "%.3f / %.3f / %.3f", t.min * unit, t.median * unit,
                 t.max * unit);
        return text;
    }

  protected:
    std::map<std::string, double> seconds_; // medians
    std::map<std::string, std::vector<double>> samples_;

  private:
    Clock clock_;
};

// Repetitions of every benchmark unless a benchmark or the command line sets its own.
constexpr int BENCH_REPETITIONS = 7;

// Initialises Google Benchmark with shuffled, interleaved repetitions (the command line may still
// override both) and runs the benchmarks into the reporter. False on unknown arguments.
inline bool RunInterleaved(int argc, char** argv, benchmark::BenchmarkReporter* reporter) {
    static std::string repetitions = "--benchmark_repetitions=" + std::to_string(BENCH_REPETITIONS);
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    std::vector<char*> args;
    args.push_back(argv[0]);
    args.push_back(repetitions.data());
    args.push_back(interleave);
    for (int i = 1; i < argc; i++) args.push_back(argv[i]);
    int count = int(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return false;
    benchmark::RunSpecifiedBenchmarks(reporter);
    return true;
}
