// Vardeln — MIT licence, see LICENSE.
// The command line writes what the window's result box would show, with the status that
// text means, and --exact the very double behind it.
#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <cmath>

#include "categories.h"
#include "conversion.h"
#include "exact_double.h"
#include "value_converter.h"

namespace vardeln::cli {
namespace {

// Ordinary, negative, tiny, huge (overflowing for many units), and not-a-number texts.
constexpr std::string_view kValueTexts[] = {"0",     "1",      "-2.5",    "123456.789", "1e-300",
                                            "1e300", "-1e308", "1.7e308", "abc",        ""};

// The status a script sees follows from what the line shows: a number, "Invalid Number", or
// a fault's name or an infinity, which is no number a script can use.
ExitStatus statusShown(std::string_view text) {
  if (text == kInvalidNumber) return ExitStatus::InvalidNumber;
  const std::string_view digits = text.substr(text.starts_with('-') ? 1 : 0);
  return !digits.empty() && std::isdigit(static_cast<unsigned char>(digits.front()))
             ? ExitStatus::Success
             : ExitStatus::Fault;
}

TEST(SameTextAsTheWindow, ForEveryUnitPairOfEveryCategory) {
  for (const Category& category : allCategories()) {
    SCOPED_TRACE(category.id());
    for (std::size_t from = 0; from < category.rules().size(); ++from) {
      for (std::size_t to = 0; to < category.rules().size(); ++to) {
        ValueConverter converter({&category, from, to}, ResultForm::Shown);
        for (const std::string_view value : kValueTexts) {
          const Conversion window = convert(category, from, to, value);
          const ConvertedValue line = converter.convert(value);
          ASSERT_EQ(line.text, resultText(window))
              << value << " " << category.labels()[from] << " to " << category.labels()[to];
          ASSERT_EQ(line.status, statusShown(line.text)) << line.text;
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
    const Category& category = *categoryById(c.category);
    ValueConverter converter({&category, *category.unitIndex(c.from), *category.unitIndex(c.to)},
                             ResultForm::Exact);
    const ConvertedValue line = converter.convert(c.value);
    ASSERT_EQ(line.status, std::isinf(c.expected) ? ExitStatus::Fault : ExitStatus::Success);
    EXPECT_EQ(line.text, vardeln::testing::shortest(c.expected));
    double readBack = 0;
    std::from_chars(line.text.data(), line.text.data() + line.text.size(), readBack);
    EXPECT_TRUE(vardeln::testing::sameDouble(readBack, c.expected));
  }
}

TEST(ExactForm, SpellsInfinitiesAsInfAndKeepsTheSignOfZero) {
  const Category& area = *categoryById("area");
  ValueConverter toShed({&area, *area.unitIndex("Meters Square"), *area.unitIndex("Shed")},
                        ResultForm::Exact);
  EXPECT_EQ(toShed.convert("1e300").text, "inf");
  EXPECT_EQ(toShed.convert("-1e300").text, "-inf");
  // Negative zero reads back as itself; the result box shows it as "0".
  EXPECT_EQ(toShed.convert("-0").text, "-0");
}

}  // namespace
}  // namespace vardeln::cli
