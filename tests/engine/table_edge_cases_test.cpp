// Vardeln — MIT licence, see LICENSE.
// The conversions the unit tables are known by, each compared to the last bit of its double.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "categories.h"
#include "conversion.h"
#include "exact_double.h"
#include "number_text.h"

namespace vardeln {
namespace {

struct KnownConversion {
  const char* category;
  double x;
  const char* from;
  const char* to;
  double expected;
  // Most conversions land on their double exactly; a few land one step away and are known
  // by the text the result box shows, which rounds to 15 significant digits.
  enum Match { kExact, kShown } match = kExact;
};

void PrintTo(const KnownConversion& c, std::ostream* out) {
  *out << c.x << " " << c.from << " to " << c.to;
}

std::string caseName(const ::testing::TestParamInfo<KnownConversion>& info) {
  std::string name = std::string(info.param.category) + "_" + std::to_string(info.index);
  return name;
}

class KnownConversions : public ::testing::TestWithParam<KnownConversion> {};

TEST_P(KnownConversions, GiveTheirExactDouble) {
  const KnownConversion& c = GetParam();
  const Category* category = categoryById(c.category);
  ASSERT_NE(category, nullptr);
  const std::optional<std::size_t> from = category->unitIndex(c.from);
  const std::optional<std::size_t> to = category->unitIndex(c.to);
  ASSERT_TRUE(from) << c.from;
  ASSERT_TRUE(to) << c.to;
  const Conversion result =
      convertThroughBase(category->rules()[*from], category->rules()[*to], c.x);
  ASSERT_EQ(result.outcome, Conversion::Outcome::Result);
  if (c.match == KnownConversion::kExact) {
    EXPECT_TRUE(testing::sameDouble(result.result, c.expected));
  } else {
    EXPECT_EQ(formatDouble(result.result), formatDouble(c.expected));
  }
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tables, KnownConversions, ::testing::Values(
    // category   x        from                      to                        expected
    KnownConversion{"area",  1,       "Hectares",               "Ares",                   100},
    KnownConversion{"area",  1,       "Dunum",                  "Cong",                   1},
    KnownConversion{"area",  1,       "Meters Square",          "Barn",                   1e28},
    KnownConversion{"area",  1,       "Homestead",              "Acres",                  160},
    KnownConversion{"area",  1,       "Homestead",              "Homestead",              1},
    KnownConversion{"area",  1e300,   "Meters Square",          "Shed",                   kInfinity},
    KnownConversion{"area",  1e-300,  "Barn",                   "Meters Square",          0},
    KnownConversion{"length", 1,      "Furlong",                "Feet",                   660},
    KnownConversion{"length", 1,      "Miles",                  "Feet",                   5280},
    KnownConversion{"length", 1,      "Feet",                   "Meters",                 0.3047999902464003},
    KnownConversion{"length", 1,      "Inches",                 "Centimeters",            2.5399999187200026},
    KnownConversion{"length", 1,      "Nautical Miles",         "Meters",                 1852.2085807293251},
    KnownConversion{"length", 1,      "Angstrom Star",          "Meters",                 0.9999850001237494},
    KnownConversion{"length", 1,      "Angstrom",               "Meters",                 1e-10},
    KnownConversion{"length", 1,      "Danda",                  "Fathom",                 1},
    KnownConversion{"mass",  1,       "Maund",                  "Maund",                  1},
    KnownConversion{"mass",  1,       "Maund",                  "Seer",                   40},
    KnownConversion{"mass",  1,       "Maund",                  "Kilogram",               37.324799999999996},
    KnownConversion{"mass",  1,       "Seer",                   "Pao",                    4},
    KnownConversion{"mass",  1,       "Tola",                   "Masha",                  12, KnownConversion::kShown},
    KnownConversion{"mass",  1,       "Chawal",                 "Rutti",                  0.125},
    KnownConversion{"mass",  1,       "Kilogram",               "Pound",                  2.20462},
    KnownConversion{"mass",  1,       "Pound",                  "Ounce",                  16},
    KnownConversion{"mass",  1,       "Pound",                  "Drams",                  256},
    KnownConversion{"mass",  1,       "Long Ton",               "Short Ton",              1.12, KnownConversion::kShown},
    KnownConversion{"mass",  1,       "Miligram",               "Gram",                   0.1},
    KnownConversion{"mass",  1,       "Grain",                  "Gram",                   6.48, KnownConversion::kShown},
    KnownConversion{"mass",  1,       "Carat",                  "Grain",                  4},
    KnownConversion{"mass",  1,       "Atomic Mass Unit",       "Dalton",                 1},
    KnownConversion{"volume", 1,      "Litre",                  "Mililitre",              1000, KnownConversion::kShown},
    KnownConversion{"volume", 1,      "Cubic meter",            "Litre",                  1000},
    KnownConversion{"volume", 1,      "Cubic Centimeter",       "Mililitre",              1},
    KnownConversion{"volume", 1,      "Gallon US",              "Quart US",               4},
    KnownConversion{"volume", 1,      "Gallon Imperial",        "Bucket Imperial",        0.25},
    KnownConversion{"volume", 1,      "Cubic Foot",             "Cubic inch",             1728, KnownConversion::kShown},
    KnownConversion{"volume", 1,      "Cubic yard",             "Cubic Foot",             27},
    KnownConversion{"volume", 1,      "Cord",                   "Face Cord",              3},
    KnownConversion{"volume", 1,      "Pint Liquid US",         "Fluid Ounce US",         16},
    KnownConversion{"volume", 1,      "Pint Liquid US",         "Fluid Dram US",          128},
    KnownConversion{"volume", 1,      "Pint Liquid US",         "Minim US",               7680},
    KnownConversion{"volume", 1,      "Acre Foot",              "Acre Inch",              12, KnownConversion::kShown},
    KnownConversion{"volume", 1,      "Lambda",                 "Lambda",                 1},
    KnownConversion{"volume", 1,      "Faggot",                 "Faggot",                 1},
    KnownConversion{"volume", 1,      "Krina",                  "Litre",                  20},
    KnownConversion{"volume", 1,      "Kulmet",                 "Litre",                  10.910616, KnownConversion::kShown},
    KnownConversion{"volume", 1,      "Lambda",                 "Mililitre",              0.001},
    KnownConversion{"volume", 1,      "Chalder-Chaldron",       "Cubic meter",            1.30927392},
    KnownConversion{"volume", 1,      "Chalder-Chaldron",       "Bushel Imperial",        36},
    KnownConversion{"volume", 1,      "Coomb-Coom",             "Bushel Imperial",        4},
    KnownConversion{"volume", 1,      "Coomb-Coom",             "Amber",                  1},
    KnownConversion{"time",  1,       "Day",                    "Hour",                   24},
    KnownConversion{"time",  1,       "Hour",                   "Minute",                 60},
    KnownConversion{"time",  1,       "Minute",                 "Third",                  3600},
    KnownConversion{"time",  1,       "Watches",                "Bells",                  8},
    KnownConversion{"time",  1,       "Hour",                   "Helek / Halakim",        1080},
    KnownConversion{"time",  1,       "Century",                "Decade",                 10},
    KnownConversion{"time",  1,       "Olympiad",               "Year",                   4},
    KnownConversion{"time",  1,       "Luster",                 "Quinquennium",           1},
    KnownConversion{"time",  1,       "Eclipse Year",           "Day",                    346.62},
    KnownConversion{"time",  1,       "Gregorian Year",         "Day",                    365.2425},
    KnownConversion{"time",  1,       "Day",                    "Blink",                  100000, KnownConversion::kShown},
    KnownConversion{"time",  1,       "Second",                 "Shake",                  100000000},
    KnownConversion{"time",  1,       "Aeon",                   "Year",                   1000000000},
    KnownConversion{"energy", 1,      "kiloWatt hour",          "KiloJoules",             3600},
    KnownConversion{"energy", 1,      "Calorie",                "Joules",                 4.1868},
    KnownConversion{"energy", 1,      "Thermie",                "Calorie",                1000.0000000000001},
    KnownConversion{"energy", 1,      "British Thermal Unit",   "Celsius Heat Unit",      0.5555555555555556},
    KnownConversion{"energy", 1,      "BOE",                    "British Thermal Unit",   5800000},
    KnownConversion{"pressure", 1,    "Atmosphere",             "mmHg",                   760},
    KnownConversion{"pressure", 1,    "Atmosphere",             "Bar",                    1.01325},
    KnownConversion{"pressure", 1,    "Atmosphere",             "Pascal",                 101325},
    KnownConversion{"pressure", 1,    "Pounds / inch Square",   "Pascal",                 6894.765934037358},
    KnownConversion{"pressure", 1,    "Atmosphere",             "Pounds / inch Square",   14.695930357807992},
    KnownConversion{"pressure", 1,    "Barye",                  "Dynes / cm Square",      1},
    KnownConversion{"pressure", 1,    "Technical Atmosphere",   "Kg / cm Square",         1},
    KnownConversion{"pressure", 1,    "g / cm Square",          "g / Meter Square",       10000},
    KnownConversion{"pressure", 1,    "g / cm Square",          "Pascal",                 9806650},
    KnownConversion{"prefix", 1,      "Kilo",                   "No Prefix",              1000},
    KnownConversion{"prefix", 1,      "No Prefix",              "Milli",                  1000},
    KnownConversion{"prefix", 1,      "Crore",                  "Lakh",                   100},
    KnownConversion{"prefix", 1,      "Kibi",                   "No Prefix",              10000000000},
    KnownConversion{"prefix", 1,      "Googol",                 "No Prefix",              1e+100},
    KnownConversion{"prefix", 1,      "Dozen",                  "No Prefix",              12},
    KnownConversion{"prefix", 7,      "Hexad",                  "Heptad",                 6},
    KnownConversion{"temperature", 100, "Celsius",              "Fahrenheit",             212},
    KnownConversion{"temperature", -40, "Celsius",              "Fahrenheit",             -40},
    KnownConversion{"temperature", -40, "Fahrenheit",           "Celsius",                -40},
    KnownConversion{"temperature", 0,   "Kelvin",               "Celsius",                -273.15},
    KnownConversion{"temperature", 0,   "Celsius",              "Kelvin",                 273.15},
    KnownConversion{"temperature", 0,   "Celsius",              "Rankine",                491.67},
    KnownConversion{"temperature", 80,  "Réaumur",              "Celsius",                100},
    KnownConversion{"temperature", 100, "Celsius",              "Réaumur",                80},
    KnownConversion{"temperature", 0,   "Fahrenheit",           "Kelvin",                 255.3722222222222},
    KnownConversion{"speed", 36,      "Kilometers/hour",        "Meters/second",          10},
    KnownConversion{"speed", 1,       "Meters/second",          "Feet/second",            3.28084},
    KnownConversion{"speed", 1,       "Feet/second",            "Meters/second",          0.3047999902464003},
    KnownConversion{"speed", 1,       "Miles/hour",             "Kilometers/hour",        1.6093439485009937},
    KnownConversion{"speed", 1,       "Nauts-Knots",            "Meters/second",          0.5145023835359237},
    KnownConversion{"speed", 1,       "Mach",                   "Meters/second",          331.6},
    KnownConversion{"speed", 1,       "Meters/second",          "Meters/hour",            3600},
    KnownConversion{"density", 1,     "g / Meter cube",         "Kg / Meter cube",        0.001},
    KnownConversion{"density", 1,     "Kg / Meter cube",        "g / cm cube",            1000000000},
    KnownConversion{"density", 1,     "Kg / cm cube",           "g / cm cube",            1000},
    KnownConversion{"density", 1,     "Pound / Inch cube",      "Kg / Meter cube",        33.10943692506195},
    KnownConversion{"force", 1,       "Kg Force",               "Newton",                 9.80665},
    KnownConversion{"force", 1,       "Pound Force",            "Newton",                 4.448226905317016},
    KnownConversion{"force", 1,       "Kg Force",               "Pound Force",            2.20462},
    KnownConversion{"force", 1,       "Sthene",                 "Newton",                 1000},
    KnownConversion{"power", 1,       "DonkeyPower",            "Watt",                   250},
    KnownConversion{"power", 1000,    "Watt",                   "DonkeyPower",            4},
    KnownConversion{"power", 1,       "HorsePower Imperial",    "HorsePower Metric",      1.0138696646323329}),
    caseName);
// clang-format on

}  // namespace
}  // namespace vardeln
