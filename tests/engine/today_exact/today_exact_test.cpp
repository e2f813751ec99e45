// Vardeln — MIT licence, see LICENSE.
// Conversions by today's definitions: every pair against the oracle's exact results, and the
// cases a person checks by hand, refusals and measured units among them.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "categories.h"
#include "exact_double.h"
#include "today.h"
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
};
// clang-format on

class TodayCases : public ::testing::TestWithParam<Case> {};

TEST_P(TodayCases, ConvertsOrRefuses) {
  const Case& c = GetParam();
  const Category& category = *categoryById(c.category);
  const TodayConversion conversion =
      convertByToday(category, c.typed, *category.unitIndex(c.from), *category.unitIndex(c.to));
  ASSERT_EQ(conversion.outcome, c.outcome) << conversion.refusal;
  EXPECT_TRUE(testing::sameDouble(conversion.result, c.result));
  EXPECT_TRUE((conversion.refusal + conversion.measured).starts_with(c.says))
      << conversion.refusal << conversion.measured;
}

INSTANTIATE_TEST_SUITE_P(Rows, TodayCases, ::testing::ValuesIn(kCases));

struct Arithmetic {
  const char* category;
  const char* from;
  const char* to;
  const char* typed;
  TodayArithmetic shown;
};

// clang-format off
const Arithmetic kArithmetic[] = {
    {"length",      "Feet",       "Meters",  "0.1",  {"1/10",  {"381/1250", "0"},      {"1", "0"}, "381/12500", 1.4876988529977098e-19}},
    {"temperature", "Fahrenheit", "Kelvin",  "98.6", {"493/5", {"5/9",      "-160/9"}, {"1", "-5463/20"}, "6203/20", -2.2737367544323207e-14}},
};
// clang-format on

TEST(TodayExact, ShowsItsExactArithmetic) {
  for (const Arithmetic& row : kArithmetic) {
    const Category& category = *categoryById(row.category);
    const TodayConversion conversion =
        convertByToday(category, row.typed, *category.unitIndex(row.from),
                       *category.unitIndex(row.to), TodayDetail::WithArithmetic);
    ASSERT_TRUE(conversion.arithmetic) << row.from;
    const TodayArithmetic& shown = *conversion.arithmetic;
    EXPECT_EQ(shown.typed + " " + shown.from.factor + " " + shown.from.offset + " " +
                  shown.to.factor + " " + shown.to.offset + " " + shown.exact,
              row.shown.typed + " " + row.shown.from.factor + " " + row.shown.from.offset + " " +
                  row.shown.to.factor + " " + row.shown.to.offset + " " + row.shown.exact);
    EXPECT_TRUE(testing::sameDouble(shown.roundingError, row.shown.roundingError)) << row.from;
  }
}

}  // namespace
}  // namespace vardeln::today_exact
