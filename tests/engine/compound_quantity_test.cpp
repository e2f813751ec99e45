// Vardeln — MIT licence, see LICENSE.
// Quantities written in several units: the steps between parts, reading and writing them.
#include <gtest/gtest.h>

#include <charconv>
#include <set>
#include <string>

#include "categories.h"
#include "quantity_conversion.h"

namespace vardeln {
namespace {

std::string shortest(double value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// Each step as the tables' own rules give it: 1 of the larger part in the smaller.
struct Step {
  const char* category;
  const char* larger;
  const char* smaller;
  const char* tableValue;
};

// clang-format off
constexpr Step kSteps[] = {
    {"length", "Miles",    "Yard-Gaz",     "1760"},
    {"length", "Yard-Gaz", "Feet",         "3"},
    {"length", "Feet",     "Inches",       "12"},
    {"area",   "Bigha",    "Kanal",        "4"},
    {"area",   "Kanal",    "Marla",        "20"},
    {"area",   "Marla",    "Square Karam", "9.000000000000002"},
    {"mass",   "Maund",    "Seer",         "40"},
    {"mass",   "Seer",     "Chhatank",     "16"},
    {"mass",   "Chhatank", "Tola",         "4.999999999999999"},
    {"mass",   "Stone",    "Pound",        "14"},
    {"mass",   "Tola",     "Masha",        "12.000000000000002"},
    {"mass",   "Masha",    "Rutti",        "8"},
    {"mass",   "Pound",    "Ounce",        "16"},
    {"time",   "Day",      "Hour",         "24"},
    {"time",   "Hour",     "Minute",       "60"},
    {"time",   "Minute",   "Second",       "60"},
};
// clang-format on

TEST(CompoundSteps, AreTheTablesOwnValuesShownAsWholeNumbers) {
  std::set<std::string> listed;
  for (const Step& step : kSteps) {
    const Category& category = *categoryById(step.category);
    const auto& larger = category.rules()[*category.unitIndex(step.larger)];
    const auto& smaller = category.rules()[*category.unitIndex(step.smaller)];
    const double value = smaller.fromBase(larger.toBase(1.0));
    EXPECT_EQ(shortest(value), step.tableValue) << step.larger;
    EXPECT_EQ(resultText(convert(category, *category.unitIndex(step.larger),
                                 *category.unitIndex(step.smaller), "1")),
              shortest(std::round(value)));
    listed.insert(std::string(step.larger) + ">" + step.smaller);
  }
  for (const Category& category : allCategories()) {
    for (const CompoundUnit& unit : category.compoundUnits()) {
      for (std::size_t k = 0; k + 1 < unit.parts.size(); ++k) {
        EXPECT_TRUE(listed.count(std::string(unit.parts[k].label) + ">" +
                                 std::string(unit.parts[k + 1].label)))
            << unit.label;
      }
    }
  }
}

struct Case {
  const char* what;
  const char* category;
  const char* input;
  const char* from;
  const char* to;
  int denominator;
  const char* text;      // the quantity written, or the text the result shows
  const char* rounding;  // the note on a rounded last part
  NumberStyle style{};
};

std::ostream& operator<<(std::ostream& out, const Case& c) { return out << c.what; }

class CompoundConversions : public ::testing::TestWithParam<Case> {};

TEST_P(CompoundConversions, ReadAndWriteAsPeopleDo) {
  const Case& c = GetParam();
  const Category& category = *categoryById(c.category);
  const QuantityConversion conversion =
      convertQuantity(category, *quantityUnit(category, c.from), *quantityUnit(category, c.to),
                      c.input, c.denominator, c.style);
  EXPECT_EQ(quantityText(conversion, c.style), c.text);
  EXPECT_EQ(conversion.compound ? conversion.compound->roundingNote : "", c.rounding);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Quantities, CompoundConversions, ::testing::Values(
    Case{"metres split into feet and inches",     "length", "1.7018",       "Meters", "Feet and Inches", 0,  "5 ft 7.000002144 in", ""},
    Case{"sixteenths round and say by how much",  "length", "1.7018",       "Meters", "Feet and Inches", 16, "5 ft 7 in", "rounded down by 0.000002144 in"},
    Case{"feet and inches read back",             "length", "5 7.000002144", "Feet and Inches", "Meters", 0, "1.7018", ""},
    Case{"a mixed number in the last part",       "length", "5 7 3/16",     "Feet and Inches", "Inches", 0,  "67.1875", ""},
    Case{"feet and inch marks",                   "length", "5' 7 3/16\"",  "Feet and Inches", "Inches", 0,  "67.1875", ""},
    Case{"marks and labels, case ignored",        "length", "5 FT 7 inches", "Feet and Inches", "Inches", 0, "67", ""},
    Case{"a part left out is zero",               "length", "1 mi 2 in",    "Miles, Yard-Gaz, Feet and Inches", "Inches", 0, "63362", ""},
    Case{"a fraction written reduced",            "length", "67.25",        "Inches", "Feet and Inches", 8,  "5 ft 7 1/4 in", ""},
    Case{"rounding carries, never 12 in",         "length", "71.99",        "Inches", "Feet and Inches", 16, "6 ft 0 in", "rounded up by 0.01 in"},
    Case{"a fraction alone",                      "length", "0.5",          "Inches", "Feet and Inches", 2,  "1/2 in", ""},
    Case{"one sign in front",                     "length", "-67",          "Inches", "Feet and Inches", 0,  "-5 ft 7 in", ""},
    Case{"a negative quantity read",              "length", "-5 7",         "Feet and Inches", "Inches", 0,  "-67", ""},
    Case{"kanal and marla read in marla",           "area",   "2 7",          "Kanal and Marla", "Meters Square", 0, "1188.7639979991", ""},
    Case{"1 marla stays whole",                   "area",   "1",            "Marla", "Kanal, Marla and Square Karam", 0, "1 marla 0 karam", ""},
    Case{"1 chhatank stays whole",                "mass",   "1",            "Chhatank", "Maund, Seer, Chhatank and Tola", 0, "1 chhatank 0 tola", ""},
    Case{"maund and seer by label",               "mass",   "1 Maund 12 Seer", "Maund, Seer, Chhatank and Tola", "Seer", 0, "52", ""},
    Case{"a clock's reading fills the smallest",  "time",   "1:23:20",      "Day, Hour, Minute and Second", "Second", 0, "5000", ""},
    Case{"seconds split",                         "time",   "90061",        "Second", "Day, Hour, Minute and Second", 0, "1 d 1 h 1 min 1 s", ""},
    Case{"symbols, plurals and full stops",      "mass",   "11 st. 4 lbs", "Stone, Pound and Ounce", "Pound", 0, "158", ""},
    Case{"names people write for the parts",      "mass",   "11 stone 4 pounds", "Stone, Pound and Ounce", "Pound", 0, "158", ""},
    Case{"singular names, a part left out",       "length", "1 mile 2 yards", "Miles, Yard-Gaz, Feet and Inches", "Yard-Gaz", 0, "1762", ""},
    Case{"plural names in area",                  "area",   "2 kanals 7 marlas", "Kanal and Marla", "Marla", 0, "47", ""},
    Case{"another spelling of a part",            "mass",   "1 tola 6 masha 3 ratti", "Tola, Masha and Rutti", "Rutti", 0, "147", ""},
    Case{"1 tola stays whole",                    "mass",   "1",            "Tola", "Tola, Masha and Rutti", 0, "1 tola 0 masha 0 rutti", ""},
    Case{"stone and pound",                       "mass",   "70",           "Kilogram", "Stone and Pound", 0, "11 st 0.3234 lb", ""},
    Case{"compound to compound",                  "mass",   "1 2 3",        "Stone, Pound and Ounce", "Pound and Ounce", 0, "16 lb 3 oz", ""},
    Case{"decimal comma and point groups read",   "length", "1.234 ft 5,5 in", "Feet and Inches", "Inches", 0, "14.813,5", "", {',', Grouping::Thousands, GroupMark::Point}},
    Case{"parts written in the style",            "length", "14813,5",      "Inches", "Feet and Inches", 0, "1.234 ft 5,5 in", "", {',', Grouping::Thousands, GroupMark::Point}},
    Case{"a clock under a decimal comma",         "time",   "1:23:20,5",    "Day, Hour, Minute and Second", "Second", 0, "5000,5", "", {','}},
    Case{"too many numbers",                      "length", "1 2 3",        "Feet and Inches", "Inches", 0,  "Invalid Number", ""},
    Case{"a fraction before the last part",       "length", "1/2 3",        "Feet and Inches", "Inches", 0,  "Invalid Number", ""},
    Case{"a decimal before the last part",        "length", "5.5 3",        "Feet and Inches", "Inches", 0,  "Invalid Number", ""},
    Case{"parts out of order",                    "length", "7 in 5 ft",    "Feet and Inches", "Inches", 0,  "Invalid Number", ""},
    Case{"marks on some numbers only",            "length", "5 ft 7",       "Feet and Inches", "Inches", 0,  "Invalid Number", ""},
    Case{"an unknown mark",                       "length", "5 yd",         "Feet and Inches", "Inches", 0,  "Invalid Number", ""},
    Case{"a zero denominator",                    "length", "1/0",          "Feet and Inches", "Inches", 0,  "Invalid Number", ""},
    Case{"a second sign",                         "length", "5 -7",         "Feet and Inches", "Inches", 0,  "Invalid Number", ""},
    Case{"an overflowing part is a fault",        "length", "1e308 mi",     "Miles, Yard-Gaz, Feet and Inches", "Inches", 0, "Overflow", ""},
    Case{"a quantity beyond a double's digits",   "length", "1e300",        "Meters", "Feet and Inches", 0, "3.28084E+300 ft 0 in", ""},
    Case{"written kanal and marla read back as marla would", "area", "12 1.926068154881", "Kanal and Marla", "Meters Square", 0, "6119", ""},
    Case{"an empty clock field",                  "time",   "1::5",         "Hour, Minute and Second", "Second", 0, "Invalid Number", ""},
    Case{"a trailing colon",                      "time",   "1:5:",         "Day, Hour, Minute and Second", "Second", 0, "Invalid Number", ""},
    Case{"the top of the double range",           "length", "1.7976931348623157e308", "Inches", "Feet and Inches", 0, "1.49807761238526E+307 ft 0 in", ""},
    Case{"a note at 10^9 says every digit",       "time",   "40",           "Year", "Day, Hour, Minute and Second", 64, "14609 d 16 h 30 min 38 63/64 s", "rounded down by 0.003625 s"},
    Case{"a note at 10^13 below the shown digits", "time",  "10000000000000.1", "Second", "Day, Hour, Minute and Second", 32, "115740740 d 17 h 46 min 40 3/32 s", "rounded down by 0.00625 s"},
    Case{"the shown digits pick the fraction, not a halfway double", "time", "70000000000000.2", "Second", "Day, Hour, Minute and Second", 32, "810185185 d 4 h 26 min 40 3/16 s", "rounded down by 0.0125 s"},
    Case{"shown exactly halfway goes from zero",  "length", "-0.03125",     "Inches", "Feet and Inches", 16, "-1/16 in", "rounded down by 0.03125 in"},
    Case{"an overflowing sum is a fault",         "length", "1e308",        "Kilometers", "Feet and Inches", 0,  "Overflow", ""},
    Case{"a quantity below 1e-294 keeps its digits", "mass", "1E-308",      "Pound", "Stone, Pound and Ounce", 0, "1.6E-307 oz", ""},
    Case{"and rounds to a fraction",              "mass",   "1E-308",       "Pound", "Stone, Pound and Ounce", 16, "0 oz", "rounded down by 1.6E-307 oz"}
));
// clang-format on

}  // namespace
}  // namespace vardeln
