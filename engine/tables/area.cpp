// Vardeln — MIT licence, see LICENSE.
// The area category: base unit the square metre, 29 units.

#include <cmath>

#include "tables/tables.h"

namespace vardeln {

const Category& areaCategory() {
  // clang-format off
  static const Category category(
      "area", "Meters Square",
      {
      // label                  to base: B = f(x)                                               from base: result = g(B)
      {"Acres",                 TO_BASE((x * 4840) * std::pow(3 / 3.28084, 2.0)),               FROM_BASE(b / (std::pow(3 / 3.28084, 2.0) * 4840))},
      {"Ares",                  TO_BASE(x * 100),                                               FROM_BASE(b / 100)},
      {"Barn",                  TO_BASE(x * 1e-28),                                             FROM_BASE(b / 1e-28)},
      {"Bigha",                 TO_BASE((((x * 80) * 9) * 30.25) * std::pow(1 / 3.28084, 2.0)), FROM_BASE(b / (std::pow(1 / 3.28084, 2.0) * 21780))},
      {"Centimeters Square",    TO_BASE(x / 10000),                                             FROM_BASE(b * 10000)},
      {"Chains Square",         TO_BASE(x * std::pow(66 / 3.28084, 2.0)),                       FROM_BASE(b / std::pow(66 / 3.28084, 2.0))},
      {"Cong",                  TO_BASE(x * 1000),                                              FROM_BASE(b / 1000)},
      {"Cuerda",                TO_BASE(x * 3930),                                              FROM_BASE(b / 3930)},
      {"Decares",               TO_BASE(x * 1000),                                              FROM_BASE(b / 1000)},
      {"Dessiatina",            TO_BASE(x * 10924),                                             FROM_BASE(b / 10924)},
      {"Dunum",                 TO_BASE(x * 1000),                                              FROM_BASE(b / 1000)},
      {"Feet Square",           TO_BASE(x * std::pow(1 / 3.28084, 2.0)),                        FROM_BASE(b / std::pow(1 / 3.28084, 2.0))},
      {"Hectares",              TO_BASE(x * 10000),                                             FROM_BASE(b / 10000)},
      {"Homestead",             TO_BASE(((x * 160) * 4840) * std::pow(3 / 3.28084, 2.0)),       FROM_BASE(b / (std::pow(3 / 3.28084, 2.0) * 774400))},
      {"Inches Square",         TO_BASE(x * std::pow(1 / 39.37008, 2.0)),                       FROM_BASE(b / std::pow(1 / 39.37008, 2.0))},
      {"Jo",                    TO_BASE(x * 1.62),                                              FROM_BASE(b / 1.62)},
      {"Kanal",                 TO_BASE((((x * 20) * 9) * 30.25) * std::pow(1 / 3.28084, 2.0)), FROM_BASE(b / (std::pow(1 / 3.28084, 2.0) * 5445))},
      {"Kilometers Square",     TO_BASE(x * 1000000),                                           FROM_BASE(b / 1000000)},
      {"Link Square",           TO_BASE(x * (std::pow(1 / 39.37008, 2.0) * 62.75)),             FROM_BASE(b / (std::pow(1 / 39.37008, 2.0) * 62.75))},
      {"Marla",                 TO_BASE(((x * 9) * 30.25) * std::pow(1 / 3.28084, 2.0)),        FROM_BASE(b / (std::pow(1 / 3.28084, 2.0) * 272.25))},
      {"Meters Square",         TO_BASE(x),                                                     FROM_BASE(b)},
      {"Miles Square",          TO_BASE(x * std::pow(5280 / 3.28084, 2.0)),                     FROM_BASE(b / std::pow(5280 / 3.28084, 2.0))},
      {"Moraba",                TO_BASE((x * 25) * (std::pow(3 / 3.28084, 2.0) * 4840)),        FROM_BASE(b / ((std::pow(3 / 3.28084, 2.0) * 4840) * 25))},
      {"Rod-Perch-Pole Square", TO_BASE(x * std::pow(16.5 / 3.28084, 2.0)),                     FROM_BASE(b / std::pow(16.5 / 3.28084, 2.0))},
      {"Rood",                  TO_BASE((x * 2.5) * std::pow(66 / 3.28084, 2.0)),               FROM_BASE(b / (std::pow(66 / 3.28084, 2.0) * 2.5))},
      {"Shed",                  TO_BASE(x * 1e-52),                                             FROM_BASE(b / 1e-52)},
      {"Square Flooring",       TO_BASE((x * 100) * std::pow(1 / 3.28084, 2.0)),                FROM_BASE(b / (std::pow(1 / 3.28084, 2.0) * 100))},
      {"Square Karam",          TO_BASE((x * 30.25) * std::pow(1 / 3.28084, 2.0)),              FROM_BASE(b / (std::pow(1 / 3.28084, 2.0) * 30.25))},
      {"Yard-Gaz Square",       TO_BASE(x * std::pow(3 / 3.28084, 2.0)),                        FROM_BASE(b / std::pow(3 / 3.28084, 2.0))},
      },
      // Quantities written in several of the units above, largest first, and the marks
      // people write after each part's number (the first is the one Vardeln writes).
      // label                           parts
      {
      {"Bigha, Kanal and Marla",         {{"Bigha", "bigha"}, {"Kanal", "kanal"}, {"Marla", "marla"}}},
      {"Kanal and Marla",                {{"Kanal", "kanal"}, {"Marla", "marla"}}},
      {"Kanal, Marla and Square Karam",  {{"Kanal", "kanal"}, {"Marla", "marla"}, {"Square Karam", "karam"}}},
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
