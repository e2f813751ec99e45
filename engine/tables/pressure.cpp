// Vardeln — MIT licence, see LICENSE.
// The pressure category: base unit the pascal, 16 units.

#include <cmath>

#include "tables/tables.h"

namespace vardeln {

const Category& pressureCategory() {
  // clang-format off
  static const Category category(
      "pressure", "Pascal",
      {
      // label                 to base: B = f(x)                                             from base: result = g(B)
      {"Atmosphere",           TO_BASE(x * 101325),                                          FROM_BASE(b / 101325)},
      {"Bar",                  TO_BASE(x * 100000),                                          FROM_BASE(b / 100000)},
      {"Barye",                TO_BASE(x / 10),                                              FROM_BASE(b * 10)},
      {"Dynes / cm Square",    TO_BASE(x / 10),                                              FROM_BASE(b * 10)},
      {"Dynes / Meter Square", TO_BASE(x * 1000),                                            FROM_BASE(b / 1000)},
      {"Foot of Head",         TO_BASE(x * 2989),                                            FROM_BASE(b / 2989)},
      {"g / cm Square",        TO_BASE(x * 9806650),                                         FROM_BASE(b / 9806650)},
      {"g / Meter Square",     TO_BASE(x * 980.665),                                         FROM_BASE(b / 980.665)},
      {"Kg / cm Square",       TO_BASE(x * 98066.5),                                         FROM_BASE(b / 98066.5)},
      {"Kg / Meter Square",    TO_BASE(x * 9.80665),                                         FROM_BASE(b / 9.80665)},
      {"mmHg",                 TO_BASE(x * (101325.0 / 760)),                                FROM_BASE(b / (101325.0 / 760))},
      {"Pascal",               TO_BASE(x),                                                   FROM_BASE(b)},
      {"Pieze",                TO_BASE(x * 1000),                                            FROM_BASE(b / 1000)},
      {"Pounds / inch Square", TO_BASE(x / (2.20462 / (std::pow(39.37008, 2.0) * 9.80665))), FROM_BASE((2.20462 / (std::pow(39.37008, 2.0) * 9.80665)) * b)},
      {"Technical Atmosphere", TO_BASE(x * 98066.5),                                         FROM_BASE(b / 98066.5)},
      {"Torr",                 TO_BASE(x * (101325.0 / 760)),                                FROM_BASE(b / (101325.0 / 760))},
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
