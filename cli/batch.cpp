// Vardeln — MIT licence, see LICENSE.
#include "batch.h"

#include "block_writer.h"
#include "line_reader.h"
#include "conversion.h"

namespace vardeln::cli {

BatchOutcome convertBatch(ValueConverter& converter, std::FILE* in, std::FILE* out,
                          std::size_t blockSize) {
  LineReader lines(in, blockSize);
  BlockWriter results(out, blockSize);
  ExitStatus status = ExitStatus::Success;
  while (const std::optional<InputLine> line = lines.next()) {
    if (line->tooLong) {
      results.writeLine(kInvalidNumber);
      status = worse(status, ExitStatus::InvalidNumber);
      continue;
    }
    const ConvertedValue converted = converter.convert(line->text);
    results.writeLine(converted.text);
    status = worse(status, converted.status);
  }
  if (!results.flush()) return {ExitStatus::IoFailure, "cannot write standard output"};
  if (lines.failed()) return {ExitStatus::IoFailure, "cannot read standard input"};
  return {status, {}};
}

}  // namespace vardeln::cli
