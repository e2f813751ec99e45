// Vardeln — MIT licence, see LICENSE.
// The volume category: base unit the cubic metre, 83 units.

#include <cmath>

#include "constants.h"
#include "tables/tables.h"

namespace vardeln {

const Category& volumeCategory() {
  // clang-format off
  static const Category category(
      {"volume", "volumeMenu", "&Volume", "Cubic meter"},
      {
      // label                 to base: B = f(x)                                                                                       from base: result = g(B)
      {"Acre Foot",             [](double x) { return x * (43560 / CubicFootInCubicMetres); },                                          [](double b) { return b / (43560 / CubicFootInCubicMetres); }},
      {"Acre Inch",             [](double x) { return x * (3630 / CubicFootInCubicMetres); },                                           [](double b) { return b / (3630 / CubicFootInCubicMetres); }},
      {"Amber",                 [](double x) { return x * (145.47488 / 1000); },                                                        [](double b) { return b / (145.47488 / 1000); }},
      {"Amphora Greek",         [](double x) { return x * (38.800470786 / 1000); },                                                     [](double b) { return b / (38.800470786 / 1000); }},
      {"Amphora Roman",         [](double x) { return x * (25.51367542416 / 1000); },                                                   [](double b) { return b / (25.51367542416 / 1000); }},
      {"Barrel Bulk",           [](double x) { return x * (CubicFootInCubicMetres * 5); },                                              [](double b) { return b / (CubicFootInCubicMetres * 5); }},
      {"Barrel Imperial",       [](double x) { return x * (163.65924 / 1000); },                                                        [](double b) { return b / (163.65924 / 1000); }},
      {"Barrel Petrolium",      [](double x) { return x * (158.98729492799998 / 1000); },                                               [](double b) { return b / (158.98729492799998 / 1000); }},
      {"Barrel US",             [](double x) { return x * (119.240471196 / 1000); },                                                    [](double b) { return b / (119.240471196 / 1000); }},
      {"Board Foot",            [](double x) { return x * (CubicFootInCubicMetres / 12); },                                             [](double b) { return b / (CubicFootInCubicMetres / 12); }},
      {"Bucket Imperial",       [](double x) { return x * (4.54609 / 250); },                                                           [](double b) { return b / (4.54609 / 250); }},
      {"Bucket US",             [](double x) { return x * (3.785411784 / 200); },                                                       [](double b) { return b / (3.785411784 / 200); }},
      {"Bushel Imperial",       [](double x) { return x * (36.36872 / 1000); },                                                         [](double b) { return b / (36.36872 / 1000); }},
      {"Bushel US",             [](double x) { return x * (30.283294272 / 1000); },                                                     [](double b) { return b / (30.283294272 / 1000); }},
      {"Centilitre",            [](double x) { return x * 1e-05; },                                                                     [](double b) { return b / 1e-05; }},
      {"Chalder-Chaldron",      [](double x) { return x * (1309.27392 / 1000); },                                                       [](double b) { return b / (1309.27392 / 1000); }},
      {"Charka",                [](double x) { return x * (123.032 / 1000000); },                                                       [](double b) { return b / (123.032 / 1000000); }},
      {"Coomb-Coom",            [](double x) { return x * (145.47488 / 1000); },                                                        [](double b) { return b / (145.47488 / 1000); }},
      {"Cord",                  [](double x) { return x * (CubicFootInCubicMetres * 128); },                                            [](double b) { return b / (CubicFootInCubicMetres * 128); }},
      {"Cord Foot",             [](double x) { return x * (CubicFootInCubicMetres * 16); },                                             [](double b) { return b / (CubicFootInCubicMetres * 16); }},
      {"Cran",                  [](double x) { return x * (170.47837500000003 / 1000); },                                               [](double b) { return b / (170.47837500000003 / 1000); }},
      {"Cubic Centimeter",      [](double x) { return x / 1000000; },                                                                   [](double b) { return b * 1000000; }},
      {"Cubic Foot",            [](double x) { return x * CubicFootInCubicMetres; },                                                    [](double b) { return b / CubicFootInCubicMetres; }},
      {"Cubic inch",            [](double x) { return x * (CubicFootInCubicMetres / 1728); },                                           [](double b) { return b / (CubicFootInCubicMetres / 1728); }},
      {"Cubic meter",           [](double x) { return x; },                                                                             [](double b) { return b; }},
      {"Cubic yard",            [](double x) { return x * (CubicFootInCubicMetres * 27); },                                             [](double b) { return b / (CubicFootInCubicMetres * 27); }},
      {"Cunit",                 [](double x) { return x * (CubicFootInCubicMetres * 100); },                                            [](double b) { return b / (CubicFootInCubicMetres * 100); }},
      {"Cup",                   [](double x) { return x * ((CubicFootInCubicMetres * 14.4375) / 1728); },                               [](double b) { return b / ((CubicFootInCubicMetres * 14.4375) / 1728); }},
      {"Drum",                  [](double x) { return x * (208.19764812 / 1000); },                                                     [](double b) { return b / (208.19764812 / 1000); }},
      {"Ephah",                 [](double x) { return x * (40.32 / 1000); },                                                            [](double b) { return b / (40.32 / 1000); }},
      {"Face Cord",             [](double x) { return x * ((CubicFootInCubicMetres * 128) / 3); },                                      [](double b) { return b / ((CubicFootInCubicMetres * 128) / 3); }},
      {"Faggot",                [](double x) { return x * ((3 / std::pow(3.14159265358979, 2.0)) * CubicFootInCubicMetres); },          [](double b) { return b / ((3 / std::pow(3.14159265358979, 2.0)) * CubicFootInCubicMetres); }},
      {"Fanega",                [](double x) { return x * (47.696188478399996 / 1000); },                                               [](double b) { return b / (47.696188478399996 / 1000); }},
      {"Fatt Imperial",         [](double x) { return x * (272.54964844799997 / 1000); },                                               [](double b) { return b / (272.54964844799997 / 1000); }},
      {"Fatt US",               [](double x) { return x * (272.54964844799997 / 1000); },                                               [](double b) { return b / (272.54964844799997 / 1000); }},
      {"Fifth",                 [](double x) { return x * (3.785411784 / 5000); },                                                      [](double b) { return b / (3.785411784 / 5000); }},
      {"Fluid Dram Imperial",   [](double x) { return x * ((CubicFootInCubicMetres * 34.678) / 221184); },                              [](double b) { return b / ((CubicFootInCubicMetres * 34.678) / 221184); }},
      {"Fluid Dram US",         [](double x) { return x * ((CubicFootInCubicMetres * 28.875) / 221184); },                              [](double b) { return b / ((CubicFootInCubicMetres * 28.875) / 221184); }},
      {"Fluid Ounce Imperial",  [](double x) { return x * ((CubicFootInCubicMetres * 34.678) / 27648); },                               [](double b) { return b / ((CubicFootInCubicMetres * 34.678) / 27648); }},
      {"Fluid Ounce US",        [](double x) { return x * ((CubicFootInCubicMetres * 28.875) / 27648); },                               [](double b) { return b / ((CubicFootInCubicMetres * 28.875) / 27648); }},
      {"Freight Ton",           [](double x) { return x * (CubicFootInCubicMetres * 40); },                                             [](double b) { return b / (CubicFootInCubicMetres * 40); }},
      {"Gallon Imperial",       [](double x) { return x * (4.54609 / 1000); },                                                          [](double b) { return b / (4.54609 / 1000); }},
      {"Gallon US",             [](double x) { return x * (3.785411784 / 1000); },                                                      [](double b) { return b / (3.785411784 / 1000); }},
      {"Garnet",                [](double x) { return x * (3.28 / 1000); },                                                             [](double b) { return b / (3.28 / 1000); }},
      {"Glass",                 [](double x) { return x * ((CubicFootInCubicMetres * 14.4375) / 1728); },                               [](double b) { return b / ((CubicFootInCubicMetres * 14.4375) / 1728); }},
      {"Go",                    [](double x) { return x * ((CubicFootInCubicMetres * 357.78679719999997) / 1728); },                    [](double b) { return b / ((CubicFootInCubicMetres * 357.78679719999997) / 1728); }},
      {"Heaped Bushel",         [](double x) { return x * (38.702050079616 / 1000); },                                                  [](double b) { return b / (38.702050079616 / 1000); }},
      {"Immi",                  [](double x) { return x * (1.5 / 1000); },                                                              [](double b) { return b / (1.5 / 1000); }},
      {"Jigger",                [](double x) { return x * ((CubicFootInCubicMetres * 43.3125) / 27648); },                              [](double b) { return b / ((CubicFootInCubicMetres * 43.3125) / 27648); }},
      {"Kilderkin",             [](double x) { return x * (81.82962 / 1000); },                                                         [](double b) { return b / (81.82962 / 1000); }},
      {"Koddi",                 [](double x) { return x * (18.18436 / 3000); },                                                         [](double b) { return b / (18.18436 / 3000); }},
      {"Koku",                  [](double x) { return x * (180.391 / 1000); },                                                          [](double b) { return b / (180.391 / 1000); }},
      {"Krina",                 [](double x) { return x * (20.0 / 1000); },                                                             [](double b) { return b / (20.0 / 1000); }},
      {"Kulmet",                [](double x) { return x * (10.910616000000001 / 1000); },                                               [](double b) { return b / (10.910616000000001 / 1000); }},
      {"Lambda",                [](double x) { return x * 1e-09; },                                                                     [](double b) { return b / 1e-09; }},
      {"Litre",                 [](double x) { return x * 0.001; },                                                                     [](double b) { return b / 0.001; }},
      {"Load",                  [](double x) { return x * (CubicFootInCubicMetres * 27); },                                             [](double b) { return b / (CubicFootInCubicMetres * 27); }},
      {"Miliard",               [](double x) { return x * 1000000000; },                                                                [](double b) { return b / 1000000000; }},
      {"Mililitre",             [](double x) { return x * 1e-06; },                                                                     [](double b) { return b / 1e-06; }},
      {"Minim Imperial",        [](double x) { return x * ((CubicFootInCubicMetres * 34.678) / 13271040); },                            [](double b) { return b / ((CubicFootInCubicMetres * 34.678) / 13271040); }},
      {"Minim US",              [](double x) { return x * ((CubicFootInCubicMetres * 28.875) / 13271040); },                            [](double b) { return b / ((CubicFootInCubicMetres * 28.875) / 13271040); }},
      {"Mud",                   [](double x) { return x / 10; },                                                                        [](double b) { return b * 10; }},
      {"Octavillo",             [](double x) { return x * 0.000289; },                                                                  [](double b) { return b / 0.000289; }},
      {"Ohm",                   [](double x) { return x / 6; },                                                                         [](double b) { return b * 6; }},
      {"Omer",                  [](double x) { return x * 0.004032; },                                                                  [](double b) { return b / 0.004032; }},
      {"Pint Dry US",           [](double x) { return x * ((CubicFootInCubicMetres * 33.6) / 1728); },                                  [](double b) { return b / ((CubicFootInCubicMetres * 33.6) / 1728); }},
      {"Pint Imperial",         [](double x) { return x * ((CubicFootInCubicMetres * 34.678) / 1728); },                                [](double b) { return b / ((CubicFootInCubicMetres * 34.678) / 1728); }},
      {"Pint Liquid US",        [](double x) { return x * ((CubicFootInCubicMetres * 28.875) / 1728); },                                [](double b) { return b / ((CubicFootInCubicMetres * 28.875) / 1728); }},
      {"Pipa",                  [](double x) { return x * 0.5; },                                                                       [](double b) { return b / 0.5; }},
      {"Pipe",                  [](double x) { return x * (476.961884784 / 1000); },                                                    [](double b) { return b / (476.961884784 / 1000); }},
      {"Puncheon Imperial",     [](double x) { return x * (318.22630000000004 / 1000); },                                               [](double b) { return b / (318.22630000000004 / 1000); }},
      {"Puncheon US",           [](double x) { return x * (264.97882488 / 1000); },                                                     [](double b) { return b / (264.97882488 / 1000); }},
      {"Quart Imperial",        [](double x) { return x * (4.54609 / 4000); },                                                          [](double b) { return b / (4.54609 / 4000); }},
      {"Quart US",              [](double x) { return x * (3.785411784 / 4000); },                                                      [](double b) { return b / (3.785411784 / 4000); }},
      {"Register Ton",          [](double x) { return x * (CubicFootInCubicMetres * 100); },                                            [](double b) { return b / (CubicFootInCubicMetres * 100); }},
      {"Rick",                  [](double x) { return x * ((CubicFootInCubicMetres * 128) / 3); },                                      [](double b) { return b / ((CubicFootInCubicMetres * 128) / 3); }},
      {"Riga Last",             [](double x) { return x * (CubicFootInCubicMetres * 80); },                                             [](double b) { return b / (CubicFootInCubicMetres * 80); }},
      {"Sack Imperial",         [](double x) { return x * (109.10616000000002 / 1000); },                                               [](double b) { return b / (109.10616000000002 / 1000); }},
      {"Sack US",               [](double x) { return x * (90.84988281599999 / 1000); },                                                [](double b) { return b / (90.84988281599999 / 1000); }},
      {"Seam Imperial",         [](double x) { return x * (290.94976 / 1000); },                                                        [](double b) { return b / (290.94976 / 1000); }},
      {"Seam US",               [](double x) { return x * (242.266354176 / 1000); },                                                    [](double b) { return b / (242.266354176 / 1000); }},
      {"Vedro",                 [](double x) { return x * (123.032 / 10000); },                                                         [](double b) { return b / (123.032 / 10000); }},
      {"Winchester Bushel",     [](double x) { return x * (30.283294272 / 1000); },                                                     [](double b) { return b / (30.283294272 / 1000); }},
      },
      // test order
      {
        "Acre Foot", "Acre Inch", "Amber", "Amphora Greek", "Amphora Roman", "Barrel Bulk",
        "Board Foot", "Bucket Imperial", "Bucket US", "Bushel Imperial", "Bushel US", "Centilitre",
        "Chalder-Chaldron", "Charka", "Coomb-Coom", "Cord", "Cord Foot", "Cran", "Cubic Centimeter",
        "Cubic Foot", "Cubic inch", "Cubic meter", "Cubic yard", "Cunit", "Cup", "Drum", "Ephah",
        "Face Cord", "Faggot", "Fanega", "Fatt Imperial", "Fatt US", "Fifth", "Fluid Dram US",
        "Fluid Ounce US", "Fluid Dram Imperial", "Fluid Ounce Imperial", "Freight Ton",
        "Gallon Imperial", "Gallon US", "Garnet", "Glass", "Go", "Heaped Bushel", "Immi", "Jigger",
        "Kilderkin", "Koddi", "Koku", "Krina", "Kulmet", "Lambda", "Litre", "Load", "Miliard",
        "Mililitre", "Minim US", "Minim Imperial", "Mud", "Octavillo", "Ohm", "Omer",
        "Pint Liquid US", "Pint Dry US", "Pint Imperial", "Pipa", "Pipe", "Puncheon Imperial",
        "Puncheon US", "Quart Imperial", "Quart US", "Register Ton", "Rick", "Riga Last", "Sack US",
        "Sack Imperial", "Seam Imperial", "Seam US", "Winchester Bushel", "Vedro", "Barrel US",
        "Barrel Imperial", "Barrel Petrolium"
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
