// Vardeln — MIT licence, see LICENSE.
// The length category: base unit the metre, 55 units.

#include <cmath>

#include "constants.h"
#include "tables/tables.h"

namespace vardeln {

const Category& lengthCategory() {
  // clang-format off
  static const Category category(
      {"length", "lengthMenu", "&Length", "Meters"},
      {
      // label              to base: B = f(x)                                                                from base: result = g(B)
      {"Admiralty Mile",     [](double x) { return (x * 6080) * FootInMetres; },                              [](double b) { return b / (FootInMetres * 6080); }},
      {"Agate",              [](double x) { return (x * 0.00035146) * 5.5; },                                 [](double b) { return b / 0.00193303; }},
      {"Aln-Alen",           [](double x) { return x * 0.6; },                                                [](double b) { return b / 0.6; }},
      {"Angstrom",           [](double x) { return std::pow(10.0, -10.0) * x; },                              [](double b) { return b / std::pow(10.0, -10.0); }},
      {"Angstrom Star",      [](double x) { return x * std::pow(1.0000015, -10.0); },                         [](double b) { return b / std::pow(1.0000015, -10.0); }},
      {"Arshin",             [](double x) { return (x * 28) * (FootInMetres / 12); },                         [](double b) { return b / ((FootInMetres / 12) * 28); }},
      {"Astronomical Unit",  [](double x) { return x * 149597870691; },                                       [](double b) { return b / 149597870691; }},
      {"Barleycorn",         [](double x) { return x * (FootInMetres / 36); },                                [](double b) { return b / (FootInMetres / 36); }},
      {"Bicron",             [](double x) { return x * 1e-12; },                                              [](double b) { return b / 1e-12; }},
      {"Billet",             [](double x) { return (x * 40) * (FootInMetres / 12); },                         [](double b) { return b / ((FootInMetres / 12) * 40); }},
      {"Bohr Radius",        [](double x) { return x * 5.2918e-11; },                                         [](double b) { return b / 5.2918e-11; }},
      {"Braccio",            [](double x) { return x * 0.7; },                                                [](double b) { return b / 0.7; }},
      {"Breadth",            [](double x) { return ((x * 2.25) * 4) * (FootInMetres / 12); },                 [](double b) { return b / ((FootInMetres / 12) * 9); }},
      {"Cable",              [](double x) { return ((x * 240) * 3) * FootInMetres; },                         [](double b) { return b / (FootInMetres * 720); }},
      {"Centimeters",        [](double x) { return x / 100; },                                                [](double b) { return b * 100; }},
      {"Chain",              [](double x) { return ((x * 22) * 3) * FootInMetres; },                          [](double b) { return b / (FootInMetres * 66); }},
      {"Cubit",              [](double x) { return (x * 1.5) * FootInMetres; },                               [](double b) { return b / (FootInMetres * 1.5); }},
      {"Danda",              [](double x) { return ((x * 2) * 3) * FootInMetres; },                           [](double b) { return b / (FootInMetres * 6); }},
      {"Diamond",            [](double x) { return x * ((FootInMetres * 8) / 5); },                           [](double b) { return b / ((FootInMetres * 8) / 5); }},
      {"Digit",              [](double x) { return x * (FootInMetres / 16); },                                [](double b) { return b / (FootInMetres / 16); }},
      {"Fathom",             [](double x) { return ((x * 2) * 3) * FootInMetres; },                           [](double b) { return b / (FootInMetres * 6); }},
      {"Feet",               [](double x) { return x * FootInMetres; },                                       [](double b) { return b / FootInMetres; }},
      {"Fermi",              [](double x) { return x * 1e-15; },                                              [](double b) { return b / 1e-15; }},
      {"Furlong",            [](double x) { return (((x * 10) * 22) * 3) * FootInMetres; },                   [](double b) { return b / (FootInMetres * 660); }},
      {"Gauge Wire",         [](double x) { return x * 0.0001; },                                             [](double b) { return b / 0.0001; }},
      {"Girah",              [](double x) { return (x * (FootInMetres / 12)) * 2.25; },                       [](double b) { return b / ((FootInMetres / 12) * 2.25); }},
      {"Goad",               [](double x) { return x * (FootInMetres * 4.5); },                               [](double b) { return b / (FootInMetres * 4.5); }},
      {"Hand",               [](double x) { return (x * 4) * (FootInMetres / 12); },                          [](double b) { return b / ((FootInMetres / 12) * 4); }},
      {"Haths",              [](double x) { return ((x * 8) * 2.25) * (FootInMetres / 12); },                 [](double b) { return b / ((FootInMetres / 12) * 18); }},
      {"Hectometers",        [](double x) { return x * 100; },                                                [](double b) { return b / 100; }},
      {"Hubble",             [](double x) { return (x * 299792458) * 3.15569259747e+16; },                    [](double b) { return b / 9.460528404879359e+24; }},
      {"Inches",             [](double x) { return x * (FootInMetres / 12); },                                [](double b) { return b / (FootInMetres / 12); }},
      {"Kilometers",         [](double x) { return x * 1000; },                                               [](double b) { return b / 1000; }},
      {"Lap",                [](double x) { return x * 400; },                                                [](double b) { return b / 400; }},
      {"Leap",               [](double x) { return x * (FootInMetres * 6.75); },                              [](double b) { return b / (FootInMetres * 6.75); }},
      {"Leauge",             [](double x) { return ((((x * 3) * 8.44) * 240) * 3) * FootInMetres; },          [](double b) { return b / (FootInMetres * 18230.4); }},
      {"Light Year",         [](double x) { return (x * 299792458) * 31556925.9747; },                        [](double b) { return b / 9460528404879358; }},
      {"Link",               [](double x) { return (x * std::sqrt(62.75)) * (FootInMetres / 12); },           [](double b) { return b / ((FootInMetres / 12) * std::sqrt(62.75)); }},
      {"Marathon",           [](double x) { return (x * 138435) * FootInMetres; },                            [](double b) { return b / (FootInMetres * 138435); }},
      {"Meters",             [](double x) { return x; },                                                      [](double b) { return b; }},
      {"Miles",              [](double x) { return (((x * 80) * 22) * 3) * FootInMetres; },                   [](double b) { return b / (FootInMetres * 5280); }},
      {"Millimeter",         [](double x) { return x * 0.001; },                                              [](double b) { return b * 1000; }},
      {"Nautical Miles",     [](double x) { return (((x * 8.44) * 240) * 3) * FootInMetres; },                [](double b) { return b / (FootInMetres * 6076.799999999999); }},
      {"Pace",               [](double x) { return x * 0.762; },                                              [](double b) { return b / 0.762; }},
      {"Parsec",             [](double x) { return x * 3.0857e+16; },                                         [](double b) { return b / 3.0857e+16; }},
      {"Ridge",              [](double x) { return x * (FootInMetres * 20.25); },                             [](double b) { return b / (FootInMetres * 20.25); }},
      {"Rod-Perch-Pole",     [](double x) { return ((x * 5.5) * 3) * FootInMetres; },                         [](double b) { return b / (FootInMetres * 16.5); }},
      {"Siegbahn Unit",      [](double x) { return x * 1.0021e-13; },                                         [](double b) { return b / 1.0021e-13; }},
      {"Span",               [](double x) { return ((x * 2.25) * 4) * (FootInMetres / 12); },                 [](double b) { return b / ((FootInMetres / 12) * 9); }},
      {"Stadion",            [](double x) { return x * (FootInMetres * 630.8); },                             [](double b) { return b / (FootInMetres * 630.8); }},
      {"Unglis",             [](double x) { return (x * (FootInMetres / 12)) / 1.23; },                       [](double b) { return b / ((FootInMetres / 12) / 1.23); }},
      {"Verchok",            [](double x) { return x * ((FootInMetres * 1.75) / 12); },                       [](double b) { return b / ((FootInMetres * 1.75) / 12); }},
      {"Verst",              [](double x) { return x * (FootInMetres * 3500); },                              [](double b) { return b / (FootInMetres * 3500); }},
      {"X Unit",             [](double x) { return x * 1.0021e-13; },                                         [](double b) { return b / 1.0021e-13; }},
      {"Yard-Gaz",           [](double x) { return (x * 3) * FootInMetres; },                                 [](double b) { return b / (FootInMetres * 3); }},
      },
      // test order
      {
        "Astronomical Unit", "Cable", "Centimeters", "Chain", "Cubit", "Danda", "Fathom", "Feet",
        "Furlong", "Girah", "Hand", "Haths", "Hectometers", "Inches", "Kilometers", "Leauge",
        "Light Year", "Link", "Meters", "Miles", "Nautical Miles", "Pace", "Parsec",
        "Rod-Perch-Pole", "Span", "Unglis", "Yard-Gaz", "Admiralty Mile", "Agate", "Aln-Alen",
        "Angstrom", "Angstrom Star", "Arshin", "Barleycorn", "Bicron", "Billet", "Bohr Radius",
        "Braccio", "Breadth", "Diamond", "Digit", "Fermi", "Gauge Wire", "Goad", "Hubble", "Lap",
        "Leap", "Marathon", "Millimeter", "Ridge", "Siegbahn Unit", "X Unit", "Stadion", "Verchok",
        "Verst"
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
