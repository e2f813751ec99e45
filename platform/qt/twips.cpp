// Vardeln — MIT licence, see LICENSE.
#include "twips.h"

#include <cmath>

namespace vardeln {

int twipsToPixels(int twips, qreal logicalDpi) {
  return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

QRect twipsToPixels(const QRect& twips, qreal logicalDpi) {
  return {twipsToPixels(twips.left(), logicalDpi), twipsToPixels(twips.top(), logicalDpi),
          twipsToPixels(twips.width(), logicalDpi), twipsToPixels(twips.height(), logicalDpi)};
}

}  // namespace vardeln
