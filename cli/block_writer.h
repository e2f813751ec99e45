// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>
#include <vector>

#include "line_reader.h"

namespace vardeln::cli {

/// Collects output lines and writes them in large blocks, never line by line, until a flush
/// hands out what was collected.
class BlockWriter {
 public:
  explicit BlockWriter(std::FILE* out, std::size_t blockSize = kBlockSize);

  /// Adds the text and a line feed.
  void writeLine(std::string_view text);

  /// Room for a line of at most `size` bytes, to be written in place and ended with endLine;
  /// the block grows for a line longer than itself.
  char* lineRoom(std::size_t size);

  /// Ends the line written from lineRoom at `end`, one past its last byte, with a line feed.
  void endLine(char* end);

  /// Writes what was collected and flushes the stream; false when anything could not be
  /// written, now or before.
  bool flush();

 private:
  void writeOut(std::string_view bytes);

  std::FILE* out_;
  std::vector<char> block_;
  std::size_t used_ = 0;
  bool failed_ = false;
};

}  // namespace vardeln::cli
