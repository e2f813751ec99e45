// Vardeln — MIT licence, see LICENSE.
// Batch mode on a million lines beside the least any batch must do with the same lines:
// read each number, multiply it by one constant and write the result text. Both are timed
// in the same run; "ratio" is batch time over that limit. The JSON batch (--json), and every
// mode on every shape of number, are timed beside the plain batch in the same way.
#include <benchmark/benchmark.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "batch.h"
#include "categories.h"
#include "conversion.h"
#include "number_text.h"
#include "quantity_conversion.h"
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

vardeln::cli::ValueConverter feetToMeters(const vardeln::NumberStyle& style = {}) {
  const vardeln::Category& length = *vardeln::categoryById("length");
  return vardeln::cli::ValueConverter(
      {&length, *length.unitIndex("Feet"), *length.unitIndex("Meters"),
       vardeln::Definitions::LegacyTables, style},
      vardeln::cli::ResultForm::Shown);
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
  vardeln::cli::ValueConverter styledConverter = feetToMeters(style);
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

// Every mode on every shape of number, each beside the plain batch (the tables' rules,
// Feet → Meters) of the same numbers in the same run; "ratio" is the mode's time over the
// plain batch's. Targets: --today at most 1.5 times the tables' rules on every shape, a
// compound quantity read or written at most 2 times a plain line.
constexpr std::size_t kShapeLines = 200'000;

struct Shape {
  const char* name;
  const char* from;  // the pair of a single unit, of length or of temperature
  const char* to;
  std::string (*number)(std::mt19937_64&);
};

std::string written(double value, std::chars_format format, int precision = -1) {
  char text[64];
  char* end = precision < 0 ? std::to_chars(text, text + sizeof text, value, format).ptr
                            : std::to_chars(text, text + sizeof text, value, format, precision).ptr;
  return {text, end};
}

std::string integer(std::mt19937_64& random) {
  return std::to_string(std::uniform_int_distribution<int>(-1'000'000, 1'000'000)(random));
}
std::string shortDecimal(std::mt19937_64& random) {
  return written(std::uniform_real_distribution<double>(-1000.0, 1000.0)(random),
                 std::chars_format::fixed, 3);
}
std::string shortestDouble(std::mt19937_64& random) {  // mostly 16 or 17 digits
  return written(std::uniform_real_distribution<double>(-1000.0, 1000.0)(random) *
                     std::pow(10.0, std::uniform_int_distribution<int>(-6, 9)(random)),
                 std::chars_format::general);
}
std::string exponentForm(std::mt19937_64& random) {
  const int exponent = std::uniform_int_distribution<int>(200, 250)(random);
  return shortDecimal(random) + (random() % 2 ? "e" : "e-") + std::to_string(exponent);
}

const Shape kShapes[] = {
    {"integers", "Feet", "Meters", integer},
    {"short decimals", "Feet", "Meters", shortDecimal},
    {"17-digit doubles", "Feet", "Meters", shortestDouble},
    {"exponent forms", "Feet", "Meters", exponentForm},
    {"affine pair", "Fahrenheit", "Celsius", shortDecimal},
};

struct Mode {
  const char* name;
  vardeln::Definitions definitions;
  const char* compoundFrom;  // read as Feet and Inches ("5 " before each number)
  const char* compoundTo;    // written as Feet and Inches
  vardeln::Grouping grouping;
};

const Mode kModes[] = {
    {"tables", vardeln::Definitions::LegacyTables, nullptr, nullptr, vardeln::Grouping::None},
    {"--today", vardeln::Definitions::Today, nullptr, nullptr, vardeln::Grouping::None},
    {"compound in", vardeln::Definitions::LegacyTables, "Feet and Inches", nullptr,
     vardeln::Grouping::None},
    {"compound out", vardeln::Definitions::LegacyTables, nullptr, "Feet and Inches",
     vardeln::Grouping::None},
    {"styled", vardeln::Definitions::LegacyTables, nullptr, nullptr, vardeln::Grouping::Thousands},
};

// The shape's numbers, a line each; as the inches of 5 feet and inches, without their signs.
std::string shapeLines(const Shape& shape, bool asInches) {
  std::mt19937_64 random(20240601);
  std::string lines;
  for (std::size_t i = 0; i < kShapeLines; ++i) {
    const std::string number = shape.number(random);
    lines += asInches ? "5 " + number.substr(number[0] == '-' ? 1 : 0) : number;
    lines += '\n';
  }
  return lines;
}

vardeln::cli::ValueConverter converterFor(const char* categoryId, const char* from, const char* to,
                                          const Mode& mode) {
  const vardeln::Category& category = *vardeln::categoryById(categoryId);
  vardeln::NumberStyle style;
  style.grouping = mode.grouping;
  return vardeln::cli::ValueConverter(
      {&category, *vardeln::quantityUnit(category, from), *vardeln::quantityUnit(category, to),
       mode.definitions, style},
      vardeln::cli::ResultForm::Shown);
}

// The ratios measured, by shape and mode, for the table printed at the end.
std::map<std::string, std::map<std::string, double>>& shapeRatios() {
  static std::map<std::string, std::map<std::string, double>> ratios;
  return ratios;
}

void modeBesidePlain(benchmark::State& state, const Shape& shape, const Mode& mode) {
  const bool temperature = std::strcmp(shape.from, "Fahrenheit") == 0;
  const BatchFiles plainFiles(shapeLines(shape, false));
  const BatchFiles modeFiles(shapeLines(shape, mode.compoundFrom != nullptr));
  vardeln::cli::ValueConverter plain = converterFor("length", "Feet", "Meters", kModes[0]);
  vardeln::cli::ValueConverter measured = converterFor(
      temperature ? "temperature" : "length", mode.compoundFrom ? mode.compoundFrom : shape.from,
      mode.compoundTo ? mode.compoundTo : shape.to, mode);
  std::chrono::duration<double> modeTime{0};
  std::chrono::duration<double> plainTime{0};
  for (auto _ : state) {
    std::rewind(modeFiles.in.get());
    const auto start = Clock::now();
    const auto byMode =
        vardeln::cli::convertBatch(measured, modeFiles.in.get(), modeFiles.out.get());
    const auto modeEnd = Clock::now();
    std::rewind(plainFiles.in.get());
    const auto byPlain =
        vardeln::cli::convertBatch(plain, plainFiles.in.get(), plainFiles.out.get());
    const auto plainEnd = Clock::now();

    if (byMode.status != vardeln::cli::ExitStatus::Success ||
        byPlain.status != vardeln::cli::ExitStatus::Success) {
      state.SkipWithError("batch failed");
    }
    state.SetIterationTime(std::chrono::duration<double>(modeEnd - start).count());
    modeTime += modeEnd - start;
    plainTime += plainEnd - modeEnd;
  }
  state.counters["ratio"] = modeTime / plainTime;
  shapeRatios()[shape.name][mode.name] = modeTime / plainTime;
}

// The ratios as a table, a row per shape, and --today's over the tables' rules.
void printShapeTable() {
  if (shapeRatios().empty()) return;
  std::printf("\n%-18s", "ratio to plain");
  for (const Mode& mode : kModes) std::printf("%14s", mode.name);
  std::printf("%16s\n", "today/tables");
  for (const Shape& shape : kShapes) {
    const auto& ratios = shapeRatios()[shape.name];
    std::printf("%-18s", shape.name);
    for (const Mode& mode : kModes) {
      const auto ratio = ratios.find(mode.name);
      if (ratio == ratios.end()) {
        std::printf("%14s", "-");
      } else {
        std::printf("%14.2f", ratio->second);
      }
    }
    if (ratios.contains("--today") && ratios.contains("tables")) {
      std::printf("%16.2f", ratios.at("--today") / ratios.at("tables"));
    }
    std::printf("\n");
  }
}

void registerShapes() {
  for (const Shape& shape : kShapes) {
    for (const Mode& mode : kModes) {
      const bool compound = mode.compoundFrom || mode.compoundTo;
      if (compound && std::strcmp(shape.from, "Feet") != 0) continue;  // length's parts only
      benchmark::RegisterBenchmark((std::string("shape/") + shape.name + "/" + mode.name).c_str(),
                                   modeBesidePlain, shape, mode)
          ->UseManualTime()
          ->Unit(benchmark::kMillisecond)
          ->MinTime(0.5);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  registerShapes();
  benchmark::RunSpecifiedBenchmarks();
  printShapeTable();
  benchmark::Shutdown();
  return 0;
}
