// Vardeln — MIT licence, see LICENSE.
#include "line_reader.h"

#include <cstring>
#include <string_view>
#include <utility>

#include "read_available.h"

namespace vardeln::cli {

LineReader::LineReader(std::FILE* in, std::size_t blockSize, std::function<void()> beforeWaiting)
    : in_(in), beforeWaiting_(std::move(beforeWaiting)), block_(blockSize) {}

std::optional<InputLine> LineReader::next() {
  bool tooLong = false;
  for (;;) {
    if (atStart_ && byteOrderMarkUndecided()) {
      refill();
      continue;
    }
    char* const unread = block_.data() + start_;
    const std::size_t unreadSize = filled_ - start_;
    if (auto* lineFeed = static_cast<char*>(std::memchr(unread, '\n', unreadSize))) {
      start_ += static_cast<std::size_t>(lineFeed - unread) + 1;
      if (tooLong) return InputLine{{}, true};
      return InputLine{{unread, static_cast<std::size_t>(lineFeed - unread)}, false};
    }
    if (atEnd_) {
      if (unreadSize == 0 && !tooLong) return std::nullopt;
      start_ = filled_;
      if (tooLong) return InputLine{{}, true};
      return InputLine{{unread, unreadSize}, false};
    }
    if (unreadSize == block_.size()) {
      // A whole block without a line feed: drop it and skip the rest of the line.
      tooLong = true;
      filled_ = 0;
    } else if (start_ != 0) {
      std::memmove(block_.data(), unread, unreadSize);
      filled_ = unreadSize;
    }
    start_ = 0;
    refill();
  }
}

bool LineReader::byteOrderMarkUndecided() {
  // U+FEFF in UTF-8, which editors on Windows write at the start of a text file.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  const std::string_view got(block_.data() + start_, filled_ - start_);
  if (got.size() < kByteOrderMark.size() && kByteOrderMark.starts_with(got) && !atEnd_ &&
      filled_ < block_.size()) {
    return true;
  }
  atStart_ = false;
  if (got.starts_with(kByteOrderMark)) start_ += kByteOrderMark.size();
  return false;
}

void LineReader::refill() {
  if (beforeWaiting_) beforeWaiting_();
  const ReadAvailable got = readAvailable(in_, block_.data() + filled_, block_.size() - filled_);
  filled_ += got.size;
  if (got.size == 0) {
    atEnd_ = true;
    failed_ = got.failed;
  }
}

}  // namespace vardeln::cli
