// Vardeln — MIT licence, see LICENSE.
// The speed category: base unit the metre per second, 10 units.

#include "constants.h"
#include "tables/tables.h"

namespace vardeln {

const Category& speedCategory() {
  // clang-format off
  static const Category category(
      "speed", "Meters/second",
      {
      // label              to base: B = f(x)                                         from base: result = g(B)
      {"Feet/hour",         TO_BASE(x * (FootInMetres / 3600)),                       FROM_BASE(b / (FootInMetres / 3600))},
      {"Feet/second",       TO_BASE(x * FootInMetres),                                FROM_BASE(b / FootInMetres)},
      {"Kilometers/hour",   TO_BASE(x * (1000.0 / 3600)),                             FROM_BASE(b / (1000.0 / 3600))},
      {"Kilometers/second", TO_BASE(x * 1000),                                        FROM_BASE(b / 1000)},
      {"Mach",              TO_BASE(x * 331.6),                                       FROM_BASE(b / 331.6)},
      {"Meters/hour",       TO_BASE(x / 3600),                                        FROM_BASE(b * 3600)},
      {"Meters/second",     TO_BASE(x),                                               FROM_BASE(b)},
      {"Miles/hour",        TO_BASE(x * ((FootInMetres * 5280) / 3600)),              FROM_BASE(b / ((FootInMetres * 5280) / 3600))},
      {"Miles/second",      TO_BASE(x * (FootInMetres * 5280)),                       FROM_BASE(b / (FootInMetres * 5280))},
      {"Nauts-Knots",       TO_BASE(x * ((FootInMetres * 6076.799999999999) / 3600)), FROM_BASE(b / ((FootInMetres * 6076.799999999999) / 3600))},
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
