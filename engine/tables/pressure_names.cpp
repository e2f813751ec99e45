// Vardeln — MIT licence, see LICENSE.
// The names people write for the pressure units, a row beside each row of pressure.cpp
// in its order: symbols, singulars and plurals, other spellings.

#include "tables/names.h"

namespace vardeln {

const UnitNameTable& pressureNames() {
  // clang-format off
  static const UnitNameTable table{
      "pressure",
      {
      // label                  names people write for it
      {"Atmosphere",            {"atm", "atmospheres"}},
      {"Bar",                   {"bars"}},
      {"Barye",                 {"Ba", "baryes"}},
      {"Dynes / cm Square",     {"dyn/cm²", "dyn/cm2"}},
      {"Dynes / Meter Square",  {"dyn/m²", "dyn/m2"}},
      {"Foot of Head",          {"ftH2O", "feet of head"}},
      {"g / cm Square",         {"g/cm²", "g/cm2"}},
      {"g / Meter Square",      {"g/m²", "g/m2"}},
      {"Kg / cm Square",        {"kg/cm²", "kg/cm2", "kgf/cm²", "kgf/cm2", "ksc"}},
      {"Kg / Meter Square",     {"kg/m²", "kg/m2", "kgf/m²", "kgf/m2"}},
      {"mmHg",                  {"mm Hg", "millimeter of mercury", "millimeters of mercury", "millimetre of mercury", "millimetres of mercury"}},
      {"Pascal",                {"Pa", "pascals"}},
      {"Pieze",                 {"pz", "piezes"}},
      {"Pounds / inch Square",  {"psi", "lbf/in²", "lbf/in2", "lb/in²", "lb/in2"}},
      {"Technical Atmosphere",  {"at", "technical atmospheres"}},
      {"Torr",                  {}},
      },
      // No name here is shared by several units.
      {},
  };
  // clang-format on
  return table;
}

}  // namespace vardeln
