// Vardeln — MIT licence, see LICENSE.
// What a name leaves open, beside the names tables: which size a unit of several regional or
// historical sizes is in its table (each number as its rule in <category>.cpp computes it),
// and the names refused because their users mean a unit the tables lack, or one of several.

#include "unit_name_notes.h"

namespace vardeln {
namespace {

// Food labels count energy in kilocalories and call them "Calories" or "calories".
constexpr std::string_view kFoodCalorie =
    "on a food label means the kilocalorie, 4.184 kJ, which the energy units lack; "
    "\"cal\" is the calorie of 4.1868 J";

// The table's "Carat" keeps its old rule; the carat of today's trade is the metric one.
constexpr std::string_view kCarat =
    "may mean the old carat of this table or the metric carat of 200 mg (\"ct\")";

}  // namespace

const UnitNameNotes& unitNameNotes() {
  // clang-format off
  static const UnitNameNotes notes{
      {
      // category  label             which size it is here
      {"area",     "Bigha",          "the Punjab bigha of 4 kanal, 21,780 sq ft; a Bengal or Assam bigha is 14,400 sq ft, and other regions' differ"},
      {"area",     "Kanal",          "the Punjab kanal of 20 marla, 5,445 sq ft; housing schemes count marlas of 250 or 225 sq ft"},
      {"area",     "Marla",          "the Punjab revenue marla of 272.25 sq ft; housing schemes count marlas of 250 or 225 sq ft"},
      {"energy",   "Calorie",        "the international calorie of 4.1868 J; the thermochemical calorie is 4.184 J, and a food Calorie 1000 calories"},
      {"mass",     "Hundred Weight", "the long hundredweight of 112 lb; the US hundredweight is 100 lb"},
      {"mass",     "Maund",          "the Indian maund of 40 seer; the maunds of other places and trades weighed otherwise"},
      {"mass",     "Quarter",        "the imperial quarter of 28 lb; the US quarter is 25 lb"},
      {"mass",     "Quintal",        "this table's quintal of 220.64 lb, about 100.08 kg; the metric quintal is 100 kg"},
      {"mass",     "Seer",           "the Indian seer of 80 tola; the seers of other places weighed otherwise"},
      {"volume",   "Cup",            "the US cup of 8 US fl oz, 236.59 mL; a metric cup is 250 mL, a US food label's 240 mL"},
      },
      {
      // category  name              units it may mean           what it means
      {"energy",   "Cal",            {},                         kFoodCalorie},
      {"energy",   "kcal",           {},                         kFoodCalorie},
      {"energy",   "calories",       {},                         kFoodCalorie},
      {"energy",   "food calorie",   {},                         kFoodCalorie},
      {"energy",   "food calories",  {},                         kFoodCalorie},
      {"energy",   "kilocalorie",    {},                         kFoodCalorie},
      {"energy",   "kilocalories",   {},                         kFoodCalorie},
      {"mass",     "carat",          {"Carat", "Carat Metric"},  kCarat},
      {"mass",     "carats",         {"Carat", "Carat Metric"},  kCarat},
      },
  };
  // clang-format on
  return notes;
}

}  // namespace vardeln
