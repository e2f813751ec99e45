// Vardeln — MIT licence, see LICENSE.
#include "locale_number_style.h"

#include <string>

#include "locale_marks.h"

namespace vardeln {

NumberStyle numberStyleOf(const QLocale& locale) {
  if (locale.language() == QLocale::C) return NumberStyle{};
  const QString separator = locale.groupSeparator();
  // Qt groups as the locale does, and names no group sizes: 12,34,567 where digits go by
  // hundreds above the thousands.
  const QString indian =
      QStringLiteral("12") + separator + QStringLiteral("34") + separator + QStringLiteral("567");
  const std::string decimalMark = locale.decimalPoint().toStdString();
  const std::string groupMark = separator.toStdString();
  return numberStyleOf(
      LocaleMarks{decimalMark, groupMark, locale.toString(1234567) == indian ? "\3\2" : "\3"});
}

}  // namespace vardeln
