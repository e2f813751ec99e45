// Vardeln — MIT licence, see LICENSE.
#include "locale_number_style.h"

#include <optional>

namespace vardeln {
namespace {

std::optional<GroupMark> groupMarkOf(const QString& separator) {
  if (separator == u",") return GroupMark::Comma;
  if (separator == u".") return GroupMark::Point;
  if (separator == u"'" || separator == u"\u2019") return GroupMark::Apostrophe;
  if (separator == u"\u2009") return GroupMark::ThinSpace;
  if (separator == u"\u202F" || separator == u"\u00A0") return GroupMark::NarrowNoBreakSpace;
  return std::nullopt;
}

}  // namespace

NumberStyle numberStyleOf(const QLocale& locale) {
  NumberStyle style;
  if (locale.language() == QLocale::C) return style;
  if (locale.decimalPoint() == u",") style.decimalMark = ',';
  style.groupsResults = false;
  const QString separator = locale.groupSeparator();
  const std::optional<GroupMark> mark = groupMarkOf(separator);
  if (!mark || groupMarkText(*mark).front() == style.decimalMark) return style;
  style.groupMark = *mark;
  // Qt groups as the locale does: 12,34,567 where digits go by hundreds above the thousands.
  const QString indian =
      QStringLiteral("12") + separator + QStringLiteral("34") + separator + QStringLiteral("567");
  style.grouping = locale.toString(1234567) == indian ? Grouping::Indian : Grouping::Thousands;
  return style;
}

}  // namespace vardeln
