// Vardeln — MIT licence, see LICENSE.
// The table of user scenarios, driven through the window's own lists, menus and clipboard:
// the window shows what the converter model holds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>

#include "scenario_table.h"
#include "window_fixture.h"

namespace vardeln {
namespace {

using testing::Scenario;

class WindowScenarios : public LoadedWindow, public ::testing::WithParamInterface<Scenario> {
 protected:
  void carryOut(const testing::ScenarioCommand& command) {
    const QString text = QString::fromStdString(command.text);
    const std::string& verb = command.verb;
    if (verb == "category") {
      choose((command.text + "Menu").c_str());
    } else if (verb == "from" || verb == "to") {
      QComboBox* list = verb == "from" ? inputUnit : outputUnit;
      list->setCurrentIndex(list->findText(text));
    } else if (verb == "type") {
      inputText->setText(text);
    } else if (verb == "paste" || verb == "cut" || verb == "reset") {
      if (command.hasText) QGuiApplication::clipboard()->setText(text);
      choose((verb + "Menu").c_str());
    } else {
      FAIL() << "no command " << verb;
    }
  }
};

TEST_P(WindowScenarios, ShowWhatTheConverterHolds) {
  const Scenario& scenario = GetParam();
  for (const auto& command : scenario.commands) carryOut(command);
  EXPECT_EQ(inputText->text().toStdString(), scenario.number);
  EXPECT_EQ(outputText->text().toStdString(), scenario.result);
  EXPECT_EQ(faultNote->isHidden() ? "" : faultNote->text().toStdString(), scenario.note);
  // A stale result is named to a screen reader by its fault, and drawn in the fault's colour.
  EXPECT_EQ(outputText->accessibleDescription().toStdString(), scenario.stale);
  const auto resultColour = [](const QPalette& palette) {
    return palette.color(QPalette::Disabled, QPalette::Text);
  };
  EXPECT_EQ(resultColour(outputText->palette()) != resultColour(QApplication::palette(outputText)),
            !scenario.stale.empty());
  choose("copyMenu");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), scenario.copy);
}

INSTANTIATE_TEST_SUITE_P(Table, WindowScenarios,
                         ::testing::ValuesIn(testing::readScenarios(VARDELN_SCENARIOS)),
                         [](const auto& info) {
                           return testing::scenarioTestName(info.param.name);
                         });

}  // namespace
}  // namespace vardeln
