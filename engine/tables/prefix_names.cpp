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
      {"Atto",        {"a"}},
      {"Centi",       {"c"}},
      {"Chilo",       {}},
      {"Crore",       {"crores"}},
      {"Deca",        {"da", "deka"}},
      {"Deci",        {"d"}},
      {"Dozen",       {"doz", "dozens"}},
      {"Etto",        {}},
      {"Exa",         {"E"}},
      {"Exbi",        {"Ei"}},
      {"Femto",       {"f"}},
      {"Fermi",       {}},
      {"Gibi",        {"Gi"}},
      {"Giga",        {"G"}},
      {"Googol",      {}},
      {"Hebdo",       {}},
      {"Hecto",       {"h"}},
      {"Heptad",      {}},
      {"Hexad",       {}},
      {"Kibi",        {"Ki"}},
      {"Kilo",        {"k"}},
      {"Lakh",        {"lakhs", "lac", "lacs"}},
      {"Mebi",        {"Mi"}},
      {"Mega",        {"M"}},
      {"Micro",       {"μ", "u"}},
      {"Milli",       {"m"}},
      {"Millimicro",  {}},
      {"Myria",       {}},
      {"Nano",        {"n"}},
      {"No Prefix",   {}},
      {"Pebi",        {"Pi"}},
      {"Peta",        {"P"}},
      {"Pico",        {"p"}},
      {"Tabi",        {"Ti", "tebi"}},
      {"Tera",        {"T"}},
      {"Yocto",       {"y"}},
      {"Yota",        {"yotta", "Y"}},
      {"Zepto",       {"z"}},
      {"Zetta",       {"Z"}},
      },
      // No name here is shared by several units.
      {},
  };
  // clang-format on
  return table;
}

}  // namespace vardeln
