// Vardeln — MIT licence, see LICENSE.
// The power category: base unit the watt, 4 units.

#include "tables/tables.h"

namespace vardeln {

const Category& powerCategory() {
  // clang-format off
  static const Category category(
      {"power", "powerMenu", "Po&wer", "Watt"},
      {
      // label                to base: B = f(x)                                 from base: result = g(B)
      {"DonkeyPower",          [](double x) { return x * 250; },                 [](double b) { return b / 250; }},
      {"HorsePower Imperial",  [](double x) { return x * 745.699871; },          [](double b) { return b / 745.699871; }},
      {"HorsePower Metric",    [](double x) { return x * 735.49875; },           [](double b) { return b / 735.49875; }},
      {"Watt",                 [](double x) { return x; },                       [](double b) { return b; }},
      },
      // test order
      {
        "Watt", "HorsePower Metric", "HorsePower Imperial", "DonkeyPower"
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
