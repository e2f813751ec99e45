// Vardeln — MIT licence, see LICENSE.
// The names people write for the energy units, a row beside each row of energy.cpp
// in its order: symbols, singulars and plurals, other spellings.

#include "tables/names.h"

namespace vardeln {

const UnitNameTable& energyNames() {
  // clang-format off
  static const UnitNameTable table{
      "energy",
      {
      // label                  names people write for it
      {"BOE",                   {"barrel of oil equivalent", "barrels of oil equivalent"}},
      {"British Thermal Unit",  {"Btu", "British thermal units"}},
      {"Calorie",               {"cal"}},
      {"Celsius Heat Unit",     {"CHU", "Celsius heat units"}},
      {"electronVolts",         {"eV", "electronvolt", "electron volt", "electron volts"}},
      {"Ergs",                  {"erg"}},
      {"Hartree",               {"Eh", "hartrees"}},
      {"Joules",                {"J", "joule"}},
      {"KiloJoules",            {"kJ", "kilojoule"}},
      {"kiloWatt hour",         {"kWh", "kW h", "kilowatt hours", "kilowatt-hour", "kilowatt-hours"}},
      {"Liter Atmosphere",      {"L atm", "liter atmospheres", "litre atmosphere", "litre atmospheres"}},
      {"MeV",                   {"megaelectronvolt", "megaelectronvolts"}},
      {"Newton Meter",          {"Nm", "N m", "newton meters", "newton metre", "newton metres"}},
      {"Q Unit",                {}},
      {"Quad",                  {"quads"}},
      {"Therm",                 {"thm", "therms"}},
      {"Thermie",               {"thermies"}},
      },
      // No name here is shared by several units.
      {},
  };
  // clang-format on
  return table;
}

}  // namespace vardeln
