// Vardeln — MIT licence, see LICENSE.
// The speed category: base unit the metre per second, 10 units.

#include "constants.h"
#include "tables/tables.h"

namespace vardeln {

const Category& speedCategory() {
  // clang-format off
  static const Category category(
      {"speed", "speedMenu", "&Speed", "Meters/second"},
      {
      // label              to base: B = f(x)                                                                  from base: result = g(B)
      {"Feet/hour",          [](double x) { return x * (FootInMetres / 3600); },                                [](double b) { return b / (FootInMetres / 3600); }},
      {"Feet/second",        [](double x) { return x * FootInMetres; },                                         [](double b) { return b / FootInMetres; }},
      {"Kilometers/hour",    [](double x) { return x * (1000.0 / 3600); },                                      [](double b) { return b / (1000.0 / 3600); }},
      {"Kilometers/second",  [](double x) { return x * 1000; },                                                 [](double b) { return b / 1000; }},
      {"Mach",               [](double x) { return x * 331.6; },                                                [](double b) { return b / 331.6; }},
      {"Meters/hour",        [](double x) { return x / 3600; },                                                 [](double b) { return b * 3600; }},
      {"Meters/second",      [](double x) { return x; },                                                        [](double b) { return b; }},
      {"Miles/hour",         [](double x) { return x * ((FootInMetres * 5280) / 3600); },                       [](double b) { return b / ((FootInMetres * 5280) / 3600); }},
      {"Miles/second",       [](double x) { return x * (FootInMetres * 5280); },                                [](double b) { return b / (FootInMetres * 5280); }},
      {"Nauts-Knots",        [](double x) { return x * ((FootInMetres * 6076.799999999999) / 3600); },          [](double b) { return b / ((FootInMetres * 6076.799999999999) / 3600); }},
      },
      // test order
      {
        "Feet/hour", "Feet/second", "Kilometers/hour", "Kilometers/second", "Meters/hour",
        "Meters/second", "Miles/hour", "Miles/second", "Nauts-Knots", "Mach"
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
