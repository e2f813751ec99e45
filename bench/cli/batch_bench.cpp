// Vardeln — MIT licence, see LICENSE.
// Batch mode on a million lines beside the least any batch must do with the same lines:
// read each number, multiply it by one constant and write the result text. Both are timed
// in the same run; "ratio" is batch time over that limit. The JSON batch (--json) is timed
// beside the plain batch in the same way.
#include <benchmark/benchmark.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "batch.h"
#include "categories.h"
#include "conversion.h"
#include "number_text.h"
#include "value_converter.h"

namespace {

constexpr std::size_t kLines = 1'000'000;
using Clock = std::chrono::steady_clock;
using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Numbers as people and spreadsheets write them: up to nine significant digits, a spread of
// magnitudes and signs, now and then in exponent form.
std::string millionLines() {
  std::mt19937_64 random(20240601);
  std::uniform_real_distribution<double> mantissa(-1000.0, 1000.0);
  std::uniform_int_distribution<int> exponent(-6, 9);
  std::string lines;
  char text[64];
  for (std::size_t i = 0; i < kLines; ++i) {
    const double value = mantissa(random) * std::pow(10.0, exponent(random));
    char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 9).ptr;
    lines.append(text, end);
    lines += '\n';
  }
  return lines;
}

// The limit: parse, multiply by one constant, format into a large buffer; no conversion
// rules, no files.
void parseMultiplyFormat(const std::string& lines, std::vector<char>& output) {
  const char* cursor = lines.data();
  const char* const end = lines.data() + lines.size();
  std::size_t used = 0;
  while (cursor < end) {
    const char* lineFeed = static_cast<const char*>(std::memchr(cursor, '\n', end - cursor));
    const std::optional<double> x = vardeln::parseNumber({cursor, lineFeed});
    if (output.size() - used < vardeln::kMaxFormattedLength + 1) used = 0;
    char* written = vardeln::formatDouble(*x * 0.3047999902464003, output.data() + used);
    *written++ = '\n';
    used = static_cast<std::size_t>(written - output.data());
    cursor = lineFeed + 1;
  }
  benchmark::DoNotOptimize(output.data());
  benchmark::ClobberMemory();
}

// A file holding the million lines, and /dev/null for the results.
struct BatchFiles {
  File in{std::tmpfile(), &std::fclose};
  File out{std::fopen("/dev/null", "w"), &std::fclose};

  explicit BatchFiles(const std::string& lines) {
    std::fwrite(lines.data(), 1, lines.size(), in.get());
    std::fflush(in.get());
  }
};

vardeln::cli::ValueConverter feetToMeters(
    vardeln::cli::Definitions definitions = vardeln::cli::Definitions::Legacy) {
  const vardeln::Category& length = *vardeln::categoryById("length");
  return vardeln::cli::ValueConverter(length, *length.unitIndex("Feet"),
                                      *length.unitIndex("Meters"), vardeln::cli::ResultForm::Shown,
                                      0, {}, definitions);
}

void batchBesideLimit(benchmark::State& state) {
  static const std::string lines = millionLines();
  const BatchFiles files(lines);
  vardeln::cli::ValueConverter converter = feetToMeters();
  std::vector<char> limitOutput(std::size_t{1} << 20);
  std::chrono::duration<double> batchTime{0};
  std::chrono::duration<double> limitTime{0};
  for (auto _ : state) {
    std::rewind(files.in.get());
    const auto start = Clock::now();
    const auto outcome = vardeln::cli::convertBatch(converter, files.in.get(), files.out.get());
    const auto batchEnd = Clock::now();
    parseMultiplyFormat(lines, limitOutput);
    const auto limitEnd = Clock::now();

    if (outcome.status != vardeln::cli::ExitStatus::Success) state.SkipWithError("batch failed");
    state.SetIterationTime(std::chrono::duration<double>(batchEnd - start).count());
    batchTime += batchEnd - start;
    limitTime += limitEnd - batchEnd;
  }
  const double lineCount = static_cast<double>(kLines) * static_cast<double>(state.iterations());
  state.counters["batch_lines/s"] = lineCount / batchTime.count();
  state.counters["limit_lines/s"] = lineCount / limitTime.count();
  state.counters["ratio"] = batchTime / limitTime;
}
BENCHMARK(batchBesideLimit)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same lines as JSON records (--json) beside the plain batch; "ratio" is JSON time over
// plain time, target at most 1.5.
void jsonBatchBesidePlain(benchmark::State& state) {
  static const std::string lines = millionLines();
  const BatchFiles files(lines);
  vardeln::cli::ValueConverter converter = feetToMeters();
  vardeln::cli::ConversionNames names;
  names.category = "length";
  names.from = "Feet";
  names.to = "Meters";
  std::chrono::duration<double> jsonTime{0};
  std::chrono::duration<double> plainTime{0};
  for (auto _ : state) {
    std::rewind(files.in.get());
    const auto start = Clock::now();
    const auto json =
        vardeln::cli::convertBatchToJson(converter, names, files.in.get(), files.out.get());
    const auto jsonEnd = Clock::now();
    std::rewind(files.in.get());
    const auto plain = vardeln::cli::convertBatch(converter, files.in.get(), files.out.get());
    const auto plainEnd = Clock::now();

    if (json.status != vardeln::cli::ExitStatus::Success ||
        plain.status != vardeln::cli::ExitStatus::Success) {
      state.SkipWithError("batch failed");
    }
    state.SetIterationTime(std::chrono::duration<double>(jsonEnd - start).count());
    jsonTime += jsonEnd - start;
    plainTime += plainEnd - jsonEnd;
  }
  const double lineCount = static_cast<double>(kLines) * static_cast<double>(state.iterations());
  state.counters["json_lines/s"] = lineCount / jsonTime.count();
  state.counters["plain_lines/s"] = lineCount / plainTime.count();
  state.counters["ratio"] = jsonTime / plainTime;
}
BENCHMARK(jsonBatchBesidePlain)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same lines read and written under a number style (--grouping=thousands: the lines read
// through the styled reader, the results written with groups) beside the plain batch;
// "ratio" is styled time over plain time, target at most 1.2.
void styledBatchBesidePlain(benchmark::State& state) {
  static const std::string lines = millionLines();
  const BatchFiles files(lines);
  vardeln::cli::ValueConverter plainConverter = feetToMeters();
  vardeln::NumberStyle style;
  style.grouping = vardeln::Grouping::Thousands;
  const vardeln::Category& length = *vardeln::categoryById("length");
  vardeln::cli::ValueConverter styledConverter(length, *length.unitIndex("Feet"),
                                               *length.unitIndex("Meters"),
                                               vardeln::cli::ResultForm::Shown, 0, style);
  std::chrono::duration<double> styledTime{0};
  std::chrono::duration<double> plainTime{0};
  for (auto _ : state) {
    std::rewind(files.in.get());
    const auto start = Clock::now();
    const auto styled =
        vardeln::cli::convertBatch(styledConverter, files.in.get(), files.out.get());
    const auto styledEnd = Clock::now();
    std::rewind(files.in.get());
    const auto plain = vardeln::cli::convertBatch(plainConverter, files.in.get(), files.out.get());
    const auto plainEnd = Clock::now();

    if (styled.status != vardeln::cli::ExitStatus::Success ||
        plain.status != vardeln::cli::ExitStatus::Success) {
      state.SkipWithError("batch failed");
    }
    state.SetIterationTime(std::chrono::duration<double>(styledEnd - start).count());
    styledTime += styledEnd - start;
    plainTime += plainEnd - styledEnd;
  }
  state.counters["ratio"] = styledTime / plainTime;
}
BENCHMARK(styledBatchBesidePlain)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same lines by today's definitions (--today), exact and rounded once, beside the
// tables' rules; "ratio" is today's time over the tables', target at most 3.
void todayBatchBesideLegacy(benchmark::State& state) {
  static const std::string lines = millionLines();
  const BatchFiles files(lines);
  vardeln::cli::ValueConverter today = feetToMeters(vardeln::cli::Definitions::Today);
  vardeln::cli::ValueConverter legacy = feetToMeters();
  std::chrono::duration<double> todayTime{0};
  std::chrono::duration<double> legacyTime{0};
  for (auto _ : state) {
    std::rewind(files.in.get());
    const auto start = Clock::now();
    const auto byToday = vardeln::cli::convertBatch(today, files.in.get(), files.out.get());
    const auto todayEnd = Clock::now();
    std::rewind(files.in.get());
    const auto byTables = vardeln::cli::convertBatch(legacy, files.in.get(), files.out.get());
    const auto legacyEnd = Clock::now();

    if (byToday.status != vardeln::cli::ExitStatus::Success ||
        byTables.status != vardeln::cli::ExitStatus::Success) {
      state.SkipWithError("batch failed");
    }
    state.SetIterationTime(std::chrono::duration<double>(todayEnd - start).count());
    todayTime += todayEnd - start;
    legacyTime += legacyEnd - todayEnd;
  }
  const double lineCount = static_cast<double>(kLines) * static_cast<double>(state.iterations());
  state.counters["today_lines/s"] = lineCount / todayTime.count();
  state.counters["legacy_lines/s"] = lineCount / legacyTime.count();
  state.counters["ratio"] = todayTime / legacyTime;
}
BENCHMARK(todayBatchBesideLegacy)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
