// Vardeln — MIT licence, see LICENSE.
// The names people write for the power units, a row beside each row of power.cpp
// in its order: symbols, singulars and plurals, other spellings.

#include "tables/names.h"

namespace vardeln {

const UnitNameTable& powerNames() {
  // clang-format off
  static const UnitNameTable table{
      "power",
      {
      // label                 names people write for it
      {"DonkeyPower",          {}},
      {"HorsePower Imperial",  {"imperial horsepower", "mechanical horsepower", "bhp"}},
      {"HorsePower Metric",    {"PS", "metric horsepower"}},
      {"Watt",                 {"W", "watts"}},
      },
      // Names several units share: never taken for one of them; they name the units instead.
      // name         units it may mean
      {
      {"hp",          {"HorsePower Imperial", "HorsePower Metric"}},
      {"horsepower",  {"HorsePower Imperial", "HorsePower Metric"}},
      },
  };
  // clang-format on
  return table;
}

}  // namespace vardeln
