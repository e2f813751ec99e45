// Vardeln — MIT licence, see LICENSE.
// The temperature category: base unit the degree Celsius, 5 units.

#include "tables/tables.h"

namespace vardeln {

const Category& temperatureCategory() {
  // clang-format off
  static const Category category(
      {"temperature", "temperatureMenu", "&Temperature", "Celsius"},
      {
      // label       to base: B = f(x)                                                  from base: result = g(B)
      {"Celsius",     [](double x) { return x; },                                        [](double b) { return b; }},
      {"Fahrenheit",  [](double x) { return (x - 32) * (1 / 1.8); },                     [](double b) { return (b * 1.8) + 32; }},
      {"Kelvin",      [](double x) { return x - 273.15; },                               [](double b) { return b + 273.15; }},
      {"Rankine",     [](double x) { return ((x - 459.67) - 32) * (1 / 1.8); },          [](double b) { return ((b * 1.8) + 32) + 459.67; }},
      {"Réaumur",     [](double x) { return x * 1.25; },                                 [](double b) { return b / 1.25; }},
      },
      // test order
      {
        "Celsius", "Fahrenheit", "Kelvin", "Rankine", "Réaumur"
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
