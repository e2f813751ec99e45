// Vardeln — MIT licence, see LICENSE.
// The force category: base unit the newton, 6 units.

#include "tables/tables.h"

namespace vardeln {

const Category& forceCategory() {
  // clang-format off
  static const Category category(
      {"force", "forceMenu", "&Force", "Newton"},
      {
      // label        to base: B = f(x)                                          from base: result = g(B)
      {"Dyne",         [](double x) { return x * 1e-05; },                        [](double b) { return b / 1e-05; }},
      {"Kg Force",     [](double x) { return x * 9.80665; },                      [](double b) { return b / 9.80665; }},
      {"Newton",       [](double x) { return x; },                                [](double b) { return b; }},
      {"Pound Force",  [](double x) { return x * (9.80665 / 2.20462); },          [](double b) { return b / (9.80665 / 2.20462); }},
      {"Poundal",      [](double x) { return x * 0.138255; },                     [](double b) { return b / 0.138255; }},
      {"Sthene",       [](double x) { return x * 1000; },                         [](double b) { return b / 1000; }},
      },
      // test order
      {
        "Newton", "Poundal", "Dyne", "Kg Force", "Pound Force", "Sthene"
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
