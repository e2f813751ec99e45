// Vardeln — MIT licence, see LICENSE.
// The names people write for the prefix units, a row beside each row of prefix.cpp
// in its order: symbols, singulars and plurals, other spellings.

#include "tables/names.h"

namespace vardeln {

const UnitNameTable& prefixNames() {
  // clang-format off
  static const UnitNameTable table{
      "prefix",
      {
      // label        names people write for it
      {"Arab",        {}},
      {"Atto",        {}},
      {"Centi",       {}},
      {"Chilo",       {}},
      {"Crore",       {"crores"}},
      {"Deca",        {"deka"}},
      {"Deci",        {}},
      {"Dozen",       {"doz", "dozens"}},
      {"Etto",        {}},
      {"Exa",         {}},
      {"Exbi",        {}},
      {"Femto",       {}},
      {"Fermi",       {}},
      {"Gibi",        {}},
      {"Giga",        {}},
      {"Googol",      {}},
      {"Hebdo",       {}},
      {"Hecto",       {}},
      {"Heptad",      {}},
      {"Hexad",       {}},
      {"Kibi",        {}},
      {"Kilo",        {}},
      {"Lakh",        {"lakhs", "lac", "lacs"}},
      {"Mebi",        {}},
      {"Mega",        {}},
      {"Micro",       {}},
      {"Milli",       {}},
      {"Millimicro",  {}},
      {"Myria",       {}},
      {"Nano",        {}},
      {"No Prefix",   {}},
      {"Pebi",        {}},
      {"Peta",        {}},
      {"Pico",        {}},
      {"Tabi",        {"tebi"}},
      {"Tera",        {}},
      {"Yocto",       {}},
      {"Yota",        {"yotta"}},
      {"Zepto",       {}},
      {"Zetta",       {}},
      },
      // No name here is shared by several units.
      {},
  };
  // clang-format on
  return table;
}

}  // namespace vardeln
