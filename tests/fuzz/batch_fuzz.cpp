// Vardeln — MIT licence, see LICENSE.
// vardeln-convert's batch mode with whatever bytes arrive on standard input: no crash, no
// undefined behaviour, exactly one output line per input line, each line a result, "Invalid
// Number" or a fault's name, and the batch's status the most serious of the lines'.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "batch.h"
#include "line_reader.h"
#include "value_converter.h"
#include "categories.h"
#include "conversion.h"
#include "fp_status.h"
#include "number_text.h"
#include "batch_lines.h"

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

// A result as either form writes it: a number, or an infinity in the form's own spelling.
bool isResultText(std::string_view text, bool exact) {
  if (exact ? text == "inf" || text == "-inf" : text == "Infinity" || text == "-Infinity") {
    return true;
  }
  return vardeln::isNumber(text);
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
  const auto& rules = category.rules();
  vardeln::cli::ValueConverter converter(
      rules[bytes[1] % rules.size()], rules[bytes[2] % rules.size()],
      exact ? vardeln::cli::ResultForm::Exact : vardeln::cli::ResultForm::Shown);
  const std::size_t blockSize = bytes[3] == 0 ? vardeln::cli::kBlockSize : bytes[3];
  std::string input(reinterpret_cast<const char*>(bytes + kChoiceBytes), size - kChoiceBytes);

  std::FILE* in = fmemopen(input.data(), input.size(), "r");
  require(in != nullptr, "no input stream");
  CapturedStream out;
  const vardeln::cli::BatchOutcome outcome =
      vardeln::cli::convertBatch(converter, in, out.stream(), blockSize);
  std::fclose(in);

  const std::string_view written = out.close();
  require(written.empty() || written.back() == '\n', "the last result line is unfinished");
  const std::vector<std::string_view> inputLines = vardeln::testing::batchLines(input);
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
    } else if (isFaultName(result)) {
      worst = vardeln::cli::worse(worst, ExitStatus::Fault);
    } else {
      require(isResultText(result, exact), "a result line that is no number");
    }
  }
  require(outcome.status == worst, "the batch's status is not the most serious line's");
  require(outcome.ioProblem.empty(), "an input or output problem with memory streams");
  return 0;
}
