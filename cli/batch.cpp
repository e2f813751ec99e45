// Vardeln — MIT licence, see LICENSE.
#include "batch.h"

#include "block_writer.h"
#include "conversion.h"
#include "line_reader.h"

namespace vardeln::cli {
namespace {

// Reads the lines, hands each to `writeResult(line, results)`, which writes its output line
// and says the line's status, and ends with the most serious status. The answers to the lines
// in hand go out before any wait for more input, so that a reader waiting on them (a person,
// a coprocess) gets them at once.
template <typename WriteResult>
BatchOutcome eachLine(std::FILE* in, std::FILE* out, std::size_t blockSize,
                      WriteResult writeResult) {
  BlockWriter results(out, blockSize);
  LineReader lines(in, blockSize, [&results] { results.flush(); });
  ExitStatus status = ExitStatus::Success;
  while (const std::optional<InputLine> line = lines.next()) {
    status = worse(status, writeResult(*line, results));
  }
  if (!results.flush()) return {ExitStatus::IoFailure, "cannot write standard output"};
  if (lines.failed()) return {ExitStatus::IoFailure, "cannot read standard input"};
  return {status, {}};
}

}  // namespace

BatchOutcome convertBatch(ValueConverter& converter, std::FILE* in, std::FILE* out,
                          std::size_t blockSize) {
  return eachLine(in, out, blockSize, [&](const InputLine& line, BlockWriter& results) {
    if (line.tooLong) {
      results.writeLine(kInvalidNumber);
      return ExitStatus::InvalidNumber;
    }
    const ConvertedValue converted = converter.convert(line.text);
    results.writeLine(converted.text);
    return converted.status;
  });
}

BatchOutcome convertBatchToJson(ValueConverter& converter, const ConversionNames& names,
                                std::FILE* in, std::FILE* out, std::size_t blockSize) {
  ConversionRecords records(names);
  return eachLine(in, out, blockSize, [&](const InputLine& line, BlockWriter& results) {
    const ConvertedForms converted =
        line.tooLong ? ConvertedForms{ExitStatus::InvalidNumber, kInvalidNumber, {}, false, {}}
                     : converter.convertBothForms(line.text);
    records.writeLine(line.tooLong ? std::nullopt : std::optional(line.text), converted, results);
    return converted.status;
  });
}

}  // namespace vardeln::cli
