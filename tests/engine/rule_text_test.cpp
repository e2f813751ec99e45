// Vardeln — MIT licence, see LICENSE.
// A rule explained by the text it was compiled from, as its table writes it.
#include <gtest/gtest.h>

#include <string>

#include "categories.h"
#include "rule_text.h"

namespace vardeln {
namespace {

struct Explained {
  const char* category;
  const char* unit;
  const char* toBase;
  const char* fromBase;
  const char* where;  // the shared constants the to-base rule names, with their definitions
};

void PrintTo(const Explained& e, std::ostream* out) { *out << e.unit; }

class RuleTexts : public ::testing::TestWithParam<Explained> {};

TEST_P(RuleTexts, ReadAsTheTableWritesThem) {
  const Explained& e = GetParam();
  const Category& category = *categoryById(e.category);
  const UnitRule& unit = category.rules()[*category.unitIndex(e.unit)];
  EXPECT_EQ(toBaseText(unit), e.toBase);
  EXPECT_EQ(fromBaseText(unit), e.fromBase);
  EXPECT_EQ(whereText(unit.toBase), e.where);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tables, RuleTexts, ::testing::Values(
    Explained{"length",      "Feet",       "B = x * FootInMetres",             "result = B / FootInMetres",  "where FootInMetres = 1 / 3.28084"},
    Explained{"length",      "Meters",     "B = x",                            "result = B",                 ""},
    Explained{"temperature", "Fahrenheit", "B = (x - 32) * (1 / 1.8)",         "result = (B * 1.8) + 32",    ""},
    Explained{"area",        "Barn",       "B = x * 1e-28",                    "result = B / 1e-28",         ""},
    Explained{"volume",      "Cubic Foot", "B = x * CubicFootInCubicMetres",   "result = B / CubicFootInCubicMetres", "where CubicFootInCubicMetres = pow(FootInMetres, 3.0)"},
    Explained{"area",        "Feet Square", "B = x * pow(1 / 3.28084, 2.0)",   "result = B / pow(1 / 3.28084, 2.0)", ""}));
// clang-format on

// Every rule is written in terms of its own variable: a row whose text lost it would explain a
// constant, not a conversion.
TEST(RuleTexts, NameTheirVariable) {
  for (const Category& category : allCategories()) {
    for (const UnitRule& unit : category.rules()) {
      EXPECT_NE(toBaseText(unit).find('x'), std::string::npos) << unit.label;
      EXPECT_NE(fromBaseText(unit).substr(9).find('B'), std::string::npos) << unit.label;
    }
  }
}

}  // namespace
}  // namespace vardeln
