// Vardeln — MIT licence, see LICENSE.
#include "cli/quoted.h"

namespace vardeln::cli {

std::string quoted(std::string_view name) {
  std::string text = "\"";
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    text += byte < 0x20 || byte == 0x7F ? '?' : c;
  }
  text += '"';
  return text;
}

}  // namespace vardeln::cli
