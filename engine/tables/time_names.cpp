// Vardeln — MIT licence, see LICENSE.
// The names people write for the time units, a row beside each row of time.cpp
// in its order: symbols, singulars and plurals, other spellings.

#include "tables/names.h"

namespace vardeln {

const UnitNameTable& timeNames() {
  // clang-format off
  static const UnitNameTable table{
      "time",
      {
      // label             names people write for it
      {"Aeon",             {"aeons", "eon", "eons"}},
      {"Bells",            {"bell"}},
      {"Biennium",         {"biennia", "bienniums"}},
      {"Blink",            {"blinks"}},
      {"Century",          {"centuries"}},
      {"Day",              {"d", "days"}},
      {"Decade",           {"decades"}},
      {"Eclipse Year",     {"eclipse years"}},
      {"Galactic Year",    {"galactic years"}},
      {"Gregorian Year",   {"gregorian years"}},
      {"Helek / Halakim",  {"helek", "halakim"}},
      {"Hour",             {"h", "hr", "hrs", "hours"}},
      {"Lunar Month",      {"lunar months"}},
      {"Luster",           {"lustre", "lustrum", "lustra"}},
      {"Metonic cycle",    {"metonic cycles"}},
      {"Millinium",        {"millennium", "millennia", "millenniums"}},
      {"Minute",           {"min", "mins", "minutes"}},
      {"Olympiad",         {"olympiads"}},
      {"Quadrennium",      {"quadrennia", "quadrenniums"}},
      {"Quinquennium",     {"quinquennia", "quinquenniums"}},
      {"Saros",            {}},
      {"Second",           {"s", "sec", "secs", "seconds"}},
      {"Shake",            {"shakes"}},
      {"Sidereal Day",     {"sidereal days"}},
      {"Sol",              {"sols"}},
      {"Synodic Month",    {"synodic months"}},
      {"Third",            {"thirds"}},
      {"Tropical Year",    {"tropical years"}},
      {"Watches",          {"watch"}},
      {"Year",             {"yr", "yrs", "years"}},
      },
      // No name here is shared by several units.
      {},
  };
  // clang-format on
  return table;
}

}  // namespace vardeln
