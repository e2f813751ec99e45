// Vardeln — MIT licence, see LICENSE.
// The area category: base unit the square metre, 29 units.

#include <cmath>

#include "tables/tables.h"

namespace vardeln {

const Category& areaCategory() {
  // clang-format off
  static const Category category(
      {"area", "areaMenu", "&Area", "Meters Square"},
      {
      // label                  to base: B = f(x)                                                                        from base: result = g(B)
      {"Acres",                  [](double x) { return (x * 4840) * std::pow(3 / 3.28084, 2.0); },                        [](double b) { return b / (std::pow(3 / 3.28084, 2.0) * 4840); }},
      {"Ares",                   [](double x) { return x * 100; },                                                        [](double b) { return b / 100; }},
      {"Barn",                   [](double x) { return x * 1e-28; },                                                      [](double b) { return b / 1e-28; }},
      {"Bigha",                  [](double x) { return (((x * 80) * 9) * 30.25) * std::pow(1 / 3.28084, 2.0); },          [](double b) { return b / (std::pow(1 / 3.28084, 2.0) * 21780); }},
      {"Centimeters Square",     [](double x) { return x / 10000; },                                                      [](double b) { return b * 10000; }},
      {"Chains Square",          [](double x) { return x * std::pow(66 / 3.28084, 2.0); },                                [](double b) { return b / std::pow(66 / 3.28084, 2.0); }},
      {"Cong",                   [](double x) { return x * 1000; },                                                       [](double b) { return b / 1000; }},
      {"Cuerda",                 [](double x) { return x * 3930; },                                                       [](double b) { return b / 3930; }},
      {"Decares",                [](double x) { return x * 1000; },                                                       [](double b) { return b / 1000; }},
      {"Dessiatina",             [](double x) { return x * 10924; },                                                      [](double b) { return b / 10924; }},
      {"Dunum",                  [](double x) { return x * 1000; },                                                       [](double b) { return b / 1000; }},
      {"Feet Square",            [](double x) { return x * std::pow(1 / 3.28084, 2.0); },                                 [](double b) { return b / std::pow(1 / 3.28084, 2.0); }},
      {"Hectares",               [](double x) { return x * 10000; },                                                      [](double b) { return b / 10000; }},
      {"Homestead",              [](double x) { return ((x * 160) * 4840) * std::pow(3 / 3.28084, 2.0); },                [](double b) { return b / (std::pow(3 / 3.28084, 2.0) * 774400); }},
      {"Inches Square",          [](double x) { return x * std::pow(1 / 39.37008, 2.0); },                                [](double b) { return b / std::pow(1 / 39.37008, 2.0); }},
      {"Jo",                     [](double x) { return x * 1.62; },                                                       [](double b) { return b / 1.62; }},
      {"Kanal",                  [](double x) { return (((x * 20) * 9) * 30.25) * std::pow(1 / 3.28084, 2.0); },          [](double b) { return b / (std::pow(1 / 3.28084, 2.0) * 5445); }},
      {"Kilometers Square",      [](double x) { return x * 1000000; },                                                    [](double b) { return b / 1000000; }},
      {"Link Square",            [](double x) { return x * (std::pow(1 / 39.37008, 2.0) * 62.75); },                      [](double b) { return b / (std::pow(1 / 39.37008, 2.0) * 62.75); }},
      {"Marla",                  [](double x) { return ((x * 9) * 30.25) * std::pow(1 / 3.28084, 2.0); },                 [](double b) { return b / (std::pow(1 / 3.28084, 2.0) * 272.25); }},
      {"Meters Square",          [](double x) { return x; },                                                              [](double b) { return b; }},
      {"Miles Square",           [](double x) { return x * std::pow(5280 / 3.28084, 2.0); },                              [](double b) { return b / std::pow(5280 / 3.28084, 2.0); }},
      {"Moraba",                 [](double x) { return (x * 25) * (std::pow(3 / 3.28084, 2.0) * 4840); },                 [](double b) { return b / ((std::pow(3 / 3.28084, 2.0) * 4840) * 25); }},
      {"Rod-Perch-Pole Square",  [](double x) { return x * std::pow(16.5 / 3.28084, 2.0); },                              [](double b) { return b / std::pow(16.5 / 3.28084, 2.0); }},
      {"Rood",                   [](double x) { return (x * 2.5) * std::pow(66 / 3.28084, 2.0); },                        [](double b) { return b / (std::pow(66 / 3.28084, 2.0) * 2.5); }},
      {"Shed",                   [](double x) { return x * 1e-52; },                                                      [](double b) { return b / 1e-52; }},
      {"Square Flooring",        [](double x) { return (x * 100) * std::pow(1 / 3.28084, 2.0); },                         [](double b) { return b / (std::pow(1 / 3.28084, 2.0) * 100); }},
      {"Square Karam",           [](double x) { return (x * 30.25) * std::pow(1 / 3.28084, 2.0); },                       [](double b) { return b / (std::pow(1 / 3.28084, 2.0) * 30.25); }},
      {"Yard-Gaz Square",        [](double x) { return x * std::pow(3 / 3.28084, 2.0); },                                 [](double b) { return b / std::pow(3 / 3.28084, 2.0); }},
      },
      // test order
      {
        "Centimeters Square", "Chains Square", "Feet Square", "Hectares", "Inches Square",
        "Kilometers Square", "Link Square", "Meters Square", "Miles Square", "Rod-Perch-Pole Square",
        "Yard-Gaz Square", "Acres", "Rood", "Square Flooring", "Moraba", "Bigha", "Kanal", "Marla",
        "Square Karam", "Ares", "Decares", "Barn", "Cong", "Cuerda", "Dessiatina", "Dunum",
        "Homestead", "Jo", "Shed"
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
