// Vardeln — MIT licence, see LICENSE.
// The command line writes what the window's result box would show, and --exact the very
// double behind it.
#include <gtest/gtest.h>

#include <charconv>

#include "value_converter.h"
#include "categories.h"
#include "conversion.h"
#include "exact_double.h"

namespace vardeln::cli {
namespace {

// Ordinary, negative, tiny, huge (overflowing for many units), and not-a-number texts.
constexpr std::string_view kValueTexts[] = {"0",      "1",     "-2.5",   "123456.789", "1e-300",
                                            "1e300", "-1e308", "1.7e308", "abc",        ""};

std::string expectedText(const ConversionOutcome& outcome) {
  return outcome.kind == ConversionOutcome::Kind::Fault ? std::string(faultName(outcome.fault))
                                                        : outcome.text;
}

ExitStatus expectedStatus(const ConversionOutcome& outcome) {
  if (outcome.kind == ConversionOutcome::Kind::Fault) return ExitStatus::Fault;
  return outcome.text == kInvalidNumber ? ExitStatus::InvalidNumber : ExitStatus::Success;
}

TEST(SameTextAsTheWindow, ForEveryUnitPairOfEveryCategory) {
  for (const Category& category : allCategories()) {
    SCOPED_TRACE(category.names().name);
    for (const UnitRule& from : category.rules()) {
      for (const UnitRule& to : category.rules()) {
        ValueConverter converter(from, to, ResultForm::Shown);
        for (const std::string_view value : kValueTexts) {
          const ConversionOutcome window = runConversion(&category, value, from.label, to.label);
          const ConvertedValue line = converter.convert(value);
          ASSERT_EQ(line.text, expectedText(window))
              << value << " " << from.label << " to " << to.label;
          ASSERT_EQ(line.status, expectedStatus(window));
        }
      }
    }
  }
}

struct ExactCase {
  const char* category;
  const char* value;
  const char* from;
  const char* to;
  double expected;
};

TEST(ExactForm, ReadsBackToTheTablesExactDouble) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  // clang-format off
  const ExactCase cases[] = {
      {"length",      "1",      "Feet",           "Meters",        0.3047999902464003},
      {"length",      "1",      "Nautical Miles", "Meters",        1852.2085807293251},
      {"length",      "1",      "Angstrom Star",  "Meters",        0.9999850001237494},
      {"mass",        "1",      "Maund",          "Kilogram",      37.324799999999996},
      {"energy",      "1",      "Thermie",        "Calorie",       1000.0000000000001},
      {"energy",      "1",      "British Thermal Unit", "Celsius Heat Unit", 0.5555555555555556},
      {"pressure",    "1",      "Pounds / inch Square", "Pascal",  6894.765934037358},
      {"temperature", "0",      "Fahrenheit",     "Kelvin",        255.3722222222222},
      {"speed",       "1",      "Miles/hour",     "Kilometers/hour", 1.6093439485009937},
      {"area",        "1",      "Meters Square",  "Barn",          1e28},
      {"area",        "1e300",  "Meters Square",  "Shed",          kInfinity},
      {"area",        "-1e300", "Meters Square",  "Shed",          -kInfinity},
      {"area",        "1e-300", "Barn",           "Meters Square", 0},
  };
  // clang-format on
  for (const ExactCase& c : cases) {
    SCOPED_TRACE(std::string(c.value) + " " + c.from + " to " + c.to);
    const Category& category = *categoryByName(c.category);
    ValueConverter converter(*findRule(category, c.from), *findRule(category, c.to),
                             ResultForm::Exact);
    const ConvertedValue line = converter.convert(c.value);
    ASSERT_EQ(line.status, ExitStatus::Success);
    EXPECT_EQ(line.text, vardeln::testing::shortest(c.expected));
    double readBack = 0;
    std::from_chars(line.text.data(), line.text.data() + line.text.size(), readBack);
    EXPECT_TRUE(vardeln::testing::sameDouble(readBack, c.expected));
  }
}

TEST(ExactForm, SpellsInfinitiesAsInfAndKeepsTheSignOfZero) {
  const Category& area = *categoryByName("area");
  ValueConverter toShed(*findRule(area, "Meters Square"), *findRule(area, "Shed"),
                        ResultForm::Exact);
  EXPECT_EQ(toShed.convert("1e300").text, "inf");
  EXPECT_EQ(toShed.convert("-1e300").text, "-inf");
  // Negative zero reads back as itself; the result box shows it as "0".
  EXPECT_EQ(toShed.convert("-0").text, "-0");
}

}  // namespace
}  // namespace vardeln::cli
