// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QRect>

class QFont;

namespace vardeln {

/// Twips per inch: positions and sizes of the window's controls are given in twips.
inline constexpr int kTwipsPerInch = 1440;

/// A length in twips as device-independent pixels at the given logical dots per inch,
/// rounded to the nearest pixel: 15 twips to the pixel at 96 DPI.
int twipsToPixels(int twips, qreal logicalDpi);

/// A rectangle given in twips (left, top, width, height) as pixels.
QRect twipsToPixels(const QRect& twips, qreal logicalDpi);

/// The dots per inch at which a layout given in twips leaves room for text in `font`: the
/// screen's logical DPI, grown by the height of `font` against that of `defaultFont`. The
/// twips were chosen for text in the platform's default font, so a larger font needs a
/// larger window, while a smaller one keeps the window as it is.
qreal fontScaledDpi(qreal logicalDpi, const QFont& font, const QFont& defaultFont);

}  // namespace vardeln
