// Vardeln — MIT licence, see LICENSE.
// The energy category: base unit the joule, 17 units.

#include "tables/tables.h"

namespace vardeln {

const Category& energyCategory() {
  // clang-format off
  static const Category category(
      {"energy", "energyMenu", "&Energy", "Joules"},
      {
      // label                 to base: B = f(x)                                            from base: result = g(B)
      {"BOE",                   [](double x) { return (x * 1055.056) * 5800000; },           [](double b) { return b / 6119324800; }},
      {"British Thermal Unit",  [](double x) { return x * 1055.056; },                       [](double b) { return b / 1055.056; }},
      {"Calorie",               [](double x) { return x * 4.1868; },                         [](double b) { return b / 4.1868; }},
      {"Celsius Heat Unit",     [](double x) { return (x * 1055.056) * 1.8; },               [](double b) { return b / 1899.1008000000002; }},
      {"electronVolts",         [](double x) { return x * 1.6021e-19; },                     [](double b) { return b / 1.6021e-19; }},
      {"Ergs",                  [](double x) { return x * 1e-06; },                          [](double b) { return b / 1e-06; }},
      {"Hartree",               [](double x) { return (x * 27.212) * 1.6021e-19; },          [](double b) { return b / 4.35963452e-18; }},
      {"Joules",                [](double x) { return x; },                                  [](double b) { return b; }},
      {"KiloJoules",            [](double x) { return x * 1000; },                           [](double b) { return b / 1000; }},
      {"kiloWatt hour",         [](double x) { return x * 3600000; },                        [](double b) { return b / 3600000; }},
      {"Liter Atmosphere",      [](double x) { return x * 101.325; },                        [](double b) { return b / 101.325; }},
      {"MeV",                   [](double x) { return x * 1.6021e-13; },                     [](double b) { return b / 1.6021e-13; }},
      {"Newton Meter",          [](double x) { return x; },                                  [](double b) { return b; }},
      {"Q Unit",                [](double x) { return x * 1.055056e+21; },                   [](double b) { return b / 1.055056e+21; }},
      {"Quad",                  [](double x) { return x * 1.055056e+18; },                   [](double b) { return b / 1.055056e+18; }},
      {"Therm",                 [](double x) { return x * 105505600; },                      [](double b) { return b / 105505600; }},
      {"Thermie",               [](double x) { return x * 4186.8; },                         [](double b) { return b / 4186.8; }},
      },
      // test order
      {
        "Joules", "KiloJoules", "Calorie", "kiloWatt hour", "Ergs", "electronVolts", "MeV",
        "British Thermal Unit", "Newton Meter", "BOE", "Celsius Heat Unit", "Hartree",
        "Liter Atmosphere", "Quad", "Q Unit", "Therm", "Thermie"
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
