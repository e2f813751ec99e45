// Vardeln — MIT licence, see LICENSE.
// Links as people write, edit and share them: what each opens, and what the note says.
#include "link.h"

#include <gtest/gtest.h>

#include <string>

#include "converter.h"

namespace vardeln {
namespace {

struct LinkCase {
  const char* name;
  std::string address;
  const char* opened;  // the link of what the converter then shows
  const char* result;
  std::string note;
  const char* copy = nullptr;  // what Copy gives, where the row is about it
  NumberStyle style = {};      // the style of the page that opens it
};

const NumberStyle kGerman = {
    .decimalMark = ',', .grouping = Grouping::Thousands, .groupMark = GroupMark::Point};

std::string repeated(std::string_view text, std::size_t times) {
  std::string all;
  for (std::size_t i = 0; i < times; ++i) all += text;
  return all;
}

const std::string tooLongNote =
    "This link is too long: over " + std::to_string(longestLink()) + " characters";

void PrintTo(const LinkCase& c, std::ostream* out) { *out << c.name; }

class Links : public ::testing::TestWithParam<LinkCase> {};

TEST_P(Links, OpenWhatTheyName) {
  const LinkCase& c = GetParam();
  Converter converter;
  // A link opens its conversion whatever was shown before, and never shows that result.
  converter.chooseCategory(3);
  converter.setNumber("5");
  converter.setNumberStyle(c.style);
  followLink(converter, c.address);
  EXPECT_EQ(linkOf(converter), c.opened);
  EXPECT_EQ(converter.result(), c.result);
  EXPECT_EQ(converter.note(), c.note);
  if (c.copy) {
    EXPECT_EQ(converter.copy(), c.copy);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, Links, ::testing::Values(
    LinkCase{"good",                 "#length/1/Feet/Meters",               "#length/1/Feet/Meters",                  "0.3047999902464", ""},
    LinkCase{"other case",           "#Length/1/feet/METERS",               "#length/1/Feet/Meters",                  "0.3047999902464", ""},
    LinkCase{"encoded",              "#temperature/-40/Celsius/R%C3%A9aumur", "#temperature/-40/Celsius/R%C3%A9aumur", "-32", ""},
    LinkCase{"encoded slash",        "#pressure/1/Dynes%20%2F%20cm%20Square/Pascal", "#pressure/1/Dynes%20%2F%20cm%20Square/Pascal", "0.1", ""},
    LinkCase{"unencoded slash",      "#pressure/1/Dynes / cm Square/Pascal", "#pressure/1/Dynes%20%2F%20cm%20Square/Pascal", "0.1", ""},
    LinkCase{"slashes on both sides", "#speed/1/Feet/hour/Meters/second",   "#speed/1/Feet%2Fhour/Meters%2Fsecond",   "8.46666639573334E-05", ""},
    LinkCase{"no number: as Reset",  "#area//Acres/Hectares",               "#area//Acres/Hectares",                  "", ""},
    LinkCase{"text that is no number", "#area/abc/Acres/Hectares",          "#area/abc/Acres/Hectares",               "Invalid Number", ""},
    LinkCase{"empty: the start",     "",                                    "#area/0/Acres/Acres",                    "0", ""},
    LinkCase{"unknown category",     "#lenght/1/Feet/Meters",               "#area/0/Acres/Acres",                    "0", "This link names no category \"lenght\""},
    LinkCase{"unknown source unit",  "#length/1/Fet/Meters",                "#area/0/Acres/Acres",                    "0", "This link names no unit \"Fet\" in length"},
    LinkCase{"unknown target unit",  "#length/1/Feet/Meterz",               "#area/0/Acres/Acres",                    "0", "This link names no unit \"Meterz\" in length"},
    LinkCase{"long name, control characters", "#length/1/Feet/%0A%1B[2J" "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "#area/0/Acres/Acres", "0",
             "This link names no unit \"??[2Jaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\"... (72 bytes) in length"},
    LinkCase{"too few parts",        "#length/1/Feet",                      "#area/0/Acres/Acres",                    "0", "This link holds no conversion"},
    LinkCase{"a broken escape",      "#length/1%/Feet/Meters",              "#area/0/Acres/Acres",                    "0", "This link holds no conversion"},
    LinkCase{"a fault shows no number",  "#length/1e308/Miles/Meters",      "#length/1e308/Miles/Meters",             "", "Overflow", "1e308 Miles = Overflow Meters"},
    LinkCase{"a number too long: refused", "#length/" + repeated("9", 4097) + "/Feet/Meters", "#area/0/Acres/Acres", "0", "This link was refused: its number is over 4096 characters"},
    LinkCase{"a compound quantity",  "#length/5%207%203%2F16/Feet%20and%20Inches/Meters", "#length/5%207%203%2F16/Feet%20and%20Inches/Meters", "1.70656244539", ""},
    LinkCase{"its fraction's slash unencoded", "#length/5 7 3/16/Feet and Inches/Meters", "#length/5%207%203%2F16/Feet%20and%20Inches/Meters", "1.70656244539", ""},
    LinkCase{"into a compound unit", "#length/1.7018/Meters/Feet%20and%20Inches", "#length/1.7018/Meters/Feet%20and%20Inches", "5 ft 7.000002144 in", ""},
    LinkCase{"a unit named after a known one", "#pressure/1/Dynes / cm Square/Pascal/x", "#area/0/Acres/Acres",   "0", "This link names no unit \"Pascal/x\" in pressure"},
    LinkCase{"slashes just under the bound", "#length/1/" + repeated("/", longestLink() - 30) + "Feet/Meters", "#area/0/Acres/Acres", "0", "This link holds no conversion: too many slashes"},
    LinkCase{"an empty unit name",   "#length/1//Meters",                   "#area/0/Acres/Acres",                    "0", "This link leaves a unit of length unnamed"},
    LinkCase{"a unit of several sizes says which", "#mass/1/Hundred%20Weight/Pound", "#mass/1/Hundred%20Weight/Pound", "112",
             "Hundred Weight here is the long hundredweight of 112 lb; the US hundredweight is 100 lb"},
    LinkCase{"today's definitions",  "#today/length/0.1/Feet/Meters",       "#today/length/0.1/Feet/Meters",          "0.03048", "By today's definitions, exactly, rounded once"},
    LinkCase{"today: a unit with none", "#Today/area/1/Bigha/Acres",        "#today/area/1/Bigha/Acres",              "", "Bigha has no single definition today (regional-historical (no single standard)): no standard: 4 kanal = 21 780 ft^2 = 2023.43 m^2 (Punjab bega, legacy match); Assam/W. Bengal/Bangladesh 14 400 ft^2; UP ~27 000 ft^2; Rajasthan 27 225 or 17 424 ft^2; Himachal 8712 ft^2; Nepal 6772.63 m^2"},
    LinkCase{"today: a compound unit", "#today/length/5 7/Feet and Inches/Meters", "#today/length/5%207/Feet%20and%20Inches/Meters", "1.7018", "By today's definitions, exactly, rounded once"},
    LinkCase{"today and no conversion", "#today/length/1/Feet",             "#area/0/Acres/Acres",                    "0", "This link holds no conversion"},
    LinkCase{"in a style: shown in it",  "#area/1000.5/Acres/Meters%20Square", "#area/1000.5/Acres/Meters%20Square", "4.048.879,5914829", "", "1000,5 Acres = 4.048.879,5914829 Meters Square", kGerman},
    LinkCase{"a compound quantity in a style", "#length/1250%207.5/Feet%20and%20Inches/Feet", "#length/1250%207.5/Feet%20and%20Inches/Feet", "1.250,625", "", "1250 7,5 Feet and Inches = 1.250,625 Feet", kGerman},
    LinkCase{"today's definitions in a style", "#today/length/0.1/Feet/Meters", "#today/length/0.1/Feet/Meters", "0,03048", "By today's definitions, exactly, rounded once", "0,1 Feet = 0,03048 Meters", kGerman},
    LinkCase{"longer than any link written", "#length/1/" + repeated("a/", 50000), "#area/0/Acres/Acres",         "0", tooLongNote}));
// clang-format on

}  // namespace
}  // namespace vardeln
