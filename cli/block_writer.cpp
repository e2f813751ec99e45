// Vardeln — MIT licence, see LICENSE.
#include "block_writer.h"

#include <cstring>

namespace vardeln::cli {

BlockWriter::BlockWriter(std::FILE* out, std::size_t blockSize) : out_(out), block_(blockSize) {}

void BlockWriter::writeLine(std::string_view text) {
  if (block_.size() - used_ <= text.size()) {
    writeOut({block_.data(), used_});
    used_ = 0;
    if (block_.size() <= text.size()) {
      writeOut(text);
      writeOut("\n");
      return;
    }
  }
  std::memcpy(block_.data() + used_, text.data(), text.size());
  used_ += text.size();
  block_[used_++] = '\n';
}

char* BlockWriter::lineRoom(std::size_t size) {
  if (block_.size() - used_ <= size) {
    writeOut({block_.data(), used_});
    used_ = 0;
    if (block_.size() <= size) block_.resize(size + 1);
  }
  return block_.data() + used_;
}

void BlockWriter::endLine(char* end) {
  *end++ = '\n';
  used_ = static_cast<std::size_t>(end - block_.data());
}

bool BlockWriter::flush() {
  writeOut({block_.data(), used_});
  used_ = 0;
  if (std::fflush(out_) != 0) failed_ = true;
  return !failed_;
}

void BlockWriter::writeOut(std::string_view bytes) {
  if (failed_ || bytes.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), out_) != bytes.size()) failed_ = true;
}

}  // namespace vardeln::cli
