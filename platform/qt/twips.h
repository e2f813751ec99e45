// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QRect>

namespace vardeln {

/// Twips per inch: positions and sizes of the window's controls are given in twips.
inline constexpr int kTwipsPerInch = 1440;

/// A length in twips as device-independent pixels at the given logical dots per inch,
/// rounded to the nearest pixel: 15 twips to the pixel at 96 DPI.
int twipsToPixels(int twips, qreal logicalDpi);

/// A rectangle given in twips (left, top, width, height) as pixels.
QRect twipsToPixels(const QRect& twips, qreal logicalDpi);

}  // namespace vardeln
