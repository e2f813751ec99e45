// Vardeln — MIT licence, see LICENSE.
// The density category: base unit the kilogram per cubic metre, 5 units.

#include <cmath>

#include "tables/tables.h"

namespace vardeln {

const Category& densityCategory() {
  // clang-format off
  static const Category category(
      {"density", "densityMenu", "&Density", "Kg / Meter cube"},
      {
      // label              to base: B = f(x)                                                          from base: result = g(B)
      {"g / cm cube",        [](double x) { return x / 1000000000; },                                   [](double b) { return b * 1000000000; }},
      {"g / Meter cube",     [](double x) { return x / 1000; },                                         [](double b) { return b * 1000; }},
      {"Kg / cm cube",       [](double x) { return x / 1000000; },                                      [](double b) { return b * 1000000; }},
      {"Kg / Meter cube",    [](double x) { return x; },                                                [](double b) { return b; }},
      {"Pound / Inch cube",  [](double x) { return x * (2020462 / std::pow(39.37008, 3.0)); },          [](double b) { return b / (2020462 / std::pow(39.37008, 3.0)); }},
      },
      // test order
      {
        "Kg / Meter cube", "Kg / cm cube", "g / cm cube", "g / Meter cube", "Pound / Inch cube"
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
