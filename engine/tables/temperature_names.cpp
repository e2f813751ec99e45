// Vardeln — MIT licence, see LICENSE.
// The names people write for the temperature units, a row beside each row of temperature.cpp
// in its order: symbols, singulars and plurals, other spellings.

#include "tables/names.h"

namespace vardeln {

const UnitNameTable& temperatureNames() {
  // clang-format off
  static const UnitNameTable table{
      "temperature",
      {
      // label        names people write for it
      {"Celsius",     {"°C", "℃", "C", "centigrade"}},
      {"Fahrenheit",  {"°F", "℉", "F"}},
      {"Kelvin",      {"K", "kelvins"}},
      {"Rankine",     {"°Ra"}},
      {"Réaumur",     {"°Ré", "°Re", "Reaumur"}},
      },
      // Names several units share: never taken for one of them; they name the units instead.
      // name   units it may mean
      {
      {"°R",    {"Rankine", "Réaumur"}},
      },
  };
  // clang-format on
  return table;
}

}  // namespace vardeln
