// Vardeln — MIT licence, see LICENSE.
// Start-up, choosing a category, and the result following every keystroke and unit choice.
#include <gtest/gtest.h>

#include <QTest>

#include "categories.h"
#include "window_fixture.h"

namespace vardeln {
namespace {

using StartUp = LoadedWindow;

// What the window adds to the converter's start: the units' tool tips, the checked
// category, and the focus in the number box, whose first key replaces the start's "0".
TEST_F(StartUp, NamesTheUnitsChecksAreaAndFocusesTheNumber) {
  EXPECT_EQ(toolTips(), QStringList(4, QStringLiteral("Acres")));
  EXPECT_EQ(checkedCategoryItems(), QStringList({QStringLiteral("areaMenu")}));
  EXPECT_TRUE(faultNote->isHidden());
  EXPECT_EQ(window.focusWidget(), inputText);
  QTest::keyClick(inputText, Qt::Key_5);
  EXPECT_EQ(inputText->text(), QStringLiteral("5"));
}

using CategorySelection = LoadedWindow;

// Each category's menu item, chosen once or again, fills both lists with the converter's
// units at the first, checks only itself, and converts once.
TEST_F(CategorySelection, FillsBothListsWithTheCategorysUnits) {
  for (const Category& category : allCategories()) {
    const QString item = QString::fromUtf8(category.id()) + QStringLiteral("Menu");
    SCOPED_TRACE(item.toStdString());
    QStringList labels;
    for (std::string_view label : category.labels()) labels << QString::fromUtf8(label);
    for (int time = 0; time < 2; ++time) {
      conversionRuns.clear();
      choose(item.toLatin1().constData());
      EXPECT_EQ(checkedCategoryItems(), QStringList({item}));
      EXPECT_EQ(entries(inputUnit), labels);
      EXPECT_EQ(entries(outputUnit), labels);
      EXPECT_EQ(toolTips(), QStringList(4, labels.front()));
      EXPECT_EQ(conversionRuns.count(), 1);
      outputUnit->setCurrentIndex(outputUnit->count() - 1);
    }
  }
}

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
      {"a", "Invalid Number"}, {nullptr, "Invalid Number"}, {"5", "60"}, {"0", "600"},
      {nullptr, "60"},         {"e", "Invalid Number"},
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
  EXPECT_EQ(toolTips(),
            QStringList({QStringLiteral("Hectares"), QStringLiteral("Hectares"),
                         QStringLiteral("Meters Square"), QStringLiteral("Meters Square")}));
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
  QObject::connect(&window, &Vardeln::conversionRan, [&] { resultsSeen << outputText->text(); });

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
