// Vardeln — MIT licence, see LICENSE.
#include "program_icon.h"

#include <QImageReader>

namespace vardeln {
namespace {

// Each picture is read by Qt's own reader for its format alone. A reader left to detect the
// format first asks every image plugin whether it reads the picture, even when told the
// format, and so loads the GIF, ICO and JPEG readers (and libjpeg) into the program for good.
QPixmap picture(const QString& path, const char* format) {
  QImageReader reader(path, format);
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

}  // namespace

// The icon is read from its BMP copy: the window shows it as it opens, and reading the PNG
// then would keep the PNG decoder and zlib in the window's memory (0.15 MiB) for one small
// picture.
QPixmap programPicture() { return picture(QStringLiteral(":/vardeln/vardeln.bmp"), "bmp"); }

QIcon programIcon() { return QIcon(programPicture()); }

// Read only when the About box first opens.
QPixmap aboutPicture() { return picture(QStringLiteral(":/vardeln/about_picture.png"), "png"); }

}  // namespace vardeln
