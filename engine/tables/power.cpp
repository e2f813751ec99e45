// Vardeln — MIT licence, see LICENSE.
// The power category: base unit the watt, 4 units.

#include "tables/tables.h"

namespace vardeln {

const Category& powerCategory() {
  // clang-format off
  static const Category category(
      "power", "Watt",
      {
      // label                to base: B = f(x)        from base: result = g(B)
      {"DonkeyPower",         TO_BASE(x * 250),        FROM_BASE(b / 250)},
      {"HorsePower Imperial", TO_BASE(x * 745.699871), FROM_BASE(b / 745.699871)},
      {"HorsePower Metric",   TO_BASE(x * 735.49875),  FROM_BASE(b / 735.49875)},
      {"Watt",                TO_BASE(x),              FROM_BASE(b)},
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
