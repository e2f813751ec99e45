// Vardeln — MIT licence, see LICENSE.
// The names people write for the speed units, a row beside each row of speed.cpp
// in its order: symbols, singulars and plurals, other spellings.

#include "tables/names.h"

namespace vardeln {

const UnitNameTable& speedNames() {
  // clang-format off
  static const UnitNameTable table{
      "speed",
      {
      // label               names people write for it
      {"Feet/hour",          {"ft/h", "ft/hr", "feet per hour"}},
      {"Feet/second",        {"ft/s", "ft/sec", "fps", "feet per second"}},
      {"Kilometers/hour",    {"km/h", "km/hr", "kmh", "kph", "kmph", "kilometers per hour", "kilometres per hour", "km per hour"}},
      {"Kilometers/second",  {"km/s", "kilometers per second", "kilometres per second"}},
      {"Mach",               {}},
      {"Meters/hour",        {"m/h", "meters per hour", "metres per hour"}},
      {"Meters/second",      {"m/s", "meters per second", "metres per second"}},
      {"Miles/hour",         {"mph", "mi/h", "miles per hour", "mi/hr"}},
      {"Miles/second",       {"mi/s", "miles per second"}},
      {"Nauts-Knots",        {"kn", "kt", "kts", "knot", "knots"}},
      },
      // No name here is shared by several units.
      {},
  };
  // clang-format on
  return table;
}

}  // namespace vardeln
