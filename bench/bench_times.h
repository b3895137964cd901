// A console reporter that also keeps each benchmark's time per iteration, so a program can print
// its ratios against a baseline measured in the same run.
#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>

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
            seconds_[name] = total / double(run.iterations);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Seconds per iteration, 0 when the benchmark did not run.
    double Seconds(const std::string& name) const {
        auto it = seconds_.find(name);
        return it == seconds_.end() ? 0 : it->second;
    }

  protected:
    std::map<std::string, double> seconds_;

  private:
    Clock clock_;
};
