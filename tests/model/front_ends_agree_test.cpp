// Vardeln — MIT licence, see LICENSE.
// One table of conversions, asked of the window's and the page's model and of the command
// line: a front end that answers differently fails a row.
#include <gtest/gtest.h>

#include "captured_run.h"
#include "categories.h"
#include "converter.h"

namespace vardeln::cli {
namespace {

struct Asked {
  const char* what;
  Definitions definitions;
  bool decimalComma;  // 1.234,5: a decimal comma, thousands parted by points
  const char* category;
  const char* text;
  const char* from;
  const char* to;
  const char* result;  // nullptr: the pair is refused
};

void PrintTo(const Asked& a, std::ostream* out) { *out << a.what; }

NumberStyle styleOf(const Asked& a) {
  NumberStyle style;
  if (!a.decimalComma) return style;
  style.decimalMark = ',';
  style.grouping = Grouping::Thousands;
  style.groupMark = GroupMark::Point;
  return style;
}

// The model worked as a user works the page: style, definitions, units, then the number.
Converter modelAfter(const Asked& a) {
  Converter model;
  model.setNumberStyle(styleOf(a));
  model.setDefinitions(a.definitions);
  const auto& categories = allCategories();
  const std::size_t index = static_cast<std::size_t>(
      std::find_if(categories.begin(), categories.end(),
                   [&](const Category& c) { return c.id() == a.category; }) -
      categories.begin());
  const std::vector<std::string_view> labels = quantityUnitLabels(categories[index]);
  const auto position = [&](std::string_view label) {
    return static_cast<std::size_t>(std::ranges::find(labels, label) - labels.begin());
  };
  model.chooseUnit(index, Converter::Side::From, position(a.from));
  model.chooseUnit(index, Converter::Side::To, position(a.to));
  model.setNumber(a.text);
  return model;
}

class FrontEnds : public ::testing::TestWithParam<Asked> {};

TEST_P(FrontEnds, GiveTheSameOutcome) {
  const Asked& a = GetParam();
  std::vector<std::string_view> arguments;
  if (a.definitions == Definitions::Today) arguments.push_back("--today");
  if (a.decimalComma) {
    arguments.push_back("--decimal-mark=,");
    arguments.push_back("--grouping=thousands");
  }
  for (const char* argument : {a.category, a.text, a.from, a.to}) arguments.push_back(argument);
  const testing::CapturedRun run = testing::runCaptured(arguments, "");
  const Converter model = modelAfter(a);
  if (a.result == nullptr) {
    EXPECT_EQ(run.status, ExitStatus::UsageError);
    EXPECT_EQ(model.noteKind(), Converter::NoteKind::NoneToday);
    EXPECT_EQ(model.result(), "");
    return;
  }
  EXPECT_EQ(run.out, std::string(a.result) + "\n");
  EXPECT_EQ(model.result(), a.result);
}

constexpr auto kTables = Definitions::LegacyTables;
constexpr auto kToday = Definitions::Today;

// clang-format off
INSTANTIATE_TEST_SUITE_P(OneConversion, FrontEnds, ::testing::Values(
    Asked{"a compound source by today",        kToday,  false, "length", "5 ft 7 in", "Feet and Inches", "Meters", "1.7018"},
    Asked{"a compound target by today",        kToday,  false, "length", "1.7018", "Meters", "Feet and Inches", "5 ft 7 in"},
    Asked{"compound to compound by today",     kToday,  false, "length", "5 ft 7.5 in", "Feet and Inches", "Feet and Inches", "5 ft 7.5 in"},
    Asked{"a compound source by the tables",   kTables, false, "length", "5 7", "Feet and Inches", "Meters", "1.7017999455424"},
    Asked{"a decimal comma by the tables",     kTables, true,  "length", "1.234,5", "Feet", "Meters", "376,275587959181"},
    Asked{"a decimal comma by today",          kToday,  true,  "length", "1.234,5", "Feet", "Meters", "376,2756"},
    Asked{"an affine pair by today",           kToday,  false, "temperature", "98.6", "Fahrenheit", "Celsius", "37"},
    Asked{"beyond today's arithmetic",         kToday,  false, "length", "1e900", "Feet", "Meters", "Invalid Number"},
    Asked{"no number",                         kTables, false, "length", "abc", "Feet", "Meters", "Invalid Number"},
    Asked{"a unit with no definition today",   kToday,  false, "area", "1", "Bigha", "Acres", nullptr}));
// clang-format on

}  // namespace
}  // namespace vardeln::cli
