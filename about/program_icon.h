// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace vardeln {

/// The program's 32 × 32, 16-colour picture, as the main window's icon and the About box
/// show it.
QPixmap programPicture();

/// The program's picture as a window icon.
QIcon programIcon();

/// The About box's 168 × 89 picture of the program's name.
QPixmap aboutPicture();

}  // namespace vardeln
