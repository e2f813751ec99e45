// Vardeln — MIT licence, see LICENSE.
// The length category: base unit the metre, 55 units.

#include <cmath>

#include "constants.h"
#include "tables/tables.h"

namespace vardeln {

const Category& lengthCategory() {
  // clang-format off
  static const Category category(
      "length", "Meters",
      {
      // label              to base: B = f(x)                                       from base: result = g(B)
      {"Admiralty Mile",    TO_BASE((x * 6080) * FootInMetres),                     FROM_BASE(b / (FootInMetres * 6080))},
      {"Agate",             TO_BASE((x * 0.00035146) * 5.5),                        FROM_BASE(b / 0.00193303)},
      {"Aln-Alen",          TO_BASE(x * 0.6),                                       FROM_BASE(b / 0.6)},
      {"Angstrom",          TO_BASE(std::pow(10.0, -10.0) * x),                     FROM_BASE(b / std::pow(10.0, -10.0))},
      {"Angstrom Star",     TO_BASE(x * std::pow(1.0000015, -10.0)),                FROM_BASE(b / std::pow(1.0000015, -10.0))},
      {"Arshin",            TO_BASE((x * 28) * (FootInMetres / 12)),                FROM_BASE(b / ((FootInMetres / 12) * 28))},
      {"Astronomical Unit", TO_BASE(x * 149597870691),                              FROM_BASE(b / 149597870691)},
      {"Barleycorn",        TO_BASE(x * (FootInMetres / 36)),                       FROM_BASE(b / (FootInMetres / 36))},
      {"Bicron",            TO_BASE(x * 1e-12),                                     FROM_BASE(b / 1e-12)},
      {"Billet",            TO_BASE((x * 40) * (FootInMetres / 12)),                FROM_BASE(b / ((FootInMetres / 12) * 40))},
      {"Bohr Radius",       TO_BASE(x * 5.2918e-11),                                FROM_BASE(b / 5.2918e-11)},
      {"Braccio",           TO_BASE(x * 0.7),                                       FROM_BASE(b / 0.7)},
      {"Breadth",           TO_BASE(((x * 2.25) * 4) * (FootInMetres / 12)),        FROM_BASE(b / ((FootInMetres / 12) * 9))},
      {"Cable",             TO_BASE(((x * 240) * 3) * FootInMetres),                FROM_BASE(b / (FootInMetres * 720))},
      {"Centimeters",       TO_BASE(x / 100),                                       FROM_BASE(b * 100)},
      {"Chain",             TO_BASE(((x * 22) * 3) * FootInMetres),                 FROM_BASE(b / (FootInMetres * 66))},
      {"Cubit",             TO_BASE((x * 1.5) * FootInMetres),                      FROM_BASE(b / (FootInMetres * 1.5))},
      {"Danda",             TO_BASE(((x * 2) * 3) * FootInMetres),                  FROM_BASE(b / (FootInMetres * 6))},
      {"Diamond",           TO_BASE(x * ((FootInMetres * 8) / 5)),                  FROM_BASE(b / ((FootInMetres * 8) / 5))},
      {"Digit",             TO_BASE(x * (FootInMetres / 16)),                       FROM_BASE(b / (FootInMetres / 16))},
      {"Fathom",            TO_BASE(((x * 2) * 3) * FootInMetres),                  FROM_BASE(b / (FootInMetres * 6))},
      {"Feet",              TO_BASE(x * FootInMetres),                              FROM_BASE(b / FootInMetres)},
      {"Fermi",             TO_BASE(x * 1e-15),                                     FROM_BASE(b / 1e-15)},
      {"Furlong",           TO_BASE((((x * 10) * 22) * 3) * FootInMetres),          FROM_BASE(b / (FootInMetres * 660))},
      {"Gauge Wire",        TO_BASE(x * 0.0001),                                    FROM_BASE(b / 0.0001)},
      {"Girah",             TO_BASE((x * (FootInMetres / 12)) * 2.25),              FROM_BASE(b / ((FootInMetres / 12) * 2.25))},
      {"Goad",              TO_BASE(x * (FootInMetres * 4.5)),                      FROM_BASE(b / (FootInMetres * 4.5))},
      {"Hand",              TO_BASE((x * 4) * (FootInMetres / 12)),                 FROM_BASE(b / ((FootInMetres / 12) * 4))},
      {"Haths",             TO_BASE(((x * 8) * 2.25) * (FootInMetres / 12)),        FROM_BASE(b / ((FootInMetres / 12) * 18))},
      {"Hectometers",       TO_BASE(x * 100),                                       FROM_BASE(b / 100)},
      {"Hubble",            TO_BASE((x * 299792458) * 3.15569259747e+16),           FROM_BASE(b / 9.460528404879359e+24)},
      {"Inches",            TO_BASE(x * (FootInMetres / 12)),                       FROM_BASE(b / (FootInMetres / 12))},
      {"Kilometers",        TO_BASE(x * 1000),                                      FROM_BASE(b / 1000)},
      {"Lap",               TO_BASE(x * 400),                                       FROM_BASE(b / 400)},
      {"Leap",              TO_BASE(x * (FootInMetres * 6.75)),                     FROM_BASE(b / (FootInMetres * 6.75))},
      {"Leauge",            TO_BASE(((((x * 3) * 8.44) * 240) * 3) * FootInMetres), FROM_BASE(b / (FootInMetres * 18230.4))},
      {"Light Year",        TO_BASE((x * 299792458) * 31556925.9747),               FROM_BASE(b / 9460528404879358)},
      {"Link",              TO_BASE((x * std::sqrt(62.75)) * (FootInMetres / 12)),  FROM_BASE(b / ((FootInMetres / 12) * std::sqrt(62.75)))},
      {"Marathon",          TO_BASE((x * 138435) * FootInMetres),                   FROM_BASE(b / (FootInMetres * 138435))},
      {"Meters",            TO_BASE(x),                                             FROM_BASE(b)},
      {"Miles",             TO_BASE((((x * 80) * 22) * 3) * FootInMetres),          FROM_BASE(b / (FootInMetres * 5280))},
      {"Millimeter",        TO_BASE(x * 0.001),                                     FROM_BASE(b * 1000)},
      {"Nautical Miles",    TO_BASE((((x * 8.44) * 240) * 3) * FootInMetres),       FROM_BASE(b / (FootInMetres * 6076.799999999999))},
      {"Pace",              TO_BASE(x * 0.762),                                     FROM_BASE(b / 0.762)},
      {"Parsec",            TO_BASE(x * 3.0857e+16),                                FROM_BASE(b / 3.0857e+16)},
      {"Ridge",             TO_BASE(x * (FootInMetres * 20.25)),                    FROM_BASE(b / (FootInMetres * 20.25))},
      {"Rod-Perch-Pole",    TO_BASE(((x * 5.5) * 3) * FootInMetres),                FROM_BASE(b / (FootInMetres * 16.5))},
      {"Siegbahn Unit",     TO_BASE(x * 1.0021e-13),                                FROM_BASE(b / 1.0021e-13)},
      {"Span",              TO_BASE(((x * 2.25) * 4) * (FootInMetres / 12)),        FROM_BASE(b / ((FootInMetres / 12) * 9))},
      {"Stadion",           TO_BASE(x * (FootInMetres * 630.8)),                    FROM_BASE(b / (FootInMetres * 630.8))},
      {"Unglis",            TO_BASE((x * (FootInMetres / 12)) / 1.23),              FROM_BASE(b / ((FootInMetres / 12) / 1.23))},
      {"Verchok",           TO_BASE(x * ((FootInMetres * 1.75) / 12)),              FROM_BASE(b / ((FootInMetres * 1.75) / 12))},
      {"Verst",             TO_BASE(x * (FootInMetres * 3500)),                     FROM_BASE(b / (FootInMetres * 3500))},
      {"X Unit",            TO_BASE(x * 1.0021e-13),                                FROM_BASE(b / 1.0021e-13)},
      {"Yard-Gaz",          TO_BASE((x * 3) * FootInMetres),                        FROM_BASE(b / (FootInMetres * 3))},
      },
      // Quantities written in several of the units above, largest first, and the marks
      // people write after each part's number (the first is the one Vardeln writes).
      // label                           parts
      {
      {"Miles, Yard-Gaz, Feet and Inches", {{"Miles", "mi"}, {"Yard-Gaz", "yd"}, {"Feet", "ft|'"}, {"Inches", "in|\""}}},
      {"Yard-Gaz, Feet and Inches",        {{"Yard-Gaz", "yd"}, {"Feet", "ft|'"}, {"Inches", "in|\""}}},
      {"Feet and Inches",                  {{"Feet", "ft|'"}, {"Inches", "in|\""}}},
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
