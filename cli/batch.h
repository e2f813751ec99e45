// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

#include "exit_status.h"
#include "json_records.h"
#include "line_reader.h"
#include "value_converter.h"

namespace vardeln::cli {

/// How a batch ended: the most serious status of its lines, and for an input or output
/// failure what failed.
struct BatchOutcome {
  ExitStatus status = ExitStatus::Success;
  std::string_view ioProblem;
};

/// Converts one value per input line and writes one line per input line, in order: the
/// result, "Invalid Number", or the name of the fault. A line of only blanks is not a
/// number, as an empty input box is not; so is a line too long to read as one, that is a
/// line of at least `blockSize` bytes. Reading and writing go in blocks of up to that size;
/// the results of the lines read are written before the batch waits for more input.
BatchOutcome convertBatch(ValueConverter& converter, std::FILE* in, std::FILE* out,
                          std::size_t blockSize = kBlockSize);

/// The same batch with one JSON record per input line (see appendConversionRecord); a line
/// too long to read has the value null and the outcome "invalid".
BatchOutcome convertBatchToJson(ValueConverter& converter, const ConversionNames& names,
                                std::FILE* in, std::FILE* out, std::size_t blockSize = kBlockSize);

}  // namespace vardeln::cli
