// Vardeln — MIT licence, see LICENSE.
// The time category: base unit the second, 30 units.

#include <cmath>

#include "tables/tables.h"

namespace vardeln {

const Category& timeCategory() {
  // clang-format off
  static const Category category(
      "time", "Second",
      {
      // label            to base: B = f(x)                                   from base: result = g(B)
      {"Aeon",            TO_BASE(x * (std::pow(10.0, 9.0) * 31556925.9747)), FROM_BASE(b / (std::pow(10.0, 9.0) * 31556925.9747))},
      {"Bells",           TO_BASE(x * 1800),                                  FROM_BASE(b / 1800)},
      {"Biennium",        TO_BASE(x * 63113851.9494),                         FROM_BASE(b / 63113851.9494)},
      {"Blink",           TO_BASE(x * (std::pow(10.0, -5.0) * 86400)),        FROM_BASE(b / (std::pow(10.0, -5.0) * 86400))},
      {"Century",         TO_BASE(x * 3155692597.47),                         FROM_BASE(b / 3155692597.47)},
      {"Day",             TO_BASE(x * 86400),                                 FROM_BASE(b / 86400)},
      {"Decade",          TO_BASE(x * 315569259.747),                         FROM_BASE(b / 315569259.747)},
      {"Eclipse Year",    TO_BASE((x * 346.62) * 86400),                      FROM_BASE(b / 29947968)},
      {"Galactic Year",   TO_BASE(x * 7100308344307500),                      FROM_BASE(b / 7100308344307500)},
      {"Gregorian Year",  TO_BASE(x * 31556952),                              FROM_BASE(b / 31556952)},
      {"Helek / Halakim", TO_BASE(x * (10.0 / 3)),                            FROM_BASE(b / (10.0 / 3))},
      {"Hour",            TO_BASE(x * 3600),                                  FROM_BASE(b / 3600)},
      {"Lunar Month",     TO_BASE(x * 2551442.976),                           FROM_BASE(b / 2551442.976)},
      {"Luster",          TO_BASE((x * 31556925.9747) * 5),                   FROM_BASE(b / 157784629.8735)},
      {"Metonic cycle",   TO_BASE(x * 599581593.5193),                        FROM_BASE(b / 599581593.5193)},
      {"Millinium",       TO_BASE(x * 31556925974.7),                         FROM_BASE(b / 31556925974.7)},
      {"Minute",          TO_BASE(x * 60),                                    FROM_BASE(b / 60)},
      {"Olympiad",        TO_BASE(x * 126227703.8988),                        FROM_BASE(b / 126227703.8988)},
      {"Quadrennium",     TO_BASE(x * 126227703.8988),                        FROM_BASE(b / 126227703.8988)},
      {"Quinquennium",    TO_BASE(x * 157784629.8735),                        FROM_BASE(b / 157784629.8735)},
      {"Saros",           TO_BASE(x * 568971783.648),                         FROM_BASE(b / 568971783.648)},
      {"Second",          TO_BASE(x),                                         FROM_BASE(b)},
      {"Shake",           TO_BASE(std::pow(10.0, -8.0) * x),                  FROM_BASE(b / std::pow(10.0, -8.0))},
      {"Sidereal Day",    TO_BASE(x * 86164.09),                              FROM_BASE(b / 86164.09)},
      {"Sol",             TO_BASE(x * 88775),                                 FROM_BASE(b / 88775)},
      {"Synodic Month",   TO_BASE(x * 2551442.976),                           FROM_BASE(b / 2551442.976)},
      {"Third",           TO_BASE(x / 60),                                    FROM_BASE(b * 60)},
      {"Tropical Year",   TO_BASE(x * 31556925.9747),                         FROM_BASE(b / 31556925.9747)},
      {"Watches",         TO_BASE(x * 14400),                                 FROM_BASE(b / 14400)},
      {"Year",            TO_BASE(x * 31556925.9747),                         FROM_BASE(b / 31556925.9747)},
      },
      // Quantities written in several of the units above, largest first, and the marks
      // people write after each part's number (the first is the one Vardeln writes).
      // label                           parts
      {
      {"Day, Hour, Minute and Second",   {{"Day", "d"}, {"Hour", "h"}, {"Minute", "min"}, {"Second", "s"}}},
      {"Hour, Minute and Second",        {{"Hour", "h"}, {"Minute", "min"}, {"Second", "s"}}},
      {"Minute and Second",              {{"Minute", "min"}, {"Second", "s"}}},
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
