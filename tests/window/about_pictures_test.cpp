// Vardeln — MIT licence, see LICENSE.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <ostream>
#include <string>

#include "program_icon.h"

namespace {

// What the PNG header says about how a picture is stored: its colour type (3 for a palette
// picture) and its bits per pixel index, which bounds the palette (4 bits: 16 colours).
struct PngHeader {
  int bitDepth = 0;
  int colourType = 0;
};

PngHeader readPngHeader(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  // 8 signature bytes, then the IHDR chunk: length, type, width, height, depth, colour type.
  const QByteArray head = file.read(26);
  if (head.size() < 26) return {};
  return {static_cast<unsigned char>(head[24]), static_cast<unsigned char>(head[25])};
}

struct PictureCase {
  const char* name;
  const char* path;
  QSize size;
  int bitDepth;
  int minColours;
  int maxColours;
};

constexpr int kPaletteColourType = 3;

// The pictures as committed: the program icon's PNG is installed and served by the web page,
// not built into the window.
// clang-format off
const PictureCase kPictures[] = {
    {"program_icon",  VARDELN_PICTURES "/vardeln.png",       {32, 32},  4,  2,  16},
    {"about_picture", VARDELN_PICTURES "/about_picture.png", {168, 89}, 8, 17, 256},
};
// clang-format on

void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.path; }

class AboutPictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(AboutPictures, HaveTheirSizeAndPalette) {
  const PictureCase& c = GetParam();
  const QImage image(QString::fromLatin1(c.path));
  ASSERT_FALSE(image.isNull()) << c.path;
  EXPECT_EQ(image.size(), c.size);
  EXPECT_EQ(image.format(), QImage::Format_Indexed8);
  EXPECT_GE(image.colorCount(), c.minColours);
  EXPECT_LE(image.colorCount(), c.maxColours);

  const PngHeader header = readPngHeader(QString::fromLatin1(c.path));
  EXPECT_EQ(header.colourType, kPaletteColourType);
  EXPECT_EQ(header.bitDepth, c.bitDepth);
}

INSTANTIATE_TEST_SUITE_P(Table, AboutPictures, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AboutProgramIcon, IsTheInstalledPicturePixelForPixel) {
  const QImage installed(QStringLiteral(VARDELN_PICTURES "/vardeln.png"));
  const QImage shown = vardeln::programPicture().toImage();
  ASSERT_EQ(shown.size(), installed.size());
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      ASSERT_EQ(shown.pixel(x, y), installed.pixel(x, y)) << x << "," << y;
    }
  }
}

TEST(AboutProgramIcon, OffersThePictureAtItsOwnSize) {
  EXPECT_EQ(vardeln::programPicture().size(), QSize(32, 32));
  EXPECT_TRUE(vardeln::programIcon().availableSizes().contains(QSize(32, 32)));
}

}  // namespace
