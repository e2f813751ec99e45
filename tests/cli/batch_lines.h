// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string_view>
#include <vector>

namespace vardeln::testing {

// A text's lines as vardeln-convert's batch mode reads them: split at line feeds, the last
// line needs none, and an empty text has no lines.
inline std::vector<std::string_view> batchLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

}  // namespace vardeln::testing
