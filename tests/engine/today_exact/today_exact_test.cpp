// Vardeln — MIT licence, see LICENSE.
// Conversions by today's definitions: every pair against the oracle's exact results, and the
// cases a person checks by hand, refusals and measured units among them.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "categories.h"
#include "exact_double.h"
#include "exact_number.h"
#include "quantity_conversion.h"
#include "today.h"
#include "today_arithmetic_text.h"
#include "today_conversion.h"
#include "today_exact_check.h"

namespace vardeln::today_exact {
namespace {

using Outcome = TodayConversion::Outcome;

std::size_t pairsWithADefinitionToday() {
  std::size_t pairs = 0;
  for (const Category& category : allCategories()) {
    std::size_t units = 0;
    for (std::size_t unit = 0; unit < category.rules().size(); ++unit)
      units += todaysDefinition(category, unit).standard();
    pairs += units * units;
  }
  return pairs;
}

TEST(TodayExact, EveryPairGivesTheOraclesDouble) {
  std::ifstream oracle(VARDELN_TODAY_ORACLE);
  ASSERT_TRUE(oracle) << "cannot read " << VARDELN_TODAY_ORACLE;
  const OracleReport report = checkOracle(oracle);
  std::string problems;
  for (std::size_t i = 0; i < report.problems.size() && i < 40; ++i)
    problems += report.problems[i] + '\n';
  EXPECT_EQ(report.problems.size(), 0u) << problems;
  EXPECT_EQ(report.pairsChecked, pairsWithADefinitionToday()) << "regenerate the oracle";
}

TEST(TodayExact, TheCheckerNoticesAChangedBit) {
  std::istringstream oracle(
      "inputs\t1\nsweep\nlength\tFeet\tMeters\t3fd381d7dbf487fc\tcbf29ce484222325\n");
  EXPECT_EQ(checkOracle(oracle).problems.size(), 1u);
}

struct Case {
  const char* name;
  const char* category;
  const char* from;
  const char* to;
  const char* typed;
  Outcome outcome;
  double result;
  const char* says;  // in the refusal or the measured note
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

// clang-format off
const Case kCases[] = {
    {"a foot is 0.3048 m",             "length",      "Feet",          "Meters",   "1",    Outcome::Result, 0.3048, ""},
    {"a tenth of a foot, exactly",     "length",      "Feet",          "Meters",   "0.1",  Outcome::Result, 0.03048, ""},
    {"500 mg is half a gram",          "mass",        "Miligram",      "Gram",     "500",  Outcome::Result, 0.5, ""},
    {"body heat",                      "temperature", "Fahrenheit",    "Celsius",  "98.6", Outcome::Result, 37, ""},
    {"read with blanks, as typed",     "temperature", "Celsius",       "Kelvin",   " -40\t", Outcome::Result, 233.15, ""},
    {"a measured unit says so",        "mass",        "Electron Mass", "Kilogram", "1",    Outcome::Result, 9.1093837015e-31,
     "Electron Mass is measured: 9.1093837015E-31 Kilogram, uncertainty 2.8e-40 kg (u_r 3.0e-10)"},
    {"a regional measure is refused",  "area",        "Bigha",         "Acres",    "1",    Outcome::NoDefinitionToday, 0,
     "Bigha has no single definition today (regional-historical (no single standard)): no standard"},
    {"not a number",                   "length",      "Feet",          "Meters",   "1 ft", Outcome::InvalidNumber, 0, ""},
    {"past the doubles, to a double",  "length",      "Millimeter",    "Meters",   "2e308", Outcome::Result, 2e305, ""},
    {"past the exact range",           "length",      "Feet",          "Meters",   "1e-900", Outcome::OutOfRange, 0, ""},
    {"parts and a fraction, rounded once", "length",  "Feet and Inches", "Meters", "5 7 2/3", Outcome::Result, 1.7187333333333332, ""},
    {"each refused unit named",        "time",        "Galactic Year", "Year",     "1",    Outcome::NoDefinitionToday, 0,
     "; Year has no single definition today"},
};
// clang-format on

class TodayCases : public ::testing::TestWithParam<Case> {};

TEST_P(TodayCases, ConvertsOrRefuses) {
  const Case& c = GetParam();
  const Category& category = *categoryById(c.category);
  const TodayConversion conversion = convertByToday(
      category, c.typed, *quantityUnit(category, c.from), *quantityUnit(category, c.to));
  ASSERT_EQ(conversion.outcome, c.outcome) << conversion.refusal;
  EXPECT_TRUE(testing::sameDouble(conversion.result, c.result));
  EXPECT_NE((conversion.refusal + conversion.measured).find(c.says), std::string::npos)
      << conversion.refusal << conversion.measured;
}

INSTANTIATE_TEST_SUITE_P(Rows, TodayCases, ::testing::ValuesIn(kCases));

// Every "5 7 n/d" in Feet and Inches is the nearest double of its exact length.
TEST(TodayExact, CompoundPartsAreRoundedOnce) {
  const Category& length = *categoryById("length");
  const TodayConverter converter(length, *quantityUnit(length, "Feet and Inches"),
                                 *quantityUnit(length, "Meters"));
  for (int d = 1; d <= 50; ++d) {
    for (int n = 0; n < d; ++n) {
      const std::string typed = "5 7 " + std::to_string(n) + "/" + std::to_string(d);
      const double exact = nearestDouble((Exact(67) + Exact(n) / d) * Exact(127, 5000));
      EXPECT_TRUE(testing::sameDouble(converter.convert(typed).result, exact)) << typed;
    }
  }
}

// A typed decimal whose exact result is a midpoint between two doubles, or a unit in its
// last place beside one, is rounded as the big integers round it (to the even last bit).
struct Midpoints {
  const char* category;
  const char* from;
  const char* to;
  const char* scale;  // result = typed × scale + shift
  const char* shift;
};

const Midpoints kMidpoints[] = {
    {"length", "Feet", "Meters", "381/1250", "0"},
    {"length", "Meters", "Feet", "1250/381", "0"},
    {"length", "Inches", "Meters", "127/5000", "0"},
    {"temperature", "Fahrenheit", "Celsius", "5/9", "-160/9"},
};

// A value with a finite decimal expansion, tenths of a unit in its last place away, in
// exponent form.
std::string decimalText(Exact value, int tenths) {
  int places = 1;
  for (value *= 10; boost::multiprecision::denominator(value) != 1; ++places) value *= 10;
  return fractionText(value + tenths) + "e-" + std::to_string(places);
}

TEST(TodayExact, MidpointsAreRoundedAsTheBigIntegersRound) {
  using boost::multiprecision::cpp_int;
  for (const Midpoints& row : kMidpoints) {
    const Category& category = *categoryById(row.category);
    const TodayConverter converter(category, *quantityUnit(category, row.from),
                                   *quantityUnit(category, row.to));
    const Exact scale = *exactTableValue(row.scale);
    const Exact shift = *exactTableValue(row.shift);
    // Odd 54-bit multiples of the scale's numerator but its twos and fives, so that each
    // typed value is a decimal.
    cpp_int p = boost::multiprecision::numerator(scale);
    while (p % 2 == 0) p /= 2;
    while (p % 5 == 0) p /= 5;
    for (cpp_int odd = ((cpp_int(1) << 53) / p + 1) | 1; odd < ((cpp_int(1) << 53) / p + 40);
         odd += 2) {
      for (const int power : {-1, 0, 2}) {
        const Exact midpoint = power < 0 ? Exact(odd * p, 2) : Exact((odd * p) << power);
        for (const int tenths : {-1, 0, 1}) {
          const std::string text = decimalText((midpoint - shift) / scale, tenths);
          const Exact exact = *exactDecimal(text) * scale + shift;
          EXPECT_TRUE(testing::sameDouble(converter.convert(text).result, nearestDouble(exact)))
              << row.from << " " << text;
        }
      }
    }
  }
}

struct Arithmetic {
  const char* category;
  const char* from;
  const char* to;
  const char* typed;
  const char* shown;  // toBase | fromBase | result | rounding, as the one writer writes them
};

// clang-format off
const Arithmetic kArithmetic[] = {
    {"length",      "Feet",       "Meters",     "0.1",    "B = x × 381/1250 | result = B ÷ 1 | 381/12500 | the nearest double (double − exact = 1.4876988529977098e-19)"},
    {"length",      "Meters",     "Feet",       "1",      "B = x × 1 | result = B ÷ (381/1250) | 1250/381 | the nearest double (double − exact = 9.324707818374018e-17)"},
    {"temperature", "Fahrenheit", "Kelvin",     "98.6",   "B = x × 5/9 − 160/9 | result = (B + 5463/20) ÷ 1 | 6203/20 | the nearest double (double − exact = -2.2737367544323207e-14)"},
    {"temperature", "Kelvin",     "Fahrenheit", "0",      "B = x × 1 − 5463/20 | result = (B + 160/9) ÷ (5/9) | -45967/100 | the nearest double (double − exact = -1.5916157281026246e-14)"},
    {"length",      "Meters",     "Meters",     "0.5",    "B = x × 1 | result = B ÷ 1 | 1/2 | the exact result itself"},
    {"length",      "Kilometers", "Millimeter", "3e-330", "B = x × 1000 | result = B ÷ (1/1000) | 3/1" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000" "0000 | the nearest double (double − exact is below half the smallest double)"},
    {"length",      "Parsec",     "Meters",     "1",      "B = x × 7714193953728418197284844894491179026829802901023/250000000000000000000000000000000 (648000/pi au, rounded to 50 digits) | result = B ÷ 1"
                                                          " | 7714193953728418197284844894491179026829802901023/250000000000000000000000000000000 ± 5.000000000000001e-34 | the nearest double (double − exact = -0.7891393795779648)"},
};
// clang-format on

TEST(TodayExact, WritesItsArithmeticOnce) {
  for (const Arithmetic& row : kArithmetic) {
    const Category& category = *categoryById(row.category);
    const TodayConversion conversion =
        convertByToday(category, row.typed, *category.unitIndex(row.from),
                       *category.unitIndex(row.to), TodayDetail::WithArithmetic);
    ASSERT_TRUE(conversion.arithmetic) << row.from;
    const TodayArithmetic& shown = *conversion.arithmetic;
    EXPECT_EQ(todayToBaseText(shown) + " | " + todayFromBaseText(shown) + " | " +
                  todayResultText(shown) + " | " + todayRoundingText(shown),
              row.shown);
  }
}

// A typed length whose exact parsecs lie within the rounded parsec's bounds of a midpoint
// (1 + 2^-53 m) is said to be undecided, never rounded as if known.
TEST(TodayExact, SaysARoundedDefinitionLeavesTheRoundingOpen) {
  const Category& length = *categoryById("length");
  const TodayConversion conversion = convertByToday(
      length, "3.240779289444365383036466203301815733855826093405873775744864345981033E-17",
      *length.unitIndex("Parsec"), *length.unitIndex("Meters"), TodayDetail::WithArithmetic);
  ASSERT_TRUE(conversion.arithmetic);
  EXPECT_FALSE(conversion.arithmetic->correctlyRounded);
}

}  // namespace
}  // namespace vardeln::today_exact
