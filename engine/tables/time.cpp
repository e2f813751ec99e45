// Vardeln — MIT licence, see LICENSE.
// The time category: base unit the second, 30 units.

#include <cmath>

#include "tables/tables.h"

namespace vardeln {

const Category& timeCategory() {
  // clang-format off
  static const Category category(
      {"time", "timeMenu", "T&ime", "Second"},
      {
      // label            to base: B = f(x)                                                            from base: result = g(B)
      {"Aeon",             [](double x) { return x * (std::pow(10.0, 9.0) * 31556925.9747); },          [](double b) { return b / (std::pow(10.0, 9.0) * 31556925.9747); }},
      {"Bells",            [](double x) { return x * 1800; },                                           [](double b) { return b / 1800; }},
      {"Biennium",         [](double x) { return x * 63113851.9494; },                                  [](double b) { return b / 63113851.9494; }},
      {"Blink",            [](double x) { return x * (std::pow(10.0, -5.0) * 86400); },                 [](double b) { return b / (std::pow(10.0, -5.0) * 86400); }},
      {"Century",          [](double x) { return x * 3155692597.47; },                                  [](double b) { return b / 3155692597.47; }},
      {"Day",              [](double x) { return x * 86400; },                                          [](double b) { return b / 86400; }},
      {"Decade",           [](double x) { return x * 315569259.747; },                                  [](double b) { return b / 315569259.747; }},
      {"Eclipse Year",     [](double x) { return (x * 346.62) * 86400; },                               [](double b) { return b / 29947968; }},
      {"Galactic Year",    [](double x) { return x * 7100308344307500; },                               [](double b) { return b / 7100308344307500; }},
      {"Gregorian Year",   [](double x) { return x * 31556952; },                                       [](double b) { return b / 31556952; }},
      {"Helek / Halakim",  [](double x) { return x * (10.0 / 3); },                                     [](double b) { return b / (10.0 / 3); }},
      {"Hour",             [](double x) { return x * 3600; },                                           [](double b) { return b / 3600; }},
      {"Lunar Month",      [](double x) { return x * 2551442.976; },                                    [](double b) { return b / 2551442.976; }},
      {"Luster",           [](double x) { return (x * 31556925.9747) * 5; },                            [](double b) { return b / 157784629.8735; }},
      {"Metonic cycle",    [](double x) { return x * 599581593.5193; },                                 [](double b) { return b / 599581593.5193; }},
      {"Millinium",        [](double x) { return x * 31556925974.7; },                                  [](double b) { return b / 31556925974.7; }},
      {"Minute",           [](double x) { return x * 60; },                                             [](double b) { return b / 60; }},
      {"Olympiad",         [](double x) { return x * 126227703.8988; },                                 [](double b) { return b / 126227703.8988; }},
      {"Quadrennium",      [](double x) { return x * 126227703.8988; },                                 [](double b) { return b / 126227703.8988; }},
      {"Quinquennium",     [](double x) { return x * 157784629.8735; },                                 [](double b) { return b / 157784629.8735; }},
      {"Saros",            [](double x) { return x * 568971783.648; },                                  [](double b) { return b / 568971783.648; }},
      {"Second",           [](double x) { return x; },                                                  [](double b) { return b; }},
      {"Shake",            [](double x) { return std::pow(10.0, -8.0) * x; },                           [](double b) { return b / std::pow(10.0, -8.0); }},
      {"Sidereal Day",     [](double x) { return x * 86164.09; },                                       [](double b) { return b / 86164.09; }},
      {"Sol",              [](double x) { return x * 88775; },                                          [](double b) { return b / 88775; }},
      {"Synodic Month",    [](double x) { return x * 2551442.976; },                                    [](double b) { return b / 2551442.976; }},
      {"Third",            [](double x) { return x / 60; },                                             [](double b) { return b * 60; }},
      {"Tropical Year",    [](double x) { return x * 31556925.9747; },                                  [](double b) { return b / 31556925.9747; }},
      {"Watches",          [](double x) { return x * 14400; },                                          [](double b) { return b / 14400; }},
      {"Year",             [](double x) { return x * 31556925.9747; },                                  [](double b) { return b / 31556925.9747; }},
      },
      // test order
      {
        "Aeon", "Bells", "Biennium", "Blink", "Century", "Day", "Decade", "Galactic Year",
        "Gregorian Year", "Helek / Halakim", "Hour", "Lunar Month", "Metonic cycle", "Millinium",
        "Minute", "Olympiad", "Quadrennium", "Quinquennium", "Saros", "Second", "Shake",
        "Sidereal Day", "Sol", "Synodic Month", "Third", "Tropical Year", "Watches", "Year",
        "Eclipse Year", "Luster"
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
