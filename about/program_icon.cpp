// Vardeln — MIT licence, see LICENSE.
#include "program_icon.h"

namespace vardeln {

QPixmap programPicture() { return QPixmap(QStringLiteral(":/vardeln/vardeln.png")); }

QIcon programIcon() { return QIcon(programPicture()); }

}  // namespace vardeln
