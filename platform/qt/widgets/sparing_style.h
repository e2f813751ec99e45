// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QProxyStyle>

namespace vardeln {

/// The application's own style, drawing as it always does, but reading the pictures of the
/// menu bar's overflow arrow only when one is drawn.
///
/// Every menu bar makes that arrow's button as it is made, and Qt reads its pictures at once
/// without naming their format, which loads every image plugin (GIF, ICO, JPEG and libjpeg)
/// into the program for good. The arrow shows only when the menus do not fit in the bar,
/// which in the converter's window they always do.
class SparingStyle : public QProxyStyle {
  Q_OBJECT

 public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override;
};

}  // namespace vardeln
