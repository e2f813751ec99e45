// Vardeln — MIT licence, see LICENSE.
// vardeln-convert's batch mode with whatever bytes arrive on standard input: no crash, no
// undefined behaviour, exactly one output line per input line, each line a result, "Invalid
// Number" or a fault's name, and the batch's status the most serious of the lines'. The JSON
// batch on the same input gives one whole, valid record per line saying the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch.h"
#include "batch_lines.h"
#include "categories.h"
#include "conversion.h"
#include "fp_status.h"
#include "line_reader.h"
#include "number_text.h"
#include "value_converter.h"

namespace {

using vardeln::cli::ExitStatus;

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

// Everything written to a stream opened by open_memstream, once it is closed.
class CapturedStream {
 public:
  CapturedStream() : stream_(open_memstream(&bytes_, &size_)) { require(stream_, "no stream"); }
  ~CapturedStream() {
    if (stream_) std::fclose(stream_);
    std::free(bytes_);
  }
  CapturedStream(const CapturedStream&) = delete;
  CapturedStream& operator=(const CapturedStream&) = delete;

  std::FILE* stream() const { return stream_; }
  std::string_view close() {
    std::fclose(stream_);
    stream_ = nullptr;
    return {bytes_, size_};
  }

 private:
  char* bytes_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* stream_;
};

bool isFaultName(std::string_view text) {
  for (const auto fault :
       {vardeln::FloatingPointFault::InvalidOperation, vardeln::FloatingPointFault::DivisionByZero,
        vardeln::FloatingPointFault::Overflow}) {
    if (text == vardeln::faultName(fault)) return true;
  }
  return false;
}

// An infinite result in the form's own spelling: shown, but no number, so a fault's status.
bool isInfinityText(std::string_view text, bool exact) {
  return exact ? text == "inf" || text == "-inf" : text == "Infinity" || text == "-Infinity";
}

// Everything a batch wrote to memory, and how it ended.
struct BatchRun {
  vardeln::cli::BatchOutcome outcome;
  std::string written;
};

template <typename Batch>
BatchRun runBatch(std::string& input, Batch batch) {
  // A file, not a memory stream: the batch reads what the file descriptor has.
  std::FILE* in = std::tmpfile();
  require(in != nullptr && std::fwrite(input.data(), 1, input.size(), in) == input.size(),
          "no input stream");
  std::rewind(in);
  CapturedStream out;
  const vardeln::cli::BatchOutcome outcome = batch(in, out.stream());
  std::fclose(in);
  return {outcome, std::string(out.close())};
}

// The JSON batch's records against the plain batch's lines of the same input.
void checkRecords(const vardeln::cli::ConversionNames& names, bool exact,
                  const std::vector<std::string_view>& inputLines,
                  const std::vector<std::string_view>& plainLines, std::size_t blockSize,
                  std::string_view written) {
  require(written.empty() || written.back() == '\n', "the last record is unfinished");
  const std::vector<std::string_view> records = vardeln::testing::batchLines(written);
  require(records.size() == inputLines.size(), "not one record per input line");
  for (std::size_t i = 0; i < records.size(); ++i) {
    const nlohmann::json record = nlohmann::json::parse(records[i], nullptr, false);
    require(record.is_object(), "a record that is not valid JSON");
    require(record.size() == 8, "a record without its eight fields");
    // A field's text; nothing for null or a missing field.
    const auto field = [&](const char* key) -> std::optional<std::string> {
      const auto at = record.find(key);
      if (at == record.end() || !at->is_string()) return std::nullopt;
      return at->get<std::string>();
    };
    require(field("category") == names.category && field("from") == names.from &&
                field("to") == names.to,
            "a record with other names");
    require(field("value").has_value() == (inputLines[i].size() < blockSize),
            "a value missing, or given for a line too long to keep");
    const std::string_view plain = plainLines[i];
    const std::optional<std::string> outcome = field("outcome");
    if (plain == vardeln::kInvalidNumber) {
      require(outcome == "invalid" && field("result") == plain, "not invalid as plain");
    } else if (isFaultName(plain)) {
      require(outcome == plain && !field("result"), "not the fault plain names");
    } else {
      // A record writes no negative zero: beside a result shown as 0 its exact text is "0".
      const std::string_view expected = exact && plain == "-0" ? "0" : plain;
      require((outcome == "ok" || outcome == "infinite") &&
                  field(exact ? "exact" : "result") == expected,
              "another result than plain");
      require(record["number"].is_number() == (outcome == "ok"),
              "a number for an infinity, or none for a finite result");
    }
  }
}

}  // namespace

// The first byte picks the category and the result form, the next two the units by list
// position, the fourth the block size (0: the program's own); the rest is standard input.
// Small blocks bring the reader's block boundaries and over-long lines within the reach of
// short inputs.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  constexpr std::size_t kChoiceBytes = 4;
  if (size < kChoiceBytes) return 0;
  const auto& categories = vardeln::allCategories();
  const vardeln::Category& category = categories[(bytes[0] >> 1) % categories.size()];
  const bool exact = (bytes[0] & 1) != 0;
  const auto& labels = category.labels();
  const std::size_t from = bytes[1] % labels.size();
  const std::size_t to = bytes[2] % labels.size();
  vardeln::cli::ValueConverter converter(
      {&category, from, to},
      exact ? vardeln::cli::ResultForm::Exact : vardeln::cli::ResultForm::Shown);
  const std::size_t blockSize = bytes[3] == 0 ? vardeln::cli::kBlockSize : bytes[3];
  std::string input(reinterpret_cast<const char*>(bytes + kChoiceBytes), size - kChoiceBytes);

  const BatchRun plain = runBatch(input, [&](std::FILE* in, std::FILE* out) {
    return vardeln::cli::convertBatch(converter, in, out, blockSize);
  });
  const vardeln::cli::BatchOutcome& outcome = plain.outcome;
  const std::string_view written = plain.written;
  require(written.empty() || written.back() == '\n', "the last result line is unfinished");
  // A byte-order mark before the first line is no part of it: the batch skips it.
  std::string_view lines = input;
  if (lines.starts_with("\xEF\xBB\xBF")) lines.remove_prefix(3);
  const std::vector<std::string_view> inputLines = vardeln::testing::batchLines(lines);
  const std::vector<std::string_view> outputLines = vardeln::testing::batchLines(written);
  require(outputLines.size() == inputLines.size(), "not one result line per input line");

  ExitStatus worst = ExitStatus::Success;
  for (std::size_t i = 0; i < inputLines.size(); ++i) {
    const std::string_view line = inputLines[i];
    const std::string_view result = outputLines[i];
    const bool invalid = result == vardeln::kInvalidNumber;
    const bool readable = line.size() < blockSize;
    require(invalid == (!readable || !vardeln::isNumber(line)),
            "Invalid Number written for a number or missing");
    if (invalid) {
      worst = vardeln::cli::worse(worst, ExitStatus::InvalidNumber);
    } else if (isFaultName(result) || isInfinityText(result, exact)) {
      worst = vardeln::cli::worse(worst, ExitStatus::Fault);
    } else {
      require(vardeln::isNumber(result), "a result line that is no number");
    }
  }
  require(outcome.status == worst, "the batch's status is not the most serious line's");
  require(outcome.ioProblem.empty(), "an input or output problem with memory streams");

  vardeln::cli::ConversionNames names;
  names.category = category.id();
  names.from = labels[from];
  names.to = labels[to];
  const BatchRun json = runBatch(input, [&](std::FILE* in, std::FILE* out) {
    return vardeln::cli::convertBatchToJson(converter, names, in, out, blockSize);
  });
  checkRecords(names, exact, inputLines, outputLines, blockSize, json.written);
  require(json.outcome.status == outcome.status, "the JSON batch's status differs");
  return 0;
}
