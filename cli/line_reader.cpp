// Vardeln — MIT licence, see LICENSE.
#include "line_reader.h"

#include <cstring>

namespace vardeln::cli {

LineReader::LineReader(std::FILE* in, std::size_t blockSize) : in_(in), block_(blockSize) {}

std::optional<InputLine> LineReader::next() {
  bool tooLong = false;
  for (;;) {
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
    } else {
      std::memmove(block_.data(), unread, unreadSize);
      filled_ = unreadSize;
    }
    start_ = 0;
    refill();
  }
}

void LineReader::refill() {
  const std::size_t wanted = block_.size() - filled_;
  const std::size_t got = std::fread(block_.data() + filled_, 1, wanted, in_);
  filled_ += got;
  if (got < wanted) {
    atEnd_ = true;
    failed_ = std::ferror(in_) != 0;
  }
}

}  // namespace vardeln::cli
