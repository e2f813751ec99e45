// Vardeln — MIT licence, see LICENSE.
#include "program_icon.h"

#include <QImageReader>

namespace vardeln {
namespace {

// The pictures are PNGs, read by Qt's own PNG reader alone. A reader left to detect the format
// first asks every image plugin whether it reads the picture, even when told the format, and
// so loads the GIF, ICO and JPEG readers (and libjpeg) into the program for good.
QPixmap png(const QString& path) {
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

}  // namespace

QPixmap programPicture() { return png(QStringLiteral(":/vardeln/vardeln.png")); }

QIcon programIcon() { return QIcon(programPicture()); }

QPixmap aboutPicture() { return png(QStringLiteral(":/vardeln/about_picture.png")); }

}  // namespace vardeln
