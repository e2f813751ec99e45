// Vardeln — MIT licence, see LICENSE.
// The names people write for the force units, a row beside each row of force.cpp
// in its order: symbols, singulars and plurals, other spellings.

#include "tables/names.h"

namespace vardeln {

const UnitNameTable& forceNames() {
  // clang-format off
  static const UnitNameTable table{
      "force",
      {
      // label         names people write for it
      {"Dyne",         {"dyn", "dynes"}},
      {"Kg Force",     {"kgf", "kp", "kilogram-force", "kilograms-force", "kilopond", "kiloponds"}},
      {"Newton",       {"N", "newtons"}},
      {"Pound Force",  {"lbf", "pound-force", "pounds-force"}},
      {"Poundal",      {"pdl", "poundals"}},
      {"Sthene",       {"sn", "sthenes"}},
      },
      // No name here is shared by several units.
      {},
  };
  // clang-format on
  return table;
}

}  // namespace vardeln
