// Vardeln — MIT licence, see LICENSE.
// Checks across every table that catch a slip of transcription without restating the rows.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>

#include "categories.h"
#include "constants.h"
#include "conversion.h"
#include "exact_double.h"
#include "tables/tables.h"

namespace vardeln {
namespace {

struct CategoryShape {
  const char* id;
  std::size_t units;
  const char* firstLabel;
};

// clang-format off
const CategoryShape kCategoryOrder[] = {
    {"area",        29, "Acres"},
    {"density",      5, "g / cm cube"},
    {"energy",      17, "BOE"},
    {"force",        6, "Dyne"},
    {"length",      55, "Admiralty Mile"},
    {"mass",        38, "Arroba"},
    {"power",        4, "DonkeyPower"},
    {"prefix",      40, "Arab"},
    {"pressure",    16, "Atmosphere"},
    {"speed",       10, "Feet/hour"},
    {"temperature",  5, "Celsius"},
    {"time",        30, "Aeon"},
    {"volume",      83, "Acre Foot"},
};
// clang-format on

TEST(Categories, StandInTheirOrderWithTheirIdsAndSizes) {
  const auto& categories = allCategories();
  ASSERT_EQ(categories.size(), std::size(kCategoryOrder));
  std::size_t total = 0;
  for (std::size_t i = 0; i < categories.size(); ++i) {
    const Category& category = categories[i];
    const CategoryShape& shape = kCategoryOrder[i];
    SCOPED_TRACE(shape.id);
    EXPECT_EQ(category.id(), shape.id);
    EXPECT_EQ(category.labels().size(), shape.units);
    EXPECT_EQ(category.labels().front(), shape.firstLabel);
    EXPECT_EQ(categoryIndex(shape.id), i);
    total += category.labels().size();
  }
  EXPECT_EQ(total, 338u);
}

// A unit is known by its index; a label that stood twice would make one of its units unreachable
// by name.
TEST(Categories, HaveDistinctLabels) {
  for (const Category& category : allCategories()) {
    const std::set<std::string_view> labels(category.labels().begin(), category.labels().end());
    EXPECT_EQ(labels.size(), category.labels().size()) << category.id();
  }
}

TEST(Categories, RefuseACompoundUnitNamingNoUnitOfTheirs) {
  const auto build = [] {
    const Category category("test", "Metre", {{"Metre", TO_BASE(x), FROM_BASE(b)}},
                            {{"Metre and Inch", {{"Metre", "m"}, {"Inch", "in"}}}});
  };
  EXPECT_THROW(build(), std::invalid_argument);
}

TEST(Categories, ListReaumurWithItsPrecomposedLetter) {
  EXPECT_TRUE(categoryById("temperature")
                  ->unitIndex("R\xC3\xA9"
                              "aumur"));
}

TEST(Constants, AreTheDoublesTheTablesRelyOn) {
  EXPECT_TRUE(testing::sameDouble(FootInMetres, 0.3047999902464003));
  EXPECT_TRUE(testing::sameDouble(PoundInKilograms, 0.45359290943563974));
  EXPECT_TRUE(testing::sameDouble(CubicFootInCubicMetres, std::pow(0.3047999902464003, 3.0)));
}

TEST(IdentityRules, GiveTheEnteredNumberBackExactly) {
  for (const Category& category : allCategories()) {
    const std::optional<std::size_t> base = category.unitIndex(category.baseLabel());
    ASSERT_TRUE(base) << category.id();
    const UnitRule& identity = category.rules()[*base];
    for (double x : {1.0, -0.0, 1234.5, 6.02214076e23, 5e-324}) {
      const Conversion result = convertThroughBase(identity, identity, x);
      EXPECT_TRUE(testing::sameDouble(result.result, x)) << category.id() << " " << x;
    }
  }
}

// A unit converted to itself passes through the base unit, so it comes back only up to
// the rounding of the two steps; a factor mistyped on one side would not.
TEST(EveryUnit, ConvertedToItselfReturnsItsInput) {
  for (const Category& category : allCategories()) {
    const bool offsetScales = category.id() == "temperature";
    for (const UnitRule& rule : category.rules()) {
      for (double x : {1.0, 1234.5, -0.25}) {
        const Conversion result = convertThroughBase(rule, rule, x);
        ASSERT_EQ(result.outcome, Conversion::Outcome::Result) << rule.label;
        const double tolerance = offsetScales ? 1e-9 : 1e-12 * std::abs(x);
        EXPECT_NEAR(result.result, x, tolerance) << category.id() << ": " << rule.label;
      }
    }
  }
}

TEST(Length, LinkIsTheSquareRootOf62Point75Inches) {
  const Category& length = *categoryById("length");
  const Conversion link =
      convert(length, *length.unitIndex("Link"), *length.unitIndex("Inches"), "1");
  EXPECT_NEAR(link.result, std::sqrt(62.75), 1e-12);
}

}  // namespace
}  // namespace vardeln
