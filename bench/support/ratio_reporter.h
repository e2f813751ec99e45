// Vardeln — MIT licence, see LICENSE.
// Prints the usual benchmark table, then how many times slower the measured benchmark is
// than its baseline from the same run, so a figure is always read against this machine.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace vardeln::bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration) {
        cpuNanoseconds_[run.run_name.function_name] =
            run.GetAdjustedCPUTime() * benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
            benchmark::GetTimeUnitMultiplier(run.time_unit);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Prints "measured / baseline = ratio (target: at most limit)".
  void printRatio(const std::string& measured, const std::string& baseline, double limit) const {
    const auto m = cpuNanoseconds_.find(measured);
    const auto b = cpuNanoseconds_.find(baseline);
    if (m == cpuNanoseconds_.end() || b == cpuNanoseconds_.end()) return;
    const double ratio = m->second / b->second;
    std::printf("\n%s / %s = %.2f (target: at most %.1f) %s\n", measured.c_str(), baseline.c_str(),
                ratio, limit, ratio <= limit ? "within target" : "OVER TARGET");
  }

 private:
  std::map<std::string, double> cpuNanoseconds_;
};

}  // namespace vardeln::bench
