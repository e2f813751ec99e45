// Vardeln — MIT licence, see LICENSE.
// Checks across every table that catch a slip of transcription without restating the rows.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "categories.h"
#include "constants.h"
#include "conversion.h"
#include "exact_double.h"

namespace vardeln {
namespace {

struct CategoryShape {
  const char* name;
  const char* menuItem;
  const char* caption;
  std::size_t units;
  const char* firstLabel;
};

// clang-format off
const CategoryShape kDispatchOrder[] = {
    {"area",        "areaMenu",        "&Area",        29, "Acres"},
    {"density",     "densityMenu",     "&Density",      5, "g / cm cube"},
    {"energy",      "energyMenu",      "&Energy",      17, "BOE"},
    {"force",       "forceMenu",       "&Force",        6, "Dyne"},
    {"length",      "lengthMenu",      "&Length",      55, "Admiralty Mile"},
    {"mass",        "massMenu",        "&Mass",        38, "Arroba"},
    {"power",       "powerMenu",       "Po&wer",        4, "DonkeyPower"},
    {"prefix",      "prefixMenu",      "Pref&ix",      40, "Arab"},
    {"pressure",    "pressureMenu",    "&Pressure",    16, "Atmosphere"},
    {"speed",       "speedMenu",       "&Speed",       10, "Feet/hour"},
    {"temperature", "temperatureMenu", "&Temperature",  5, "Celsius"},
    {"time",        "timeMenu",        "T&ime",        30, "Aeon"},
    {"volume",      "volumeMenu",      "&Volume",      83, "Acre Foot"},
};
// clang-format on

TEST(Categories, StandInDispatchOrderWithTheirNamesAndSizes) {
  const auto& categories = allCategories();
  ASSERT_EQ(categories.size(), std::size(kDispatchOrder));
  std::size_t total = 0;
  for (std::size_t i = 0; i < categories.size(); ++i) {
    const Category& category = categories[i];
    const CategoryShape& shape = kDispatchOrder[i];
    SCOPED_TRACE(shape.name);
    EXPECT_EQ(category.names().name, shape.name);
    EXPECT_EQ(category.names().menuItem, shape.menuItem);
    EXPECT_EQ(category.names().caption, shape.caption);
    EXPECT_EQ(category.labels().size(), shape.units);
    EXPECT_EQ(category.labels().front(), shape.firstLabel);
    EXPECT_EQ(categoryByMenuItem(shape.menuItem), &category);
    total += category.labels().size();
  }
  EXPECT_EQ(total, 338u);
}

TEST(Categories, HaveDistinctLabelsAndATestOrderCoveringEachRuleOnce) {
  for (const Category& category : allCategories()) {
    SCOPED_TRACE(std::string(category.names().name));
    const std::set<std::string_view> labels(category.labels().begin(), category.labels().end());
    EXPECT_EQ(labels.size(), category.labels().size());
    const auto& tested = category.rulesInTestOrder();
    const std::set<const UnitRule*> rules(tested.begin(), tested.end());
    EXPECT_EQ(rules.size(), category.rules().size());
    for (const UnitRule& rule : category.rules()) {
      EXPECT_EQ(findRule(category, rule.label), &rule) << rule.label;
    }
  }
}

TEST(Categories, ListReaumurWithItsPrecomposedLetter) {
  EXPECT_NE(findRule(*categoryByName("temperature"), "R\xC3\xA9" "aumur"), nullptr);
}

TEST(Constants, AreTheDoublesTheTablesRelyOn) {
  EXPECT_TRUE(testing::sameDouble(FootInMetres, 0.3047999902464003));
  EXPECT_TRUE(testing::sameDouble(PoundInKilograms, 0.45359290943563974));
  EXPECT_TRUE(testing::sameDouble(CubicFootInCubicMetres, std::pow(0.3047999902464003, 3.0)));
}

TEST(IdentityRules, GiveTheEnteredNumberBackExactly) {
  for (const Category& category : allCategories()) {
    const UnitRule* identity = findRule(category, category.names().identityLabel);
    ASSERT_NE(identity, nullptr) << category.names().name;
    for (double x : {1.0, -0.0, 1234.5, 6.02214076e23, 5e-324}) {
      const BaseConversion result = convertThroughBase(identity, identity, x);
      EXPECT_TRUE(testing::sameDouble(result.value, x)) << category.names().name << " " << x;
    }
  }
}

// A unit converted to itself passes through the base unit, so it comes back only up to
// the rounding of the two steps; a factor mistyped on one side would not.
TEST(EveryUnit, ConvertedToItselfReturnsItsInput) {
  for (const Category& category : allCategories()) {
    const bool offsetScales = category.names().name == "temperature";
    for (const UnitRule& rule : category.rules()) {
      for (double x : {1.0, 1234.5, -0.25}) {
        const BaseConversion result = convertThroughBase(&rule, &rule, x);
        ASSERT_EQ(result.kind, BaseConversion::Kind::Value) << rule.label;
        const double tolerance = offsetScales ? 1e-9 : 1e-12 * std::abs(x);
        EXPECT_NEAR(result.value, x, tolerance) << category.names().name << ": " << rule.label;
      }
    }
  }
}

TEST(Length, LinkIsTheSquareRootOf62Point75Inches) {
  const Category& length = *categoryByName("length");
  const BaseConversion link =
      convertThroughBase(findRule(length, "Link"), findRule(length, "Inches"), 1);
  EXPECT_NEAR(link.value, std::sqrt(62.75), 1e-12);
}

}  // namespace
}  // namespace vardeln
