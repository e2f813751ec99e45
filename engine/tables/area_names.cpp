// Vardeln — MIT licence, see LICENSE.
// The names people write for the area units, a row beside each row of area.cpp
// in its order: symbols, singulars and plurals, other spellings.

#include "tables/names.h"

namespace vardeln {

const UnitNameTable& areaNames() {
  // clang-format off
  static const UnitNameTable table{
      "area",
      {
      // label                   names people write for it
      {"Acres",                  {"acre", "ac"}},
      {"Ares",                   {"are"}},
      {"Barn",                   {"barns"}},
      {"Bigha",                  {"bighas"}},
      {"Centimeters Square",     {"cm²", "cm2", "sq cm", "square centimeter", "square centimeters", "square centimetre", "square centimetres"}},
      {"Chains Square",          {"square chain", "square chains"}},
      {"Cong",                   {}},
      {"Cuerda",                 {"cuerdas"}},
      {"Decares",                {"decare", "daa"}},
      {"Dessiatina",             {"dessiatinas", "desyatina", "desyatinas"}},
      {"Dunum",                  {"dunums", "dunam", "dunams", "donum", "donums"}},
      {"Feet Square",            {"ft²", "ft2", "sq ft", "sqft", "square foot", "square feet"}},
      {"Hectares",               {"ha", "hectare"}},
      {"Homestead",              {"homesteads"}},
      {"Inches Square",          {"in²", "in2", "sq in", "square inch", "square inches"}},
      {"Jo",                     {}},
      {"Kanal",                  {"kanals"}},
      {"Kilometers Square",      {"km²", "km2", "sq km", "square kilometer", "square kilometers", "square kilometre", "square kilometres"}},
      {"Link Square",            {"square link", "square links"}},
      {"Marla",                  {"marlas"}},
      {"Meters Square",          {"m²", "m2", "sq m", "sqm", "square meter", "square meters", "square metre", "square metres"}},
      {"Miles Square",           {"mi²", "mi2", "sq mi", "square mile", "square miles"}},
      {"Moraba",                 {"murabba", "murabbas"}},
      {"Rod-Perch-Pole Square",  {"square rod", "square rods", "square perch", "square perches", "square pole", "square poles"}},
      {"Rood",                   {"roods"}},
      {"Shed",                   {"sheds"}},
      {"Square Flooring",        {}},
      {"Square Karam",           {"square karams", "karam", "karams", "sarsai", "sarsais"}},
      {"Yard-Gaz Square",        {"yd²", "yd2", "sq yd", "square yard", "square yards", "square gaz", "square gaj", "sq gaj"}},
      },
      // No name here is shared by several units.
      {},
  };
  // clang-format on
  return table;
}

}  // namespace vardeln
