// Vardeln — MIT licence, see LICENSE.
// Numbers read and written under a style: each row reads a text or writes a double, and every
// value a row holds must show as a text that reads back as the value it shows, never 0.
#include "number_style.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "exact_double.h"
#include "locale_marks.h"

namespace vardeln {
namespace {

NumberStyle style(char decimalMark, Grouping grouping = Grouping::None,
                  GroupMark mark = GroupMark::Comma) {
  return {.decimalMark = decimalMark, .grouping = grouping, .groupMark = mark};
}

NumberStyle form(Precision precision, int digits, Notation notation = Notation::General) {
  return {.precision = precision, .digits = digits, .notation = notation};
}

const NumberStyle kCommaMark = style(',');
const NumberStyle kGerman = style(',', Grouping::Thousands, GroupMark::Point);
const NumberStyle kEnglish = style('.', Grouping::Thousands);
const NumberStyle kIndian = style('.', Grouping::Indian);
const NumberStyle kFrench = style(',', Grouping::Thousands, GroupMark::NarrowNoBreakSpace);
const NumberStyle kSwiss = style('.', Grouping::Thousands, GroupMark::Apostrophe);
const NumberStyle kThinPoint = style('.', Grouping::Thousands, GroupMark::ThinSpace);

struct Row {
  const char* name;
  NumberStyle style;
  bool writes;  // writes `value` as `text`, or reads `text` as `value` (nothing: refused)
  std::string text;
  std::optional<double> value;
};

std::ostream& operator<<(std::ostream& out, const Row& row) { return out << row.name; }

class Styles : public ::testing::TestWithParam<Row> {};

TEST_P(Styles, ReadAndWriteAndReadBackWhatTheyShow) {
  const Row& row = GetParam();
  if (row.writes) {
    EXPECT_EQ(formatDouble(*row.value, row.style), row.text);
  } else {
    const std::optional<double> read = parseNumber(row.text, row.style);
    ASSERT_EQ(read.has_value(), row.value.has_value());
    if (read) {
      EXPECT_TRUE(testing::sameDouble(*read, *row.value));
    }
  }
  if (!row.value) return;
  const std::string shown = formatDouble(*row.value, row.style);
  const std::optional<double> back = parseNumber(shown, row.style);
  ASSERT_TRUE(back) << shown;
  EXPECT_EQ(formatDouble(*back, row.style), shown);
  EXPECT_EQ(*back == 0, *row.value == 0) << shown;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(NumberStyle, Styles, ::testing::Values(
    Row{"DefaultRefusesAComma",        {},         false, "1,5",            std::nullopt},
    Row{"DefaultRefusesLakh",          {},         false, "2 lakh",         std::nullopt},
    Row{"CommaMarkReads",              kCommaMark, false, " -,5e3 ",        -500},
    Row{"CommaMarkRefusesThePoint",    kCommaMark, false, "1.5",            std::nullopt},
    Row{"ThousandsRead",               kEnglish,   false, "150,000.5",      150000.5},
    Row{"ThousandsReadUngrouped",      kEnglish,   false, "150000",         150000},
    Row{"ThousandsRefuseAShortGroup",  kEnglish,   false, "1,5,0",          std::nullopt},
    Row{"ThousandsRefuseIndianGroups", kEnglish,   false, "1,50,000",       std::nullopt},
    Row{"ThousandsRefuseAnEmptyGroup", kEnglish,   false, "150,",           std::nullopt},
    Row{"GermanReads",                 kGerman,    false, "1.500,25",       1500.25},
    Row{"GermanRefusesAPointDecimal",  kGerman,    false, "2.5",            std::nullopt},
    Row{"FrenchReadsTypedBlanks",      kFrench,    false, "150 000,5",      150000.5},
    Row{"SwissReads",                  kSwiss,     false, "1'234.5",        1234.5},
    Row{"ThousandsReadBareNumbers",    kEnglish,   false, " +.5e3 ",        500},
    Row{"ThousandsRefuseTwoPoints",    kEnglish,   false, "1.2.3",          std::nullopt},
    Row{"ThinSpacesReadNoBreakSpaces", kThinPoint, false, "1\u00A0500.5",   1500.5},
    Row{"IndianReads",                 kIndian,    false, "12,34,56,789.5", 123456789.5},
    Row{"IndianRefusesThousands",      kIndian,    false, "150,000",        std::nullopt},
    Row{"LakhScalesTheWrittenDigits",  kIndian,    false, "2.3 lakh",       230000},
    Row{"CroresRead",                  kIndian,    false, "1.2 Crores",     12000000},
    Row{"CroreAfterGroups",            kIndian,    false, "1,00,000 crore", 1e12},
    Row{"LakhTakesNoExponent",         kIndian,    false, "1e2 lakh",       std::nullopt},
    Row{"LakhAloneIsNoNumber",         kIndian,    false, "lakh",           std::nullopt},
    Row{"NoGroupStartsWithZero",       kGerman,    false, "0.500",          std::nullopt},
    Row{"NoThousandStartsWithZero",    kEnglish,   false, "-00,001",        std::nullopt},
    Row{"NoIndianGroupStartsWithZero", kIndian,    false, "0,01,234",       std::nullopt},
    Row{"ZeroBeforeDecimalsReads",     kGerman,    false, "0,500",          0.5},
    Row{"DevanagariDigitsRead",        {},         false, "१.५",            1.5},
    Row{"BengaliDigitsInGroups",       kEnglish,   false, "১,২৩৪.৫",        1234.5},
    Row{"GurmukhiDigitsInGroups",      kGerman,    false, "੧.੨੩੪,੫",        1234.5},
    Row{"GujaratiDigitsInLakhs",       kIndian,    false, "૧,૨૩,૪૫૬",       123456},
    Row{"ArabicIndicDigitsRead",       kCommaMark, false, "٣,٥",            3.5},
    Row{"ExtendedArabicIndicDigits",   {},         false, "-۱۲e۳",          -12000},
    Row{"TwoScriptsAreNoNumber",       {},         false, "१۲",             std::nullopt},
    Row{"ScriptAndAsciiDigitsAreNone", kEnglish,   false, "1,५००",          std::nullopt},
    Row{"ArabicDecimalMarkIsNoStyle",  {},         false, "١٫٥",            std::nullopt},
    Row{"CommaMarkWrites",             kCommaMark, true,  "8,20209973753281", 8.202099737532808},
    Row{"ExponentKeepsItsSpelling",    kGerman,    true,  "1,5E-10",        1.5e-10},
    Row{"ThousandsWrite",              kEnglish,   true,  "-4,046,856.1634012", -4046856.1634012},
    Row{"IndianWrite",                 kIndian,    true,  "40,46,856.1634012", 4046856.1634012},
    Row{"ThreeDigitsNeedNoGroup",      kIndian,    true,  "123",            123},
    Row{"IndianWriteOneLeadingDigit",  kIndian,    true,  "-1,23,456",      -123456},
    Row{"ThousandsWriteExponents",     kEnglish,   true,  "1.5E+20",        1.5e20},
    Row{"NarrowSpacesWrite",           kFrench,    true,  "150\u202F000,5", 150000.5},
    Row{"GroupsOnlyRead",              {.grouping = Grouping::Thousands, .groupsResults = false}, true, "150000", 150000},
    Row{"ThreeDigits",                 form(Precision::SignificantDigits, 3), true, "1.23E+05", 123456},
    Row{"TwoDecimalsRoundOnce",        form(Precision::Decimals, 2), true, "1.00",     1.005},
    Row{"ZeroDecimalsTieToEven",       form(Precision::Decimals, 0), true, "2",        2.5},
    Row{"DecimalsNeverShowZero",       form(Precision::Decimals, 2), true, "1.00E-13", 1e-13},
    Row{"ZeroKeepsItsDecimals",        form(Precision::Decimals, 2), true, "0.00",     -0.0},
    Row{"Scientific",                  form(Precision::SignificantDigits, 15, Notation::Scientific), true, "1.5E+03", 1500},
    Row{"ScientificDecimals",          form(Precision::Decimals, 3, Notation::Scientific), true, "1.500E+03", 1500},
    Row{"Engineering",                 form(Precision::SignificantDigits, 15, Notation::Engineering), true, "150E-06", 0.00015},
    Row{"EngineeringPads",             form(Precision::SignificantDigits, 1, Notation::Engineering), true, "10E+03", 12345},
    Row{"EngineeringCarries",          form(Precision::Decimals, 1, Notation::Engineering), true, "1.0E+03", 999.96},
    Row{"EngineeringCarriesInGroup",   form(Precision::Decimals, 1, Notation::Engineering), true, "100.0E+00", 99.96},
    Row{"TopOfTheRangeRoundsDown",     form(Precision::SignificantDigits, 1), true, "1E+308", std::numeric_limits<double>::max()},
    Row{"DefaultTopOfTheRangeReadsBack", {},      true,  "-1.79769313486231E+308", -std::numeric_limits<double>::max()},
    Row{"EngineeringTopRoundsDown",    form(Precision::Decimals, 1, Notation::Engineering), true, "179.7E+306", std::numeric_limits<double>::max()},
    Row{"WidestTextFits",              {.grouping = Grouping::Indian, .groupMark = GroupMark::ThinSpace, .precision = Precision::Decimals, .digits = 17}, false, "-1.7976931348623157e308", -std::numeric_limits<double>::max()},
    Row{"SubnormalNeverZero",          form(Precision::Decimals, 17), true, "4.94065645841246544E-324", 5e-324}),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });
// clang-format on

struct LocaleRow {
  const char* name;
  LocaleMarks marks;
  NumberStyle style;
};

std::ostream& operator<<(std::ostream& out, const LocaleRow& row) { return out << row.name; }

class LocaleStyles : public ::testing::TestWithParam<LocaleRow> {};

TEST_P(LocaleStyles, TakeTheMarksTheConverterReads) {
  EXPECT_TRUE(numberStyleOf(GetParam().marks) == GetParam().style);
}

NumberStyle readOnly(NumberStyle style) {
  style.groupsResults = false;
  return style;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(NumberStyle, LocaleStyles, ::testing::Values(
    LocaleRow{"German",             {",", ".", "\3"},        readOnly(kGerman)},
    LocaleRow{"Indian",             {".", ",", "\3\2"},      readOnly(kIndian)},
    LocaleRow{"FrenchNoBreakSpace", {",", "\u00A0", "\3"},   readOnly(kFrench)},
    LocaleRow{"NoGroupSizes",       {",", ".", ""},          readOnly(style(',', Grouping::None, GroupMark::Point))},
    LocaleRow{"GroupMarkNotRead",   {".", "_", "\3"},        readOnly({})},
    LocaleRow{"GroupMarkIsDecimal", {",", ",", "\3"},        readOnly(kCommaMark)}),
    [](const ::testing::TestParamInfo<LocaleRow>& info) { return std::string(info.param.name); });
// clang-format on

TEST(GroupMarks, BesideTheDecimalMarkTakeTheOtherOfCommaAndPoint) {
  EXPECT_EQ(groupMarkBeside(',', GroupMark::Comma), GroupMark::Point);
  EXPECT_EQ(groupMarkBeside('.', GroupMark::Point), GroupMark::Comma);
  EXPECT_EQ(groupMarkBeside(',', GroupMark::Apostrophe), GroupMark::Apostrophe);
  EXPECT_EQ(groupMarkBeside('.', GroupMark::Comma), GroupMark::Comma);
}

}  // namespace
}  // namespace vardeln
