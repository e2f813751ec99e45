// Vardeln — MIT licence, see LICENSE.
// A rule explained by the text it was compiled from, written as a person writes arithmetic.
#include "rule_text.h"

#include <gtest/gtest.h>

#include <string>

#include "categories.h"

namespace vardeln {
namespace {

struct Explained {
  const char* category;
  const char* unit;
  const char* toBase;
  const char* fromBase;
  const char* where;  // the shared constants the to-base rule names, down to plain numbers
  const char* toBaseInAscii;
};

void PrintTo(const Explained& e, std::ostream* out) { *out << e.unit; }

class RuleTexts : public ::testing::TestWithParam<Explained> {};

TEST_P(RuleTexts, ReadAsAPersonWritesArithmetic) {
  const Explained& e = GetParam();
  const Category& category = *categoryById(e.category);
  const UnitRule& unit = category.rules()[*category.unitIndex(e.unit)];
  EXPECT_EQ(toBaseText(unit, Script::Unicode), e.toBase);
  EXPECT_EQ(fromBaseText(unit, Script::Unicode), e.fromBase);
  EXPECT_EQ(whereText(unit.toBase, Script::Unicode), e.where);
  EXPECT_EQ(toBaseText(unit, Script::Ascii), e.toBaseInAscii);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tables, RuleTexts, ::testing::Values(
    Explained{"length",      "Feet",       "B = x × FootInMetres",             "result = B ÷ FootInMetres",  "where FootInMetres = 1 ÷ 3.28084 = 0.3047999902464003", "B = x * FootInMetres"},
    Explained{"length",      "Meters",     "B = x",                            "result = B",                 "", "B = x"},
    Explained{"temperature", "Fahrenheit", "B = (x - 32) × (1 ÷ 1.8)",         "result = (B × 1.8) + 32",    "", "B = (x - 32) * (1 / 1.8)"},
    Explained{"area",        "Barn",       "B = x × 1e-28",                    "result = B ÷ 1e-28",         "", "B = x * 1e-28"},
    Explained{"volume",      "Cubic Foot", "B = x × CubicFootInCubicMetres",   "result = B ÷ CubicFootInCubicMetres",
              "where FootInMetres = 1 ÷ 3.28084 = 0.3047999902464003, CubicFootInCubicMetres = FootInMetres³ = 0.0283168438735829",
              "B = x * CubicFootInCubicMetres"},
    Explained{"area",        "Feet Square", "B = x × (1 ÷ 3.28084)²",          "result = B ÷ (1 ÷ 3.28084)²", "", "B = x * (1 / 3.28084)^2"},
    Explained{"prefix",      "Kibi",       "B = 10¹⁰ × x",                     "result = B ÷ 10¹⁰",          "", "B = 10^10 * x"},
    Explained{"length",      "Link",       "B = (x × √62.75) × (FootInMetres ÷ 12)", "result = B ÷ ((FootInMetres ÷ 12) × √62.75)",
              "where FootInMetres = 1 ÷ 3.28084 = 0.3047999902464003", "B = (x * sqrt(62.75)) * (FootInMetres / 12)"}));
// clang-format on

// Every rule is written in terms of its own variable: a row whose text lost it would explain a
// constant, not a conversion.
TEST(RuleTexts, NameTheirVariable) {
  for (const Category& category : allCategories()) {
    for (const UnitRule& unit : category.rules()) {
      EXPECT_NE(toBaseText(unit, Script::Ascii).find('x'), std::string::npos) << unit.label;
      EXPECT_NE(fromBaseText(unit, Script::Ascii).substr(9).find('B'), std::string::npos)
          << unit.label;
    }
  }
}

}  // namespace
}  // namespace vardeln
