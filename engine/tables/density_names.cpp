// Vardeln — MIT licence, see LICENSE.
// The names people write for the density units, a row beside each row of density.cpp
// in its order: symbols, singulars and plurals, other spellings.

#include "tables/names.h"

namespace vardeln {

const UnitNameTable& densityNames() {
  // clang-format off
  static const UnitNameTable table{
      "density",
      {
      // label               names people write for it
      {"g / cm cube",        {"g/cm³", "g/cm3", "g/cc"}},
      {"g / Meter cube",     {"g/m³", "g/m3"}},
      {"Kg / cm cube",       {"kg/cm³", "kg/cm3"}},
      {"Kg / Meter cube",    {"kg/m³", "kg/m3"}},
      {"Pound / Inch cube",  {"lb/in³", "lb/in3"}},
      },
      // No name here is shared by several units.
      {},
  };
  // clang-format on
  return table;
}

}  // namespace vardeln
