// Vardeln — MIT licence, see LICENSE.
// Symbols of units the tables lack: mostly SI prefixes on a unit the tables hold, each the
// same letters as a symbol the tables have in another case, or as often written in the wrong
// case. The megagram is the tables' Metric Ton, but "Mg" is refused all the same: written
// for "mg" by a slip of the shift key, it would be read a thousand million times too large. A name
// typed in a case no unit has is read only where no symbol here, nor any of the tables', folds to
// the same letters: "MM" could be "mm" or "Mm", and is refused.

#include <array>

#include "unit_names.h"

namespace vardeln {

std::span<const AbsentSymbol> absentSymbols() {
  // clang-format off
  static constexpr std::array table{
      // category     symbol   what it is  (the tables' label of the same unit)
      AbsentSymbol{"energy",      "MJ",    "a megajoule"},
      AbsentSymbol{"energy",      "mJ",    "a millijoule"},
      AbsentSymbol{"energy",      "GJ",    "a gigajoule"},
      AbsentSymbol{"energy",      "meV",   "a millielectronvolt"},
      AbsentSymbol{"energy",      "Wh",    "a watt hour"},
      AbsentSymbol{"energy",      "MWh",   "a megawatt hour"},
      AbsentSymbol{"energy",      "mWh",   "a milliwatt hour"},
      AbsentSymbol{"force",       "kN",    "a kilonewton"},
      AbsentSymbol{"force",       "mN",    "a millinewton"},
      AbsentSymbol{"force",       "MN",    "a meganewton"},
      AbsentSymbol{"length",      "Mm",    "a megametre"},
      AbsentSymbol{"length",      "Gm",    "a gigametre"},
      AbsentSymbol{"length",      "Pm",    "a petametre"},
      AbsentSymbol{"length",      "nm",    "a nanometre"},
      AbsentSymbol{"length",      "μm",    "a micrometre"},
      AbsentSymbol{"length",      "dm",    "a decimetre"},
      AbsentSymbol{"length",      "dam",   "a decametre"},
      AbsentSymbol{"mass",        "Mg",    "a megagram", "Metric Ton"},
      AbsentSymbol{"mass",        "Gg",    "a gigagram"},
      AbsentSymbol{"mass",        "ng",    "a nanogram"},
      AbsentSymbol{"mass",        "dag",   "a decagram"},
      AbsentSymbol{"power",       "kW",    "a kilowatt"},
      AbsentSymbol{"power",       "MW",    "a megawatt"},
      AbsentSymbol{"power",       "mW",    "a milliwatt"},
      AbsentSymbol{"power",       "GW",    "a gigawatt"},
      AbsentSymbol{"pressure",    "kPa",   "a kilopascal"},
      AbsentSymbol{"pressure",    "MPa",   "a megapascal"},
      AbsentSymbol{"pressure",    "mPa",   "a millipascal"},
      AbsentSymbol{"pressure",    "hPa",   "a hectopascal"},
      AbsentSymbol{"pressure",    "GPa",   "a gigapascal"},
      AbsentSymbol{"pressure",    "mbar",  "a millibar"},
      AbsentSymbol{"pressure",    "Mbar",  "a megabar"},
      AbsentSymbol{"prefix",      "Zi",    "zebi, 2^70"},
      AbsentSymbol{"prefix",      "Yi",    "yobi, 2^80"},
      AbsentSymbol{"prefix",      "R",     "ronna, 10^27"},
      AbsentSymbol{"prefix",      "r",     "ronto, 10^-27"},
      AbsentSymbol{"prefix",      "Q",     "quetta, 10^30"},
      AbsentSymbol{"prefix",      "q",     "quecto, 10^-30"},
      AbsentSymbol{"time",        "ms",    "a millisecond"},
      AbsentSymbol{"time",        "Ms",    "a megasecond"},
      AbsentSymbol{"time",        "μs",    "a microsecond"},
      AbsentSymbol{"time",        "ns",    "a nanosecond"},
      AbsentSymbol{"time",        "ks",    "a kilosecond"},
      AbsentSymbol{"volume",      "ML",    "a megalitre"},
      AbsentSymbol{"volume",      "dL",    "a decilitre"},
      AbsentSymbol{"volume",      "hL",    "a hectolitre"},
      AbsentSymbol{"volume",      "kL",    "a kilolitre"},
      AbsentSymbol{"volume",      "mm³",   "a cubic millimetre"},
  };
  // clang-format on
  return table;
}

}  // namespace vardeln
