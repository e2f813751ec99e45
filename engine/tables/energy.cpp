// Vardeln — MIT licence, see LICENSE.
// The energy category: base unit the joule, 17 units.

#include "tables/tables.h"

namespace vardeln {

const Category& energyCategory() {
  // clang-format off
  static const Category category(
      "energy", "Joules",
      {
      // label                 to base: B = f(x)                   from base: result = g(B)
      {"BOE",                  TO_BASE((x * 1055.056) * 5800000),  FROM_BASE(b / 6119324800)},
      {"British Thermal Unit", TO_BASE(x * 1055.056),              FROM_BASE(b / 1055.056)},
      {"Calorie",              TO_BASE(x * 4.1868),                FROM_BASE(b / 4.1868)},
      {"Celsius Heat Unit",    TO_BASE((x * 1055.056) * 1.8),      FROM_BASE(b / 1899.1008000000002)},
      {"electronVolts",        TO_BASE(x * 1.6021e-19),            FROM_BASE(b / 1.6021e-19)},
      {"Ergs",                 TO_BASE(x * 1e-06),                 FROM_BASE(b / 1e-06)},
      {"Hartree",              TO_BASE((x * 27.212) * 1.6021e-19), FROM_BASE(b / 4.35963452e-18)},
      {"Joules",               TO_BASE(x),                         FROM_BASE(b)},
      {"KiloJoules",           TO_BASE(x * 1000),                  FROM_BASE(b / 1000)},
      {"kiloWatt hour",        TO_BASE(x * 3600000),               FROM_BASE(b / 3600000)},
      {"Liter Atmosphere",     TO_BASE(x * 101.325),               FROM_BASE(b / 101.325)},
      {"MeV",                  TO_BASE(x * 1.6021e-13),            FROM_BASE(b / 1.6021e-13)},
      {"Newton Meter",         TO_BASE(x),                         FROM_BASE(b)},
      {"Q Unit",               TO_BASE(x * 1.055056e+21),          FROM_BASE(b / 1.055056e+21)},
      {"Quad",                 TO_BASE(x * 1.055056e+18),          FROM_BASE(b / 1.055056e+18)},
      {"Therm",                TO_BASE(x * 105505600),             FROM_BASE(b / 105505600)},
      {"Thermie",              TO_BASE(x * 4186.8),                FROM_BASE(b / 4186.8)},
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
