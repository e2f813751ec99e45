// Vardeln — MIT licence, see LICENSE.
// The cost of one recalculation in the largest table, with the unit the search reaches last
// on both sides, beside the least any recalculation must do: read the number, multiply
// once and write the result.
#include <benchmark/benchmark.h>

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

void recalculationVolumeLastTestedUnit(benchmark::State& state) {
  const vardeln::Category& volume = *vardeln::categoryByName("volume");
  const std::string_view unit = volume.rulesInTestOrder().back()->label;
  for (auto _ : state) {
    std::string_view input = kInput;
    benchmark::DoNotOptimize(input);
    vardeln::ConversionOutcome outcome = vardeln::runConversion(&volume, input, unit, unit);
    benchmark::DoNotOptimize(outcome);
  }
  state.SetLabel(std::string(unit));
}
BENCHMARK(recalculationVolumeLastTestedUnit);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  vardeln::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatio("recalculationVolumeLastTestedUnit", "baselineParseMultiplyFormat", 3.0);
  benchmark::Shutdown();
}
