// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string_view>

#include "number_style.h"

namespace vardeln {

/// What a locale says of its numbers, as a front end learns it: the decimal mark and the group
/// mark (UTF-8), and the sizes of the digit groups as C's localeconv gives them, from the
/// decimal mark leftwards, the last repeated ("\3" by thousands, "\3\2" as in India).
struct LocaleMarks {
  std::string_view decimalMark;
  std::string_view groupMark;
  std::string_view groupSizes;
};

/// The style in which a user of such a locale writes numbers: its decimal mark (the comma, else
/// the point), and its grouping (thousands or Indian) when its group mark is one the converter
/// reads and not the decimal mark. Results are written ungrouped, as the window has always
/// shown them.
NumberStyle numberStyleOf(const LocaleMarks& marks);

}  // namespace vardeln
