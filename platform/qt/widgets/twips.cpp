// Vardeln — MIT licence, see LICENSE.
#include "twips.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace vardeln {

int twipsToPixels(int twips, qreal logicalDpi) {
  return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

QRect twipsToPixels(const QRect& twips, qreal logicalDpi) {
  return {twipsToPixels(twips.left(), logicalDpi), twipsToPixels(twips.top(), logicalDpi),
          twipsToPixels(twips.width(), logicalDpi), twipsToPixels(twips.height(), logicalDpi)};
}

qreal fontScaledDpi(qreal logicalDpi, const QFont& font, const QFont& defaultFont) {
  const qreal growth = QFontMetricsF(font).height() / QFontMetricsF(defaultFont).height();
  return logicalDpi * std::max<qreal>(1.0, growth);
}

}  // namespace vardeln
