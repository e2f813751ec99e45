// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QPoint>
#include <QRect>

class QPaintDevice;

namespace vardeln {

// The About box is designed in twips, 1440 to the inch, so that it keeps its proportions on
// any screen; this turns those design coordinates into the pixels Qt places widgets by, at the
// screen's logical resolution (15 twips to the pixel at 96 dots per inch).
class TwipsScale {
 public:
  TwipsScale(double dotsPerInchX, double dotsPerInchY);
  explicit TwipsScale(const QPaintDevice& device);

  int x(int twips) const;
  int y(int twips) const;
  QPoint point(int left, int top) const;
  QRect rect(int left, int top, int width, int height) const;

 private:
  double dotsPerInchX_;
  double dotsPerInchY_;
};

}  // namespace vardeln
