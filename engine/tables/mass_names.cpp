// Vardeln — MIT licence, see LICENSE.
// The names people write for the mass units, a row beside each row of mass.cpp
// in its order: symbols, singulars and plurals, other spellings.

#include "tables/names.h"

namespace vardeln {

const UnitNameTable& massNames() {
  // clang-format off
  static const UnitNameTable table{
      "mass",
      {
      // label                names people write for it
      {"Arroba",              {"arrobas"}},
      {"Atomic Mass Unit",    {"u", "amu", "atomic mass units"}},
      {"Bale Imperial",       {}},
      {"Bale US",             {}},
      {"Candy",               {}},
      {"Carat",               {}},
      {"Carat Metric",        {"ct", "metric carat", "metric carats"}},
      {"Chawal",              {"chawals"}},
      {"Chhatank",            {"chhatanks", "chatank", "chatanks", "chhatak", "chattak"}},
      {"Clove",               {"cloves"}},
      {"Crith",               {"criths"}},
      {"Dalton",              {"Da", "daltons"}},
      {"Drams",               {"dr", "dram"}},
      {"Electron Mass",       {"electron masses"}},
      {"Gamma",               {"μg", "ug", "mcg", "microgram", "micrograms", "microgramme", "microgrammes"}},
      {"Grain",               {"gr", "grains"}},
      {"Gram",                {"g", "gm", "grams", "gramme", "grammes", "gms"}},
      {"Hundred Weight",      {"cwt", "hundredweight", "hundredweights"}},
      {"Jupiter",             {"jupiter mass", "jupiter masses"}},
      {"Kilogram",            {"kg", "kgs", "kilograms", "kilogramme", "kilogrammes", "kilo", "kilos"}},
      {"Kip",                 {"kips"}},
      {"Long Ton",            {"long tons"}},
      {"Masha",               {"mashas", "maasha"}},
      {"Maund",               {"maunds", "mun", "mann"}},
      {"Metric Ton",          {"t", "tonne", "tonnes", "metric tons"}},
      {"Miligram",            {"mg", "milligram", "milligrams", "milligramme", "milligrammes"}},
      {"Ounce",               {"oz", "ounces", "ozs"}},
      {"Pao",                 {"paos", "pav", "paav"}},
      {"Pound",               {"lb", "lbs", "pounds"}},
      {"Quarter",             {"quarters"}},
      {"Quintal",             {"quintals", "qtl"}},
      {"Rotl-Arratel-Artel",  {"rotl", "arratel", "artel"}},
      {"Rutti",               {"ruttis", "ratti", "rattis", "rati"}},
      {"Seer",                {"seers", "ser", "sers"}},
      {"Short Ton",           {"short tons"}},
      {"Solar Mass",          {"solar masses"}},
      {"Stone",               {"st", "stones"}},
      {"Tola",                {"tolas", "tolah"}},
      },
      // Names several units share: never taken for one of them; they name the units instead.
      // name     units it may mean
      {
      {"ton",     {"Long Ton", "Metric Ton", "Short Ton"}},
      {"tons",    {"Long Ton", "Metric Ton", "Short Ton"}},
      {"bale",    {"Bale Imperial", "Bale US"}},
      {"bales",   {"Bale Imperial", "Bale US"}},
      },
  };
  // clang-format on
  return table;
}

}  // namespace vardeln
