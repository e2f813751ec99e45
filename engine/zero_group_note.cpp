// Vardeln — MIT licence, see LICENSE.
#include "zero_group_note.h"

#include "quoted_name.h"

namespace vardeln {

std::optional<std::string> zeroGroupNote(std::string_view text, const NumberStyle& style) {
  if (!startsWithZeroGroup(text, style)) return std::nullopt;
  // A number with two groups and a decimal shows the marks: 1,234.5, 1.234,5 or 1,23,456.5.
  NumberStyle sample = style;
  sample.groupsResults = true;
  sample.precision = Precision::Decimals;
  sample.digits = 1;
  sample.notation = Notation::General;
  const double number = style.grouping == Grouping::Indian ? 123456.5 : 1234.5;
  return quotedName(text) + " reads as no number in " + formatDouble(number, sample) +
         " style: a group never starts a number with 0";
}

}  // namespace vardeln
