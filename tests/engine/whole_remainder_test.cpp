// Vardeln — MIT licence, see LICENSE.
// The remainder a compound quantity's parts are counted by is the C library's fmod, bit for bit.
#include "whole_remainder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "exact_double.h"

namespace vardeln {
namespace {

// The compound units' sizes (inches in a foot, a yard, a mile; seconds in a day; …), and the
// ends of the range.
const double kSizes[] = {1, 3, 12, 16, 20, 36, 60, 3600, 86400, 63360, 0x1p53 - 1};
const double kEdges[] = {0x1p53,
                         0x1p53 + 2,
                         -0x1p53,
                         1e15,
                         12.5,
                         0.1,
                         0.0,
                         -0.0,
                         1e250,
                         -1e250,
                         std::numeric_limits<double>::max(),
                         std::numeric_limits<double>::infinity()};

TEST(WholeRemainder, IsTheCLibrarysFmodBitForBit) {
  std::mt19937_64 random(20261210);
  std::uniform_real_distribution<double> exponent(-1074, 1023);
  for (const double size : kSizes) {
    for (const double x : kEdges) {
      EXPECT_TRUE(testing::sameDouble(wholeRemainder(x, size), std::fmod(x, size)))
          << testing::shortest(x) << " mod " << testing::shortest(size);
    }
    for (int i = 0; i < 20000; ++i) {
      const double x = std::exp2(exponent(random)) * (i % 2 == 0 ? 1.0 : -1.0);
      ASSERT_TRUE(testing::sameDouble(wholeRemainder(x, size), std::fmod(x, size)))
          << testing::shortest(x) << " mod " << testing::shortest(size);
    }
    // Next to a multiple of the size, where a rounded quotient's floor is one off.
    std::uniform_int_distribution<std::int64_t> multiple(0, std::int64_t{1} << 40);
    for (int i = 0; i < 20000; ++i) {
      const double at = static_cast<double>(multiple(random)) * size;
      for (const double x : {std::nextafter(at, 0.0), at, std::nextafter(at, 1e300)}) {
        ASSERT_TRUE(testing::sameDouble(wholeRemainder(x, size), std::fmod(x, size)))
            << testing::shortest(x) << " mod " << testing::shortest(size);
      }
    }
  }
}

}  // namespace
}  // namespace vardeln
