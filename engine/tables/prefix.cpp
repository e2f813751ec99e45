// Vardeln — MIT licence, see LICENSE.
// The prefix category: base unit the the plain number, 40 units.

#include <cmath>

#include "tables/tables.h"

namespace vardeln {

const Category& prefixCategory() {
  // clang-format off
  static const Category category(
      {"prefix", "prefixMenu", "Pref&ix", "No Prefix"},
      {
      // label       to base: B = f(x)                                            from base: result = g(B)
      {"Arab",        [](double x) { return std::pow(10.0, 9.0) * x; },            [](double b) { return b / std::pow(10.0, 9.0); }},
      {"Atto",        [](double x) { return std::pow(10.0, -18.0) * x; },          [](double b) { return b / std::pow(10.0, -18.0); }},
      {"Centi",       [](double x) { return std::pow(10.0, -2.0) * x; },           [](double b) { return b / std::pow(10.0, -2.0); }},
      {"Chilo",       [](double x) { return std::pow(10.0, 3.0) * x; },            [](double b) { return b / std::pow(10.0, 3.0); }},
      {"Crore",       [](double x) { return std::pow(10.0, 7.0) * x; },            [](double b) { return b / std::pow(10.0, 7.0); }},
      {"Deca",        [](double x) { return x * 10; },                             [](double b) { return b / 10; }},
      {"Deci",        [](double x) { return std::pow(10.0, -1.0) * x; },           [](double b) { return b / std::pow(10.0, -1.0); }},
      {"Dozen",       [](double x) { return x * 12; },                             [](double b) { return b / 12; }},
      {"Etto",        [](double x) { return std::pow(10.0, 2.0) * x; },            [](double b) { return b / std::pow(10.0, 2.0); }},
      {"Exa",         [](double x) { return std::pow(10.0, 18.0) * x; },           [](double b) { return b / std::pow(10.0, 18.0); }},
      {"Exbi",        [](double x) { return std::pow(10.0, 60.0) * x; },           [](double b) { return b / std::pow(10.0, 60.0); }},
      {"Femto",       [](double x) { return std::pow(10.0, -15.0) * x; },          [](double b) { return b / std::pow(10.0, -15.0); }},
      {"Fermi",       [](double x) { return std::pow(10.0, -15.0) * x; },          [](double b) { return b / std::pow(10.0, -15.0); }},
      {"Gibi",        [](double x) { return std::pow(10.0, 30.0) * x; },           [](double b) { return b / std::pow(10.0, 30.0); }},
      {"Giga",        [](double x) { return std::pow(10.0, 9.0) * x; },            [](double b) { return b / std::pow(10.0, 9.0); }},
      {"Googol",      [](double x) { return x * 1e+100; },                         [](double b) { return b / 1e+100; }},
      {"Hebdo",       [](double x) { return std::pow(10.0, 7.0) * x; },            [](double b) { return b / std::pow(10.0, 7.0); }},
      {"Hecto",       [](double x) { return std::pow(10.0, 2.0) * x; },            [](double b) { return b / std::pow(10.0, 2.0); }},
      {"Heptad",      [](double x) { return x * 7; },                              [](double b) { return b / 7; }},
      {"Hexad",       [](double x) { return x * 6; },                              [](double b) { return b / 6; }},
      {"Kibi",        [](double x) { return std::pow(10.0, 10.0) * x; },           [](double b) { return b / std::pow(10.0, 10.0); }},
      {"Kilo",        [](double x) { return std::pow(10.0, 3.0) * x; },            [](double b) { return b / std::pow(10.0, 3.0); }},
      {"Lakh",        [](double x) { return std::pow(10.0, 5.0) * x; },            [](double b) { return b / std::pow(10.0, 5.0); }},
      {"Mebi",        [](double x) { return std::pow(10.0, 20.0) * x; },           [](double b) { return b / std::pow(10.0, 20.0); }},
      {"Mega",        [](double x) { return std::pow(10.0, 6.0) * x; },            [](double b) { return b / std::pow(10.0, 6.0); }},
      {"Micro",       [](double x) { return std::pow(10.0, -6.0) * x; },           [](double b) { return b / std::pow(10.0, -6.0); }},
      {"Milli",       [](double x) { return std::pow(10.0, -3.0) * x; },           [](double b) { return b / std::pow(10.0, -3.0); }},
      {"Millimicro",  [](double x) { return std::pow(10.0, -9.0) * x; },           [](double b) { return b / std::pow(10.0, -9.0); }},
      {"Myria",       [](double x) { return std::pow(10.0, 4.0) * x; },            [](double b) { return b / std::pow(10.0, 4.0); }},
      {"Nano",        [](double x) { return std::pow(10.0, -9.0) * x; },           [](double b) { return b / std::pow(10.0, -9.0); }},
      {"No Prefix",   [](double x) { return x; },                                  [](double b) { return b; }},
      {"Pebi",        [](double x) { return std::pow(10.0, 50.0) * x; },           [](double b) { return b / std::pow(10.0, 50.0); }},
      {"Peta",        [](double x) { return std::pow(10.0, 15.0) * x; },           [](double b) { return b / std::pow(10.0, 15.0); }},
      {"Pico",        [](double x) { return std::pow(10.0, -12.0) * x; },          [](double b) { return b / std::pow(10.0, -12.0); }},
      {"Tabi",        [](double x) { return std::pow(10.0, 40.0) * x; },           [](double b) { return b / std::pow(10.0, 40.0); }},
      {"Tera",        [](double x) { return std::pow(10.0, 12.0) * x; },           [](double b) { return b / std::pow(10.0, 12.0); }},
      {"Yocto",       [](double x) { return std::pow(10.0, -24.0) * x; },          [](double b) { return b / std::pow(10.0, -24.0); }},
      {"Yota",        [](double x) { return std::pow(10.0, 24.0) * x; },           [](double b) { return b / std::pow(10.0, 24.0); }},
      {"Zepto",       [](double x) { return std::pow(10.0, -21.0) * x; },          [](double b) { return b / std::pow(10.0, -21.0); }},
      {"Zetta",       [](double x) { return std::pow(10.0, 21.0) * x; },           [](double b) { return b / std::pow(10.0, 21.0); }},
      },
      // test order
      {
        "No Prefix", "Zetta", "Zepto", "Yota", "Yocto", "Tera", "Tabi", "Pico", "Peta", "Pebi",
        "Nano", "Myria", "Millimicro", "Milli", "Micro", "Mega", "Mebi", "Kilo", "Kibi", "Hecto",
        "Hebdo", "Giga", "Gibi", "Fermi", "Femto", "Exbi", "Exa", "Etto", "Deci", "Deca", "Chilo",
        "Centi", "Atto", "Crore", "Lakh", "Arab", "Dozen", "Googol", "Heptad", "Hexad"
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
