// Vardeln — MIT licence, see LICENSE.
// The volume category: base unit the cubic metre, 83 units.

#include <cmath>

#include "constants.h"
#include "tables/tables.h"

namespace vardeln {

const Category& volumeCategory() {
  // clang-format off
  static const Category category(
      "volume", "Cubic meter",
      {
      // label                 to base: B = f(x)                                                              from base: result = g(B)
      {"Acre Foot",            TO_BASE(x * (43560 / CubicFootInCubicMetres)),                                 FROM_BASE(b / (43560 / CubicFootInCubicMetres))},
      {"Acre Inch",            TO_BASE(x * (3630 / CubicFootInCubicMetres)),                                  FROM_BASE(b / (3630 / CubicFootInCubicMetres))},
      {"Amber",                TO_BASE(x * (145.47488 / 1000)),                                               FROM_BASE(b / (145.47488 / 1000))},
      {"Amphora Greek",        TO_BASE(x * (38.800470786 / 1000)),                                            FROM_BASE(b / (38.800470786 / 1000))},
      {"Amphora Roman",        TO_BASE(x * (25.51367542416 / 1000)),                                          FROM_BASE(b / (25.51367542416 / 1000))},
      {"Barrel Bulk",          TO_BASE(x * (CubicFootInCubicMetres * 5)),                                     FROM_BASE(b / (CubicFootInCubicMetres * 5))},
      {"Barrel Imperial",      TO_BASE(x * (163.65924 / 1000)),                                               FROM_BASE(b / (163.65924 / 1000))},
      {"Barrel Petrolium",     TO_BASE(x * (158.98729492799998 / 1000)),                                      FROM_BASE(b / (158.98729492799998 / 1000))},
      {"Barrel US",            TO_BASE(x * (119.240471196 / 1000)),                                           FROM_BASE(b / (119.240471196 / 1000))},
      {"Board Foot",           TO_BASE(x * (CubicFootInCubicMetres / 12)),                                    FROM_BASE(b / (CubicFootInCubicMetres / 12))},
      {"Bucket Imperial",      TO_BASE(x * (4.54609 / 250)),                                                  FROM_BASE(b / (4.54609 / 250))},
      {"Bucket US",            TO_BASE(x * (3.785411784 / 200)),                                              FROM_BASE(b / (3.785411784 / 200))},
      {"Bushel Imperial",      TO_BASE(x * (36.36872 / 1000)),                                                FROM_BASE(b / (36.36872 / 1000))},
      {"Bushel US",            TO_BASE(x * (30.283294272 / 1000)),                                            FROM_BASE(b / (30.283294272 / 1000))},
      {"Centilitre",           TO_BASE(x * 1e-05),                                                            FROM_BASE(b / 1e-05)},
      {"Chalder-Chaldron",     TO_BASE(x * (1309.27392 / 1000)),                                              FROM_BASE(b / (1309.27392 / 1000))},
      {"Charka",               TO_BASE(x * (123.032 / 1000000)),                                              FROM_BASE(b / (123.032 / 1000000))},
      {"Coomb-Coom",           TO_BASE(x * (145.47488 / 1000)),                                               FROM_BASE(b / (145.47488 / 1000))},
      {"Cord",                 TO_BASE(x * (CubicFootInCubicMetres * 128)),                                   FROM_BASE(b / (CubicFootInCubicMetres * 128))},
      {"Cord Foot",            TO_BASE(x * (CubicFootInCubicMetres * 16)),                                    FROM_BASE(b / (CubicFootInCubicMetres * 16))},
      {"Cran",                 TO_BASE(x * (170.47837500000003 / 1000)),                                      FROM_BASE(b / (170.47837500000003 / 1000))},
      {"Cubic Centimeter",     TO_BASE(x / 1000000),                                                          FROM_BASE(b * 1000000)},
      {"Cubic Foot",           TO_BASE(x * CubicFootInCubicMetres),                                           FROM_BASE(b / CubicFootInCubicMetres)},
      {"Cubic inch",           TO_BASE(x * (CubicFootInCubicMetres / 1728)),                                  FROM_BASE(b / (CubicFootInCubicMetres / 1728))},
      {"Cubic meter",          TO_BASE(x),                                                                    FROM_BASE(b)},
      {"Cubic yard",           TO_BASE(x * (CubicFootInCubicMetres * 27)),                                    FROM_BASE(b / (CubicFootInCubicMetres * 27))},
      {"Cunit",                TO_BASE(x * (CubicFootInCubicMetres * 100)),                                   FROM_BASE(b / (CubicFootInCubicMetres * 100))},
      {"Cup",                  TO_BASE(x * ((CubicFootInCubicMetres * 14.4375) / 1728)),                      FROM_BASE(b / ((CubicFootInCubicMetres * 14.4375) / 1728))},
      {"Drum",                 TO_BASE(x * (208.19764812 / 1000)),                                            FROM_BASE(b / (208.19764812 / 1000))},
      {"Ephah",                TO_BASE(x * (40.32 / 1000)),                                                   FROM_BASE(b / (40.32 / 1000))},
      {"Face Cord",            TO_BASE(x * ((CubicFootInCubicMetres * 128) / 3)),                             FROM_BASE(b / ((CubicFootInCubicMetres * 128) / 3))},
      {"Faggot",               TO_BASE(x * ((3 / std::pow(3.14159265358979, 2.0)) * CubicFootInCubicMetres)), FROM_BASE(b / ((3 / std::pow(3.14159265358979, 2.0)) * CubicFootInCubicMetres))},
      {"Fanega",               TO_BASE(x * (47.696188478399996 / 1000)),                                      FROM_BASE(b / (47.696188478399996 / 1000))},
      {"Fatt Imperial",        TO_BASE(x * (272.54964844799997 / 1000)),                                      FROM_BASE(b / (272.54964844799997 / 1000))},
      {"Fatt US",              TO_BASE(x * (272.54964844799997 / 1000)),                                      FROM_BASE(b / (272.54964844799997 / 1000))},
      {"Fifth",                TO_BASE(x * (3.785411784 / 5000)),                                             FROM_BASE(b / (3.785411784 / 5000))},
      {"Fluid Dram Imperial",  TO_BASE(x * ((CubicFootInCubicMetres * 34.678) / 221184)),                     FROM_BASE(b / ((CubicFootInCubicMetres * 34.678) / 221184))},
      {"Fluid Dram US",        TO_BASE(x * ((CubicFootInCubicMetres * 28.875) / 221184)),                     FROM_BASE(b / ((CubicFootInCubicMetres * 28.875) / 221184))},
      {"Fluid Ounce Imperial", TO_BASE(x * ((CubicFootInCubicMetres * 34.678) / 27648)),                      FROM_BASE(b / ((CubicFootInCubicMetres * 34.678) / 27648))},
      {"Fluid Ounce US",       TO_BASE(x * ((CubicFootInCubicMetres * 28.875) / 27648)),                      FROM_BASE(b / ((CubicFootInCubicMetres * 28.875) / 27648))},
      {"Freight Ton",          TO_BASE(x * (CubicFootInCubicMetres * 40)),                                    FROM_BASE(b / (CubicFootInCubicMetres * 40))},
      {"Gallon Imperial",      TO_BASE(x * (4.54609 / 1000)),                                                 FROM_BASE(b / (4.54609 / 1000))},
      {"Gallon US",            TO_BASE(x * (3.785411784 / 1000)),                                             FROM_BASE(b / (3.785411784 / 1000))},
      {"Garnet",               TO_BASE(x * (3.28 / 1000)),                                                    FROM_BASE(b / (3.28 / 1000))},
      {"Glass",                TO_BASE(x * ((CubicFootInCubicMetres * 14.4375) / 1728)),                      FROM_BASE(b / ((CubicFootInCubicMetres * 14.4375) / 1728))},
      {"Go",                   TO_BASE(x * ((CubicFootInCubicMetres * 357.78679719999997) / 1728)),           FROM_BASE(b / ((CubicFootInCubicMetres * 357.78679719999997) / 1728))},
      {"Heaped Bushel",        TO_BASE(x * (38.702050079616 / 1000)),                                         FROM_BASE(b / (38.702050079616 / 1000))},
      {"Immi",                 TO_BASE(x * (1.5 / 1000)),                                                     FROM_BASE(b / (1.5 / 1000))},
      {"Jigger",               TO_BASE(x * ((CubicFootInCubicMetres * 43.3125) / 27648)),                     FROM_BASE(b / ((CubicFootInCubicMetres * 43.3125) / 27648))},
      {"Kilderkin",            TO_BASE(x * (81.82962 / 1000)),                                                FROM_BASE(b / (81.82962 / 1000))},
      {"Koddi",                TO_BASE(x * (18.18436 / 3000)),                                                FROM_BASE(b / (18.18436 / 3000))},
      {"Koku",                 TO_BASE(x * (180.391 / 1000)),                                                 FROM_BASE(b / (180.391 / 1000))},
      {"Krina",                TO_BASE(x * (20.0 / 1000)),                                                    FROM_BASE(b / (20.0 / 1000))},
      {"Kulmet",               TO_BASE(x * (10.910616000000001 / 1000)),                                      FROM_BASE(b / (10.910616000000001 / 1000))},
      {"Lambda",               TO_BASE(x * 1e-09),                                                            FROM_BASE(b / 1e-09)},
      {"Litre",                TO_BASE(x * 0.001),                                                            FROM_BASE(b / 0.001)},
      {"Load",                 TO_BASE(x * (CubicFootInCubicMetres * 27)),                                    FROM_BASE(b / (CubicFootInCubicMetres * 27))},
      {"Miliard",              TO_BASE(x * 1000000000),                                                       FROM_BASE(b / 1000000000)},
      {"Mililitre",            TO_BASE(x * 1e-06),                                                            FROM_BASE(b / 1e-06)},
      {"Minim Imperial",       TO_BASE(x * ((CubicFootInCubicMetres * 34.678) / 13271040)),                   FROM_BASE(b / ((CubicFootInCubicMetres * 34.678) / 13271040))},
      {"Minim US",             TO_BASE(x * ((CubicFootInCubicMetres * 28.875) / 13271040)),                   FROM_BASE(b / ((CubicFootInCubicMetres * 28.875) / 13271040))},
      {"Mud",                  TO_BASE(x / 10),                                                               FROM_BASE(b * 10)},
      {"Octavillo",            TO_BASE(x * 0.000289),                                                         FROM_BASE(b / 0.000289)},
      {"Ohm",                  TO_BASE(x / 6),                                                                FROM_BASE(b * 6)},
      {"Omer",                 TO_BASE(x * 0.004032),                                                         FROM_BASE(b / 0.004032)},
      {"Pint Dry US",          TO_BASE(x * ((CubicFootInCubicMetres * 33.6) / 1728)),                         FROM_BASE(b / ((CubicFootInCubicMetres * 33.6) / 1728))},
      {"Pint Imperial",        TO_BASE(x * ((CubicFootInCubicMetres * 34.678) / 1728)),                       FROM_BASE(b / ((CubicFootInCubicMetres * 34.678) / 1728))},
      {"Pint Liquid US",       TO_BASE(x * ((CubicFootInCubicMetres * 28.875) / 1728)),                       FROM_BASE(b / ((CubicFootInCubicMetres * 28.875) / 1728))},
      {"Pipa",                 TO_BASE(x * 0.5),                                                              FROM_BASE(b / 0.5)},
      {"Pipe",                 TO_BASE(x * (476.961884784 / 1000)),                                           FROM_BASE(b / (476.961884784 / 1000))},
      {"Puncheon Imperial",    TO_BASE(x * (318.22630000000004 / 1000)),                                      FROM_BASE(b / (318.22630000000004 / 1000))},
      {"Puncheon US",          TO_BASE(x * (264.97882488 / 1000)),                                            FROM_BASE(b / (264.97882488 / 1000))},
      {"Quart Imperial",       TO_BASE(x * (4.54609 / 4000)),                                                 FROM_BASE(b / (4.54609 / 4000))},
      {"Quart US",             TO_BASE(x * (3.785411784 / 4000)),                                             FROM_BASE(b / (3.785411784 / 4000))},
      {"Register Ton",         TO_BASE(x * (CubicFootInCubicMetres * 100)),                                   FROM_BASE(b / (CubicFootInCubicMetres * 100))},
      {"Rick",                 TO_BASE(x * ((CubicFootInCubicMetres * 128) / 3)),                             FROM_BASE(b / ((CubicFootInCubicMetres * 128) / 3))},
      {"Riga Last",            TO_BASE(x * (CubicFootInCubicMetres * 80)),                                    FROM_BASE(b / (CubicFootInCubicMetres * 80))},
      {"Sack Imperial",        TO_BASE(x * (109.10616000000002 / 1000)),                                      FROM_BASE(b / (109.10616000000002 / 1000))},
      {"Sack US",              TO_BASE(x * (90.84988281599999 / 1000)),                                       FROM_BASE(b / (90.84988281599999 / 1000))},
      {"Seam Imperial",        TO_BASE(x * (290.94976 / 1000)),                                               FROM_BASE(b / (290.94976 / 1000))},
      {"Seam US",              TO_BASE(x * (242.266354176 / 1000)),                                           FROM_BASE(b / (242.266354176 / 1000))},
      {"Vedro",                TO_BASE(x * (123.032 / 10000)),                                                FROM_BASE(b / (123.032 / 10000))},
      {"Winchester Bushel",    TO_BASE(x * (30.283294272 / 1000)),                                            FROM_BASE(b / (30.283294272 / 1000))},
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
