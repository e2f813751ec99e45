// Vardeln — MIT licence, see LICENSE.
// The mass category: base unit the kilogram, 38 units.

#include "constants.h"
#include "tables/tables.h"

namespace vardeln {

const Category& massCategory() {
  // clang-format off
  static const Category category(
      "mass", "Kilogram",
      {
      // label               to base: B = f(x)                                                   from base: result = g(B)
      {"Arroba",             TO_BASE((((((x * 0.25) * 1.97) * 4) * 2) * 14) * PoundInKilograms), FROM_BASE(b / (PoundInKilograms * 55.16))},
      {"Atomic Mass Unit",   TO_BASE(x * 1.66053873e-27),                                        FROM_BASE(b / 1.66053873e-27)},
      {"Bale Imperial",      TO_BASE((x * 720) * PoundInKilograms),                              FROM_BASE(b / (PoundInKilograms * 720))},
      {"Bale US",            TO_BASE((x * 480) * PoundInKilograms),                              FROM_BASE(b / (PoundInKilograms * 480))},
      {"Candy",              TO_BASE((x * 784) * PoundInKilograms),                              FROM_BASE(b / (PoundInKilograms * 784))},
      {"Carat",              TO_BASE((x * 4) * 0.00648),                                         FROM_BASE(b / 0.02592)},
      {"Carat Metric",       TO_BASE(x * 0.0002),                                                FROM_BASE(b / 0.0002)},
      {"Chawal",             TO_BASE((x * 0.0001215) / 8),                                       FROM_BASE(b / (0.0001215 / 8))},
      {"Chhatank",           TO_BASE((((x * 5) * 12) * 8) * 0.0001215),                          FROM_BASE(b / 0.05832)},
      {"Clove",              TO_BASE((x * 7) * PoundInKilograms),                                FROM_BASE(b / (PoundInKilograms * 7))},
      {"Crith",              TO_BASE(x * 8.9885e-05),                                            FROM_BASE(b / 8.9885e-05)},
      {"Dalton",             TO_BASE(x * 1.66053873e-27),                                        FROM_BASE(b / 1.66053873e-27)},
      {"Drams",              TO_BASE((x * PoundInKilograms) / 256),                              FROM_BASE(b / (PoundInKilograms / 256))},
      {"Electron Mass",      TO_BASE(x * 9.109382e-31),                                          FROM_BASE(b / 9.109382e-31)},
      {"Gamma",              TO_BASE((x * 0.001) * 1e-06),                                       FROM_BASE(b / 1e-09)},
      {"Grain",              TO_BASE(x * 0.00648),                                               FROM_BASE(b / 0.00648)},
      {"Gram",               TO_BASE(x * 0.001),                                                 FROM_BASE(b / 0.001)},
      {"Hundred Weight",     TO_BASE((((x * 4) * 2) * 14) * PoundInKilograms),                   FROM_BASE(b / (PoundInKilograms * 112))},
      {"Jupiter",            TO_BASE(x * 1.899e+27),                                             FROM_BASE(b / 1.899e+27)},
      {"Kilogram",           TO_BASE(x),                                                         FROM_BASE(b)},
      {"Kip",                TO_BASE((x * PoundInKilograms) * 1000),                             FROM_BASE(b / (PoundInKilograms * 1000))},
      {"Long Ton",           TO_BASE(((((x * 20) * 4) * 2) * 14) * PoundInKilograms),            FROM_BASE(b / (PoundInKilograms * 2240))},
      {"Masha",              TO_BASE((x * 8) * 0.0001215),                                       FROM_BASE(b / 0.000972)},
      {"Maund",              TO_BASE(((((((x * 40) * 4) * 4) * 5) * 12) * 8) * 0.0001215),       FROM_BASE(b / (307200 * 0.0001215))},
      {"Metric Ton",         TO_BASE(x * 1000),                                                  FROM_BASE(b / 1000)},
      {"Miligram",           TO_BASE(x / 10000),                                                 FROM_BASE(b * 10000)},
      {"Ounce",              TO_BASE((x * PoundInKilograms) / 16),                               FROM_BASE(b / (PoundInKilograms / 16))},
      {"Pao",                TO_BASE(((((x * 4) * 5) * 12) * 8) * 0.0001215),                    FROM_BASE(b / 0.23328)},
      {"Pound",              TO_BASE(x * PoundInKilograms),                                      FROM_BASE(b / PoundInKilograms)},
      {"Quarter",            TO_BASE((x * 28) * PoundInKilograms),                               FROM_BASE(b / (PoundInKilograms * 28))},
      {"Quintal",            TO_BASE(((((x * 1.97) * 4) * 2) * 14) * PoundInKilograms),          FROM_BASE(b / (PoundInKilograms * 220.64))},
      {"Rotl-Arratel-Artel", TO_BASE((x * 1.15) * PoundInKilograms),                             FROM_BASE(b / (PoundInKilograms * 1.15))},
      {"Rutti",              TO_BASE(x * 0.0001215),                                             FROM_BASE(b / 0.0001215)},
      {"Seer",               TO_BASE((((((x * 4) * 4) * 5) * 12) * 8) * 0.0001215),              FROM_BASE(b / 0.93312)},
      {"Short Ton",          TO_BASE((x * 2000) * PoundInKilograms),                             FROM_BASE(b / (PoundInKilograms * 2000))},
      {"Solar Mass",         TO_BASE(x * 1.9891e+30),                                            FROM_BASE(b / 1.9891e+30)},
      {"Stone",              TO_BASE((x * 14) * PoundInKilograms),                               FROM_BASE(b / (PoundInKilograms * 14))},
      {"Tola",               TO_BASE(((x * 12) * 8) * 0.0001215),                                FROM_BASE(b / 0.011664)},
      },
      // Quantities written in several of the units above, largest first, and the marks
      // people write after each part's number (the first is the one Vardeln writes).
      // label                           parts
      {
      {"Maund, Seer, Chhatank and Tola", {{"Maund", "maund"}, {"Seer", "seer"}, {"Chhatank", "chhatank"}, {"Tola", "tola"}}},
      {"Seer and Chhatank",              {{"Seer", "seer"}, {"Chhatank", "chhatank"}}},
      {"Stone, Pound and Ounce",         {{"Stone", "st"}, {"Pound", "lb"}, {"Ounce", "oz"}}},
      {"Pound and Ounce",                {{"Pound", "lb"}, {"Ounce", "oz"}}},
      {"Stone and Pound",                {{"Stone", "st"}, {"Pound", "lb"}}},
      {"Tola, Masha and Rutti",          {{"Tola", "tola"}, {"Masha", "masha"}, {"Rutti", "rutti"}}},
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
