// Vardeln — MIT licence, see LICENSE.
// The pressure category: base unit the pascal, 16 units.

#include <cmath>

#include "tables/tables.h"

namespace vardeln {

const Category& pressureCategory() {
  // clang-format off
  static const Category category(
      {"pressure", "pressureMenu", "&Pressure", "Pascal"},
      {
      // label                 to base: B = f(x)                                                                      from base: result = g(B)
      {"Atmosphere",            [](double x) { return x * 101325; },                                                   [](double b) { return b / 101325; }},
      {"Bar",                   [](double x) { return x * 100000; },                                                   [](double b) { return b / 100000; }},
      {"Barye",                 [](double x) { return x / 10; },                                                       [](double b) { return b * 10; }},
      {"Dynes / cm Square",     [](double x) { return x / 10; },                                                       [](double b) { return b * 10; }},
      {"Dynes / Meter Square",  [](double x) { return x * 1000; },                                                     [](double b) { return b / 1000; }},
      {"Foot of Head",          [](double x) { return x * 2989; },                                                     [](double b) { return b / 2989; }},
      {"g / cm Square",         [](double x) { return x * 9806650; },                                                  [](double b) { return b / 9806650; }},
      {"g / Meter Square",      [](double x) { return x * 980.665; },                                                  [](double b) { return b / 980.665; }},
      {"Kg / cm Square",        [](double x) { return x * 98066.5; },                                                  [](double b) { return b / 98066.5; }},
      {"Kg / Meter Square",     [](double x) { return x * 9.80665; },                                                  [](double b) { return b / 9.80665; }},
      {"mmHg",                  [](double x) { return x * (101325.0 / 760); },                                         [](double b) { return b / (101325.0 / 760); }},
      {"Pascal",                [](double x) { return x; },                                                            [](double b) { return b; }},
      {"Pieze",                 [](double x) { return x * 1000; },                                                     [](double b) { return b / 1000; }},
      {"Pounds / inch Square",  [](double x) { return x / (2.20462 / (std::pow(39.37008, 2.0) * 9.80665)); },          [](double b) { return (2.20462 / (std::pow(39.37008, 2.0) * 9.80665)) * b; }},
      {"Technical Atmosphere",  [](double x) { return x * 98066.5; },                                                  [](double b) { return b / 98066.5; }},
      {"Torr",                  [](double x) { return x * (101325.0 / 760); },                                         [](double b) { return b / (101325.0 / 760); }},
      },
      // test order
      {
        "Atmosphere", "Bar", "Dynes / cm Square", "Dynes / Meter Square", "g / Meter Square",
        "g / cm Square", "Kg / cm Square", "Kg / Meter Square", "mmHg", "Pascal",
        "Pounds / inch Square", "Torr", "Barye", "Foot of Head", "Pieze", "Technical Atmosphere"
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
