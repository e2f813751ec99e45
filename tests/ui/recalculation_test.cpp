// Vardeln — MIT licence, see LICENSE.
// Start-up, choosing a category, and the result following every keystroke and unit choice.
#include <gtest/gtest.h>

#include <QTest>

#include "window_fixture.h"

namespace vardeln {
namespace {

using StartUp = LoadedWindow;

TEST_F(StartUp, ShowsZeroAcresToAcresWithOnlyAreaChecked) {
  EXPECT_EQ(inputText->text(), QStringLiteral("0"));
  EXPECT_EQ(inputUnit->currentText(), QStringLiteral("Acres"));
  EXPECT_EQ(outputUnit->currentText(), QStringLiteral("Acres"));
  EXPECT_EQ(outputText->text(), QStringLiteral("0"));
  EXPECT_EQ(toolTips(), QStringList(4, QStringLiteral("Acres")));
  EXPECT_EQ(checkedCategoryItems(), QStringList({QStringLiteral("areaMenu")}));
  EXPECT_TRUE(faultNote->isHidden());
  EXPECT_EQ(window.focusWidget(), inputText);
}

struct CategoryCase {
  const char* menuItem;
  int entries;
  const char* firstEntry;
};

void PrintTo(const CategoryCase& c, std::ostream* out) { *out << c.menuItem; }

class CategorySelection : public LoadedWindow,
                          public ::testing::WithParamInterface<CategoryCase> {};

TEST_P(CategorySelection, RefillsBothListsAtTheFirstUnitAndChecksOnlyItsItem) {
  const CategoryCase& c = GetParam();
  const QString first = QString::fromUtf8(c.firstEntry);

  choose(c.menuItem);

  EXPECT_EQ(checkedCategoryItems(), QStringList({QString::fromLatin1(c.menuItem)}));
  EXPECT_EQ(inputUnit->count(), c.entries);
  EXPECT_EQ(entries(outputUnit), entries(inputUnit));
  EXPECT_EQ(inputUnit->currentText(), first);
  EXPECT_EQ(outputUnit->currentText(), first);
  EXPECT_EQ(toolTips(), QStringList(4, first));
  // One conversion, from the first unit to the first.
  EXPECT_EQ(conversionRuns.count(), 1);
}

// Choosing the category that is already current rebuilds it all the same.
TEST_P(CategorySelection, ChoosingItAgainForgetsTheChosenUnits) {
  const CategoryCase& c = GetParam();
  choose(c.menuItem);
  inputUnit->setCurrentIndex(c.entries - 1);
  outputUnit->setCurrentIndex(c.entries - 1);
  conversionRuns.clear();

  choose(c.menuItem);

  EXPECT_EQ(checkedCategoryItems(), QStringList({QString::fromLatin1(c.menuItem)}));
  EXPECT_EQ(inputUnit->currentIndex(), 0);
  EXPECT_EQ(outputUnit->currentIndex(), 0);
  EXPECT_EQ(conversionRuns.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    AllCategories, CategorySelection,
    ::testing::Values(CategoryCase{"areaMenu", 29, "Acres"},
                      CategoryCase{"densityMenu", 5, "g / cm cube"},
                      CategoryCase{"energyMenu", 17, "BOE"},
                      CategoryCase{"forceMenu", 6, "Dyne"},
                      CategoryCase{"lengthMenu", 55, "Admiralty Mile"},
                      CategoryCase{"massMenu", 38, "Arroba"},
                      CategoryCase{"powerMenu", 4, "DonkeyPower"},
                      CategoryCase{"prefixMenu", 40, "Arab"},
                      CategoryCase{"pressureMenu", 16, "Atmosphere"},
                      CategoryCase{"speedMenu", 10, "Feet/hour"},
                      CategoryCase{"temperatureMenu", 5, "Celsius"},
                      CategoryCase{"timeMenu", 30, "Aeon"},
                      CategoryCase{"volumeMenu", 83, "Acre Foot"}),
    [](const ::testing::TestParamInfo<CategoryCase>& info) {
      return std::string(info.param.menuItem);
    });

using LiveRecalculation = LoadedWindow;

// Each row is one thing the user does and what the result box shows afterwards.
TEST_F(LiveRecalculation, TheResultFollowsEveryKeystroke) {
  choose("lengthMenu");
  inputUnit->setCurrentText(QStringLiteral("Feet"));
  outputUnit->setCurrentText(QStringLiteral("Inches"));
  inputText->clear();
  struct Step {
    const char* typed;  // nullptr: Backspace
    const char* result;
  };
  const Step steps[] = {
      {"a", "Invalid Number"}, {nullptr, "Invalid Number"}, {"5", "60"},
      {"0", "600"},            {nullptr, "60"},             {"e", "Invalid Number"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.typed ? step.typed : "Backspace");
    conversionRuns.clear();
    if (step.typed) {
      QTest::keyClicks(inputText, QString::fromLatin1(step.typed));
    } else {
      QTest::keyClick(inputText, Qt::Key_Backspace);
    }
    EXPECT_EQ(conversionRuns.count(), 1);
    EXPECT_EQ(outputText->text(), QString::fromLatin1(step.result));
  }
}

TEST_F(LiveRecalculation, ChangingTheTargetUnitRelabelsOnlyTheTargetSide) {
  inputText->setText(QStringLiteral("1"));
  inputUnit->setCurrentText(QStringLiteral("Hectares"));
  conversionRuns.clear();

  outputUnit->setCurrentText(QStringLiteral("Meters Square"));

  EXPECT_EQ(outputText->text(), QStringLiteral("10000"));
  EXPECT_EQ(toolTips(), QStringList({QStringLiteral("Hectares"), QStringLiteral("Hectares"),
                                     QStringLiteral("Meters Square"),
                                     QStringLiteral("Meters Square")}));
  EXPECT_EQ(conversionRuns.count(), 1);
}

TEST_F(LiveRecalculation, TypingANumberLeavesTheToolTipsAlone) {
  QTest::keyClicks(inputText, QStringLiteral("12"));
  EXPECT_EQ(toolTips(), QStringList(4, QStringLiteral("Acres")));
}

TEST_F(LiveRecalculation, AKeyInAListRecalculatesWithTheOldUnitThenTheNewOne) {
  choose("temperatureMenu");  // Celsius, Fahrenheit, Kelvin, Rankine, Réaumur
  inputText->setText(QStringLiteral("100"));
  outputUnit->setCurrentText(QStringLiteral("Celsius"));
  QStringList resultsSeen;
  QObject::connect(&window, &Vardeln::conversionRan,
                   [&] { resultsSeen << outputText->text(); });

  QTest::keyClick(outputUnit, Qt::Key_K);
  EXPECT_EQ(resultsSeen, QStringList({QStringLiteral("100"), QStringLiteral("373.15")}));
  EXPECT_EQ(outputText->toolTip(), QStringLiteral("Kelvin"));

  resultsSeen.clear();
  QTest::keyClick(outputUnit, Qt::Key_Q);  // no unit starts with Q
  EXPECT_EQ(resultsSeen, QStringList({QStringLiteral("373.15")}));
  EXPECT_EQ(outputUnit->currentText(), QStringLiteral("Kelvin"));
}

}  // namespace
}  // namespace vardeln
