// Vardeln — MIT licence, see LICENSE.
// The force category: base unit the newton, 6 units.

#include "tables/tables.h"

namespace vardeln {

const Category& forceCategory() {
  // clang-format off
  static const Category category(
      "force", "Newton",
      {
      // label        to base: B = f(x)                 from base: result = g(B)
      {"Dyne",        TO_BASE(x * 1e-05),               FROM_BASE(b / 1e-05)},
      {"Kg Force",    TO_BASE(x * 9.80665),             FROM_BASE(b / 9.80665)},
      {"Newton",      TO_BASE(x),                       FROM_BASE(b)},
      {"Pound Force", TO_BASE(x * (9.80665 / 2.20462)), FROM_BASE(b / (9.80665 / 2.20462))},
      {"Poundal",     TO_BASE(x * 0.138255),            FROM_BASE(b / 0.138255)},
      {"Sthene",      TO_BASE(x * 1000),                FROM_BASE(b / 1000)},
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
