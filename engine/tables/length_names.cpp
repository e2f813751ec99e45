// Vardeln — MIT licence, see LICENSE.
// The names people write for the length units, a row beside each row of length.cpp
// in its order: symbols, singulars and plurals, other spellings.

#include "tables/names.h"

namespace vardeln {

const UnitNameTable& lengthNames() {
  // clang-format off
  static const UnitNameTable table{
      "length",
      {
      // label               names people write for it
      {"Admiralty Mile",     {"admiralty miles"}},
      {"Agate",              {"agates"}},
      {"Aln-Alen",           {"aln", "alen"}},
      {"Angstrom",           {"Å", "ångström", "ångströms", "angstroms"}},
      {"Angstrom Star",      {}},
      {"Arshin",             {"arshins"}},
      {"Astronomical Unit",  {"au", "astronomical units"}},
      {"Barleycorn",         {"barleycorns"}},
      {"Bicron",             {"bicrons", "pm", "picometer", "picometers", "picometre", "picometres"}},
      {"Billet",             {"billets"}},
      {"Bohr Radius",        {"bohr radii"}},
      {"Braccio",            {"braccia"}},
      {"Breadth",            {"breadths"}},
      {"Cable",              {"cables", "cable length", "cable lengths"}},
      {"Centimeters",        {"cm", "centimeter", "centimetre", "centimetres", "cms"}},
      {"Chain",              {"ch", "chains"}},
      {"Cubit",              {"cubits"}},
      {"Danda",              {"dandas"}},
      {"Diamond",            {}},
      {"Digit",              {"digits"}},
      {"Fathom",             {"ftm", "fathoms"}},
      {"Feet",               {"ft", "′", "'", "foot"}},
      {"Fermi",              {"fermis", "fm", "femtometer", "femtometers", "femtometre", "femtometres"}},
      {"Furlong",            {"fur", "furlongs"}},
      {"Gauge Wire",         {}},
      {"Girah",              {"girahs"}},
      {"Goad",               {"goads"}},
      {"Hand",               {"hh", "hands"}},
      {"Haths",              {"hath", "haath", "haaths"}},
      {"Hectometers",        {"hm", "hectometer", "hectometre", "hectometres"}},
      {"Hubble",             {}},
      {"Inches",             {"in", "″", "\"", "inch"}},
      {"Kilometers",         {"km", "kilometer", "kilometre", "kilometres", "kms"}},
      {"Lap",                {"laps"}},
      {"Leap",               {"leaps"}},
      {"Leauge",             {"league", "leagues"}},
      {"Light Year",         {"ly", "light years", "light-year", "light-years", "lightyear"}},
      {"Link",               {"links"}},
      {"Marathon",           {"marathons"}},
      {"Meters",             {"m", "meter", "metre", "metres"}},
      {"Miles",              {"mi", "mile"}},
      {"Millimeter",         {"mm", "millimeters", "millimetre", "millimetres"}},
      {"Nautical Miles",     {"nmi", "nautical mile"}},
      {"Pace",               {"paces"}},
      {"Parsec",             {"pc", "parsecs"}},
      {"Ridge",              {"ridges"}},
      {"Rod-Perch-Pole",     {"rod", "rods", "perch", "perches", "pole", "poles"}},
      {"Siegbahn Unit",      {"siegbahn units"}},
      {"Span",               {"spans"}},
      {"Stadion",            {"stadia"}},
      {"Unglis",             {"ungli"}},
      {"Verchok",            {"verchoks", "vershok", "vershoks"}},
      {"Verst",              {"versts", "versta"}},
      {"X Unit",             {"xu", "x units"}},
      {"Yard-Gaz",           {"yd", "yds", "yard", "yards", "gaz", "gaj"}},
      },
      // No name here is shared by several units.
      {},
  };
  // clang-format on
  return table;
}

}  // namespace vardeln
