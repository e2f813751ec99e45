// Vardeln — MIT licence, see LICENSE.
// The cost of one recalculation in the largest table ("Barrel Petrolium" on both sides: two
// rules, reading the number and writing the result), beside the least any recalculation must
// do: read the number, multiply once and write the result.
#include <benchmark/benchmark.h>

#include <string>

#include "categories.h"
#include "conversion.h"
#include "number_text.h"
#include "ratio_reporter.h"

namespace {

constexpr std::string_view kInput = "1234.5678";

void baselineParseMultiplyFormat(benchmark::State& state) {
  for (auto _ : state) {
    std::string_view input = kInput;
    benchmark::DoNotOptimize(input);
    const double x = *vardeln::parseNumber(input);
    std::string text = vardeln::formatDouble(x * 0.158987294928);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(baselineParseMultiplyFormat);

void recalculationVolume(benchmark::State& state) {
  const vardeln::Category& volume = *vardeln::categoryById("volume");
  const std::size_t unit = *volume.unitIndex("Barrel Petrolium");
  for (auto _ : state) {
    std::string_view input = kInput;
    benchmark::DoNotOptimize(input);
    std::string text = vardeln::resultText(vardeln::convert(volume, unit, unit, input));
    benchmark::DoNotOptimize(text);
  }
  state.SetLabel(std::string(volume.labels()[unit]));
}
BENCHMARK(recalculationVolume);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  vardeln::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatio("recalculationVolume", "baselineParseMultiplyFormat", 3.0);
  benchmark::Shutdown();
}
