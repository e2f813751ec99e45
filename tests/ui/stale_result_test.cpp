// Vardeln — MIT licence, see LICENSE.
// A fault leaves the result box showing an earlier conversion. Until a run writes a result,
// the box is drawn in the note's colour, tells a screen reader of the fault, and Copy puts
// the fault's name where the result would stand.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPalette>
#include <vector>

#include "window_fixture.h"

namespace vardeln {
namespace {

struct Step {
  enum Kind { Menu, Source, Target, Number } kind;
  const char* text;
};

struct StaleCase {
  const char* name;
  std::vector<Step> steps;
  const char* resultShown;  // the result box's text afterwards
  const char* copied;       // Copy's line; nullptr: the boxes and lists as shown
  bool stale;
};

void PrintTo(const StaleCase& c, std::ostream* out) { *out << c.name; }

// From 1e30 Kilometers to Marathon and then 1e308, which a thousand times over is beyond a
// double: the run stops and the box keeps the first result.
const std::vector<Step> kOverflowAfterAResult = {{Step::Menu, "lengthMenu"},
                                                 {Step::Source, "Kilometers"},
                                                 {Step::Target, "Marathon"},
                                                 {Step::Number, "1e30"},
                                                 {Step::Number, "1e308"}};

std::vector<Step> overflowThen(std::vector<Step> more) {
  std::vector<Step> steps = kOverflowAfterAResult;
  steps.insert(steps.end(), more.begin(), more.end());
  return steps;
}

class StaleResult : public LoadedWindow, public ::testing::WithParamInterface<StaleCase> {
 protected:
  void perform(const Step& step) {
    const QString text = QString::fromUtf8(step.text);
    switch (step.kind) {
      case Step::Menu:
        choose(step.text);
        break;
      case Step::Source:
        inputUnit->setCurrentText(text);
        break;
      case Step::Target:
        outputUnit->setCurrentText(text);
        break;
      case Step::Number:
        inputText->setText(text);
        break;
    }
  }

  QColor resultColour() const {
    return outputText->palette().color(QPalette::Disabled, QPalette::Text);
  }
};

TEST_P(StaleResult, IsShownAndCopiedForWhatItIs) {
  const StaleCase& c = GetParam();
  const QColor currentColour = resultColour();
  for (const Step& step : c.steps) perform(step);

  EXPECT_EQ(outputText->text(), QString::fromUtf8(c.resultShown));
  choose("copyMenu");
  const QString asShown = QStringLiteral("%1 %2 = %3 %4")
                              .arg(inputText->text(), inputUnit->currentText(), outputText->text(),
                                   outputUnit->currentText());
  EXPECT_EQ(QGuiApplication::clipboard()->text(), c.copied ? QString::fromUtf8(c.copied) : asShown);

  if (c.stale) {
    EXPECT_FALSE(faultNote->isHidden());
    EXPECT_EQ(resultColour(), faultNote->palette().color(QPalette::WindowText));
    EXPECT_NE(resultColour(), currentColour);
    EXPECT_EQ(outputText->accessibleDescription(), faultNote->text());
  } else {
    EXPECT_TRUE(faultNote->isHidden());
    EXPECT_EQ(resultColour(), currentColour);
    EXPECT_EQ(outputText->accessibleDescription(), QString());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StaleResult,
    ::testing::Values(
        StaleCase{"OverflowKeepsTheResultButCopiesTheFault", kOverflowAfterAResult,
                  "2.36994979593311E+28", "1e308 Kilometers = Overflow Marathon", true},
        StaleCase{"ACategoryThatStillOverflowsStaysStale", overflowThen({{Step::Menu, "areaMenu"}}),
                  "2.36994979593311E+28", "1e308 Acres = Overflow Acres", true},
        StaleCase{"AnotherTargetThatStillOverflowsStaysStale",
                  overflowThen({{Step::Target, "Meters"}}), "2.36994979593311E+28",
                  "1e308 Kilometers = Overflow Meters", true},
        StaleCase{"AFaultBeforeAnyNumberWasConverted",
                  {{Step::Number, "1e308"}},
                  "0",
                  "1e308 Acres = Overflow Acres",
                  true},
        StaleCase{"ANewResultEndsIt", overflowThen({{Step::Number, "1"}}), "0.0236994979593311",
                  nullptr, false},
        StaleCase{"ASourceUnitThatConvertsEndsIt", overflowThen({{Step::Source, "Meters"}}),
                  "2.36994979593311E+303", nullptr, false},
        StaleCase{"InvalidNumberEndsIt", overflowThen({{Step::Number, "abc"}}), "Invalid Number",
                  nullptr, false},
        StaleCase{"ResetEndsIt", overflowThen({{Step::Menu, "resetMenu"}}), "", nullptr, false},
        StaleCase{"CutEndsIt", overflowThen({{Step::Menu, "cutMenu"}}), "Invalid Number", nullptr,
                  false}),
    [](const ::testing::TestParamInfo<StaleCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vardeln
