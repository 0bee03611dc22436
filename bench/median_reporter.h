// The console reporter of the benchmarks, which also keeps each benchmark's
// time per iteration (the median when the runs are repeated), so a benchmark
// can print its ratios after the run.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kivor::bench {

class MedianReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (median || single) m_times[run.run_name.str()] = run.GetAdjustedRealTime();
        }
    }

    // The time of the first benchmark whose name starts with `prefix`, in
    // the benchmark's own unit.
    std::optional<double> Time(const std::string& prefix) const {
        auto it = m_times.lower_bound(prefix);
        if (it == m_times.end() || it->first.rfind(prefix, 0) != 0) return std::nullopt;
        return it->second;
    }

  private:
    std::map<std::string, double> m_times;
};

}  // namespace kivor::bench
