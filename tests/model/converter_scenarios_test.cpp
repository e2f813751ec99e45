// Vardeln — MIT licence, see LICENSE.
// The converter model through the table of user scenarios, and what each command reports as
// changed.
#include <gtest/gtest.h>

#include "categories.h"
#include "converter.h"
#include "link.h"
#include "scenario_table.h"

namespace vardeln {
namespace {

using testing::Scenario;

void carryOut(Converter& converter, const testing::ScenarioCommand& command,
              std::string& clipboard) {
  const std::string& verb = command.verb;
  if (verb == "category") {
    converter.chooseCategory(*categoryIndex(command.text));
  } else if (verb == "from") {
    converter.chooseFrom(*converter.category().unitIndex(command.text));
  } else if (verb == "to") {
    converter.chooseTo(*converter.category().unitIndex(command.text));
  } else if (verb == "type") {
    converter.setNumber(command.text);
  } else if (verb == "paste") {
    if (command.hasText) clipboard = command.text;
    converter.paste(clipboard);
  } else if (verb == "cut") {
    clipboard = converter.cut().clipboard;
  } else if (verb == "reset") {
    converter.reset();
  } else {
    FAIL() << "no command " << verb;
  }
}

class Scenarios : public ::testing::TestWithParam<Scenario> {};

TEST_P(Scenarios, EndAsTheUserSeesThem) {
  const Scenario& scenario = GetParam();
  Converter converter;
  std::string clipboard;
  for (const auto& command : scenario.commands) carryOut(converter, command, clipboard);
  EXPECT_EQ(converter.number(), scenario.number);
  EXPECT_EQ(converter.result(), scenario.result);
  EXPECT_EQ(converter.note(), scenario.note);
  EXPECT_EQ(converter.staleBecause() ? faultName(*converter.staleBecause()) : "", scenario.stale);
  EXPECT_EQ(converter.copy(), scenario.copy);
}

INSTANTIATE_TEST_SUITE_P(Table, Scenarios,
                         ::testing::ValuesIn(testing::readScenarios(VARDELN_SCENARIOS)),
                         [](const auto& info) {
                           return testing::scenarioTestName(info.param.name);
                         });

// What a command reports as changed, so that a view redraws exactly that.
TEST(Changes, NameWhatACommandChanged) {
  using C = Converter;
  Converter converter;
  EXPECT_EQ(converter.setNumber("0"), C::kNothing);
  EXPECT_EQ(converter.setNumber("5"), C::kNumber | C::kResult);
  EXPECT_EQ(converter.chooseTo(1), C::kUnits | C::kResult);
  EXPECT_EQ(converter.chooseCategory(0), C::kCategory | C::kUnits | C::kResult);
  EXPECT_EQ(converter.chooseCategory(0), C::kCategory);
  EXPECT_EQ(converter.setNumber("1e308"), C::kNumber | C::kResult | C::kNote);
  EXPECT_EQ(converter.setNumber(std::string(C::kLongestNumber + 1, '1')), C::kNote);
  EXPECT_EQ(converter.refuseLongText(), C::kNothing);
  EXPECT_EQ(converter.reset(), C::kNumber | C::kResult | C::kNote);
  // A unit found in any category, and the two units exchanged: each converts once.
  EXPECT_EQ(converter.setNumber("5"), C::kNumber | C::kResult);
  EXPECT_EQ(converter.chooseUnit(0, C::Side::To, 1), C::kUnits | C::kResult);
  EXPECT_EQ(converter.swapUnits(), C::kUnits | C::kResult);
  EXPECT_EQ(converter.chooseUnit(0, C::Side::From, 1), C::kNothing);
  const std::size_t mass = *categoryIndex("mass");
  const std::size_t tola = *allCategories()[mass].get().unitIndex("Tola");
  EXPECT_EQ(converter.chooseUnit(mass, C::Side::From, tola) & ~C::kNote,
            C::kCategory | C::kUnits | C::kResult);
  EXPECT_EQ(std::string(converter.fromLabel()) + " " + std::string(converter.toLabel()),
            "Tola Arroba");
  // A new number style keeps the quantity typed, written as it is typed in that style.
  EXPECT_EQ(converter.setNumber("1.5"), C::kNumber | C::kResult);
  EXPECT_EQ(converter.setNumberStyle({.decimalMark = ','}), C::kNumber | C::kResult);
  EXPECT_EQ(converter.copy(C::CopyForm::Sentence), "1,5 Tola = 0,00069927540826686 Arroba");
  EXPECT_EQ(converter.copy(C::CopyForm::Result), "0,00069927540826686");
  EXPECT_EQ(converter.copy(C::CopyForm::ResultWithUnit), "0,00069927540826686 Arroba");
  // A compound result ("5 ft 7 in") names its units itself.
  followLink(converter, "#length/1.7018/Meters/Feet%20and%20Inches");
  EXPECT_EQ(converter.copy(C::CopyForm::ResultWithUnit), "5 ft 7,000002144 in");
}

// How the result is computed, each line from the rule that computes it.
TEST(How, NamesTheRulesOfBothUnits) {
  Converter converter;
  converter.chooseCategory(*categoryIndex("length"));
  converter.chooseFrom(*converter.category().unitIndex("Feet"));
  converter.chooseTo(*converter.category().unitIndex("Meters"));
  EXPECT_EQ(
      converter.howToBase(),
      "to Meters: B = x × FootInMetres, where FootInMetres = 1 ÷ 3.28084 = 0.3047999902464003");
  EXPECT_EQ(converter.howFromBase(), "from Meters: result = B");
  EXPECT_TRUE(converter.todayOfFrom().starts_with(
      "Feet: this table's is 3.2e-8 smaller than today's: 1 ft = 0.3048 m"));
  EXPECT_TRUE(converter.todayOfTo().starts_with("Meters: the same as today's"));
}

}  // namespace
}  // namespace vardeln
