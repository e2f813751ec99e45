// Vardeln — MIT licence, see LICENSE.
// The density category: base unit the kilogram per cubic metre, 5 units.

#include <cmath>

#include "tables/tables.h"

namespace vardeln {

const Category& densityCategory() {
  // clang-format off
  static const Category category(
      "density", "Kg / Meter cube",
      {
      // label              to base: B = f(x)                                 from base: result = g(B)
      {"g / cm cube",       TO_BASE(x / 1000000000),                          FROM_BASE(b * 1000000000)},
      {"g / Meter cube",    TO_BASE(x / 1000),                                FROM_BASE(b * 1000)},
      {"Kg / cm cube",      TO_BASE(x / 1000000),                             FROM_BASE(b * 1000000)},
      {"Kg / Meter cube",   TO_BASE(x),                                       FROM_BASE(b)},
      {"Pound / Inch cube", TO_BASE(x * (2020462 / std::pow(39.37008, 3.0))), FROM_BASE(b / (2020462 / std::pow(39.37008, 3.0)))},
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
