// Vardeln — MIT licence, see LICENSE.
#include "environment_number_style.h"

#include <clocale>
#include <cstdlib>
#include <string>
#include <string_view>

#include "locale_marks.h"

namespace vardeln::cli {
namespace {

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
  // The name lives in the library's own storage until the next setlocale: kept as a copy.
  const std::string chosen = set;
  const std::lconv& numbers = *std::localeconv();
  const std::string decimalMark = numbers.decimal_point;
  const std::string groupMark = numbers.thousands_sep;
  const std::string groupSizes = numbers.grouping;
  std::setlocale(LC_NUMERIC, "C");
  if (chosen == "C" || chosen == "POSIX") return {NumberStyle{}, {}};
  return {numberStyleOf(LocaleMarks{decimalMark, groupMark, groupSizes}), {}};
}

}  // namespace vardeln::cli
