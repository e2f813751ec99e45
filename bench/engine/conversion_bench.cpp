// Vardeln — MIT licence, see LICENSE.
// The cost of one recalculation in the largest table ("Barrel Petrolium" on both sides: the
// converter taking the number, two rules, reading the number and writing the result), beside
// the least any recalculation must do: read the number, multiply once and write the result.
#include <benchmark/benchmark.h>

#include <string>

#include "categories.h"
#include "converter.h"
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

// A keystroke as the converter takes it: the number changes (by its last digit, so that it
// really is a new number), the result is recalculated and written.
void recalculationVolume(benchmark::State& state) {
  vardeln::Converter converter;
  const std::size_t volume = *vardeln::categoryIndex("volume");
  converter.chooseCategory(volume);
  const std::size_t unit = *converter.category().unitIndex("Barrel Petrolium");
  converter.chooseFrom(unit);
  converter.chooseTo(unit);
  const std::string_view inputs[] = {kInput, kInput.substr(0, kInput.size() - 1)};
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(converter.setNumber(inputs[next ^= 1]));
    benchmark::DoNotOptimize(converter.result().data());
  }
  state.SetLabel(std::string(converter.toLabel()));
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
