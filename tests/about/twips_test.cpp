// Vardeln — MIT licence, see LICENSE.
#include "about/twips.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct TwipsCase {
  const char* name;
  double dotsPerInch;
  int twips;
  int pixels;
};

// clang-format off
const TwipsCase kTwipsCases[] = {
    {"96dpi_client_width",          96, 5670, 378},
    {"96dpi_separator_start",       96, -120,  -8},
    {"96dpi_label_height",          96,  255,  17},
    {"120dpi_rounds_down",         120,  255,  21},   // 21.25
    {"120dpi_rounds_up",           120,  345,  29},   // 28.75
    {"120dpi_negative",            120, -120, -10},
    {"144dpi_half_rounds_away",    144, 2385, 239},   // 238.5
    {"144dpi_negative_half_away",  144, -105, -11},   // -10.5
    {"72dpi_button_width",          72, 1260,  63},
};
// clang-format on

void PrintTo(const TwipsCase& c, std::ostream* out) {
  *out << c.twips << " twips at " << c.dotsPerInch << " dpi";
}

class AboutTwips : public ::testing::TestWithParam<TwipsCase> {};

TEST_P(AboutTwips, ConvertsBothAxesAtTheScreenResolution) {
  const TwipsCase& c = GetParam();
  const vardeln::TwipsScale horizontal(c.dotsPerInch, 96);
  const vardeln::TwipsScale vertical(96, c.dotsPerInch);
  EXPECT_EQ(horizontal.x(c.twips), c.pixels);
  EXPECT_EQ(vertical.y(c.twips), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Table, AboutTwips, ::testing::ValuesIn(kTwipsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AboutTwipsRect, ConvertsEachEdgeOnItsOwnAxis) {
  const vardeln::TwipsScale scale(120, 96);
  EXPECT_EQ(scale.rect(4320, 1920, 1260, 345), QRect(360, 128, 105, 23));
}

}  // namespace
