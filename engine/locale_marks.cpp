// Vardeln — MIT licence, see LICENSE.
#include "locale_marks.h"

#include <optional>

namespace vardeln {
namespace {

// The marks a locale may write between groups that the converter reads; the no-break space
// reads as the narrow one, the right single quotation mark as the apostrophe.
std::optional<GroupMark> groupMarkOf(std::string_view text) {
  if (text == ",") return GroupMark::Comma;
  if (text == ".") return GroupMark::Point;
  if (text == "'" || text == "\u2019") return GroupMark::Apostrophe;
  if (text == "\u2009") return GroupMark::ThinSpace;
  if (text == "\u202F" || text == "\u00A0") return GroupMark::NarrowNoBreakSpace;
  return std::nullopt;
}

Grouping groupingOf(std::string_view sizes) {
  if (sizes.empty() || sizes.front() != 3) return Grouping::None;
  if (sizes.size() > 1 && sizes[1] == 2) return Grouping::Indian;
  return Grouping::Thousands;
}

}  // namespace

NumberStyle numberStyleOf(const LocaleMarks& marks) {
  NumberStyle style;
  if (marks.decimalMark == ",") style.decimalMark = ',';
  style.groupsResults = false;
  const std::optional<GroupMark> mark = groupMarkOf(marks.groupMark);
  if (!mark || !groupMarkFits(*mark, style.decimalMark)) return style;
  style.groupMark = *mark;
  style.grouping = groupingOf(marks.groupSizes);
  return style;
}

}  // namespace vardeln
