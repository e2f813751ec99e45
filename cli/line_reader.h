// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace vardeln::cli {

/// How much a batch reads or writes at once.
inline constexpr std::size_t kBlockSize = std::size_t{1} << 20;

/// One line of input, without its line feed. A carriage return before the line feed stays
/// in the text. A line as long as a block or longer is not kept: it comes back as
/// tooLong with no text, so that endless input without line breaks needs no more memory.
struct InputLine {
  std::string_view text;
  bool tooLong = false;
};

/// Splits a stream into lines, reading it in blocks of what has arrived, up to the block
/// size. The last line needs no line feed; empty input has no lines. A UTF-8 byte-order
/// mark at the very start is no part of the first line. The stream is read
/// through its file descriptor (a file, a pipe, a terminal; not a memory stream), and only
/// by this reader.
class LineReader {
 public:
  /// `beforeWaiting` is called before a read that may wait for more input, that is once
  /// every complete line read so far has been handed out, so that their answers can be
  /// written first.
  explicit LineReader(std::FILE* in, std::size_t blockSize = kBlockSize,
                      std::function<void()> beforeWaiting = {});

  /// The next line, or nothing at the end of the input or after a read error. The text
  /// stays valid until the next call.
  std::optional<InputLine> next();

  /// Whether reading stopped on an error rather than at the end of the input.
  bool failed() const { return failed_; }

 private:
  void refill();
  // Whether the first bytes are still too few to tell a byte-order mark; once they are not,
  // skips the mark they start with, if any.
  bool byteOrderMarkUndecided();

  std::FILE* in_;
  std::function<void()> beforeWaiting_;
  std::vector<char> block_;
  std::size_t start_ = 0;   // first byte not yet returned
  std::size_t filled_ = 0;  // bytes read into the block
  bool atEnd_ = false;
  bool failed_ = false;
  bool atStart_ = true;
};

}  // namespace vardeln::cli
