// Vardeln — MIT licence, see LICENSE.
#include "environment_number_style.h"

#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace vardeln::cli {
namespace {

std::optional<GroupMark> groupMarkOf(std::string_view separator) {
  if (separator == ",") return GroupMark::Comma;
  if (separator == ".") return GroupMark::Point;
  if (separator == "'" || separator == "\u2019") return GroupMark::Apostrophe;
  if (separator == "\u2009") return GroupMark::ThinSpace;
  if (separator == "\u202F" || separator == "\u00A0") return GroupMark::NarrowNoBreakSpace;
  return std::nullopt;
}

// localeconv's grouping: group sizes from the decimal mark leftwards, the last repeated.
Grouping groupingOf(std::string_view sizes) {
  if (sizes.empty() || sizes.front() != 3) return Grouping::None;
  if (sizes.size() > 1 && sizes[1] == 2) return Grouping::Indian;
  return Grouping::Thousands;
}

// The locale the environment names for LC_NUMERIC, as setlocale looks for it.
std::string namedLocale() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* name = std::getenv(variable);
    if (name != nullptr && *name != '\0') return name;
  }
  return "C";
}

}  // namespace

EnvironmentNumberStyle environmentNumberStyle() {
  // The converter reads and writes its own form whatever the process locale; the user's is
  // consulted here only, and the C locale put back at once.
  const char* set = std::setlocale(LC_NUMERIC, "");
  if (set == nullptr) return {NumberStyle{}, namedLocale()};
  NumberStyle style;
  // The name lives in the library's own storage until the next setlocale: kept as a copy.
  const std::string chosen = set;
  const std::lconv& numbers = *std::localeconv();
  const std::string decimalPoint = numbers.decimal_point;
  const std::string separator = numbers.thousands_sep;
  const std::string grouping = numbers.grouping;
  std::setlocale(LC_NUMERIC, "C");
  if (decimalPoint == ",") style.decimalMark = ',';
  if (chosen == "C" || chosen == "POSIX") return {style, {}};
  style.groupsResults = false;
  const std::optional<GroupMark> mark = groupMarkOf(separator);
  if (!mark || groupMarkText(*mark).front() == style.decimalMark) return {style, {}};
  style.groupMark = *mark;
  style.grouping = groupingOf(grouping);
  return {style, {}};
}

}  // namespace vardeln::cli
