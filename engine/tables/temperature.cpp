// Vardeln — MIT licence, see LICENSE.
// The temperature category: base unit the degree Celsius, 5 units.

#include "tables/tables.h"

namespace vardeln {

const Category& temperatureCategory() {
  // clang-format off
  static const Category category(
      "temperature", "Celsius",
      {
      // label       to base: B = f(x)                         from base: result = g(B)
      {"Celsius",    TO_BASE(x),                               FROM_BASE(b)},
      {"Fahrenheit", TO_BASE((x - 32) * (1 / 1.8)),            FROM_BASE((b * 1.8) + 32)},
      {"Kelvin",     TO_BASE(x - 273.15),                      FROM_BASE(b + 273.15)},
      {"Rankine",    TO_BASE(((x - 459.67) - 32) * (1 / 1.8)), FROM_BASE(((b * 1.8) + 32) + 459.67)},
      {"Réaumur",    TO_BASE(x * 1.25),                        FROM_BASE(b / 1.25)},
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
