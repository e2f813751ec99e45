// Vardeln — MIT licence, see LICENSE.
// The Windows build's pow gives the GNU C library's bits for every power the tables use.
#include "whole_power.h"

#include <gtest/gtest.h>

#include <cmath>

#include "constants.h"
#include "exact_double.h"

namespace vardeln {
namespace {

struct Power {
  double base;
  int exponent;
};

// Every std::pow of the tables and shared constants, base as the tables write it.
// clang-format off
const Power kTablePowers[] = {
    {1 / 3.28084, 2}, {1 / 39.37008, 2}, {1.0000015, -10}, {16.5 / 3.28084, 2},
    {3 / 3.28084, 2}, {3.14159265358979, 2}, {39.37008, 2}, {39.37008, 3},
    {5280 / 3.28084, 2}, {66 / 3.28084, 2}, {FootInMetres, 3},
    {10.0, -1}, {10.0, -2}, {10.0, -3}, {10.0, -5}, {10.0, -6}, {10.0, -8}, {10.0, -9},
    {10.0, -10}, {10.0, -12}, {10.0, -15}, {10.0, -18}, {10.0, -21}, {10.0, -24},
    {10.0, 2}, {10.0, 3}, {10.0, 4}, {10.0, 5}, {10.0, 6}, {10.0, 7}, {10.0, 9}, {10.0, 10},
    {10.0, 12}, {10.0, 15}, {10.0, 18}, {10.0, 20}, {10.0, 21}, {10.0, 24}, {10.0, 30},
    {10.0, 40}, {10.0, 50}, {10.0, 60}};
// clang-format on

TEST(WholePower, GivesTheCLibrarysBitsForEveryPowerOfTheTables) {
  for (const Power& p : kTablePowers) {
    // Through a volatile, so the C library computes it while the program runs.
    volatile double base = p.base;
    EXPECT_TRUE(testing::sameDouble(wholePower(p.base, p.exponent),
                                    std::pow(base, static_cast<double>(p.exponent))))
        << testing::shortest(p.base) << " ^ " << p.exponent;
  }
}

}  // namespace
}  // namespace vardeln
