// Vardeln — MIT licence, see LICENSE.
// Every way the command line ends: its status, standard output and standard error.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <regex>

#include "arguments.h"
#include "captured_run.h"
#include "compound_quantity.h"
#include "usage_text.h"
#include "version.h"

namespace vardeln::cli {
namespace {

struct Invocation {
  const char* what;
  std::vector<std::string_view> arguments;
  std::string_view input;
  ExitStatus status;
  std::string_view out;
  std::string_view err;
};

std::ostream& operator<<(std::ostream& out, const Invocation& i) { return out << i.what; }

class Invocations : public ::testing::TestWithParam<Invocation> {};

TEST_P(Invocations, EndWithTheirStatusAndMessages) {
  const Invocation& i = GetParam();
  const testing::CapturedRun run = testing::runCaptured(i.arguments, i.input);
  EXPECT_EQ(run.status, i.status);
  EXPECT_EQ(run.out, i.out);
  EXPECT_EQ(run.err, i.err);
  if (std::ranges::find(i.arguments, "--json") != i.arguments.end()) {
    for (const std::string& line : testing::linesOf(run.out)) {
      EXPECT_TRUE(nlohmann::json::parse(line, nullptr, false).is_object())
          << "not a JSON record: " << line;
    }
  }
}

constexpr auto kOk = ExitStatus::Success;
constexpr auto kInvalid = ExitStatus::InvalidNumber;
constexpr auto kUsage = ExitStatus::UsageError;
constexpr auto kFault = ExitStatus::Fault;

// clang-format off
INSTANTIATE_TEST_SUITE_P(CommandLine, Invocations, ::testing::Values(
    Invocation{"result as the result box shows it", {"length", "1", "Feet", "Meters"}, "", kOk, "0.3047999902464\n", ""},
    Invocation{"exact shortest form",          {"--exact", "length", "1", "Feet", "Meters"}, "", kOk, "0.3047999902464003\n", ""},
    Invocation{"negative value is no option",  {"temperature", "-40", "Celsius", "Fahrenheit"}, "", kOk, "-40\n", ""},
    Invocation{"label with blanks and slash",  {"pressure", "1", "Barye", "Dynes / cm Square"}, "", kOk, "1\n", ""},
    Invocation{"names in any case",            {"TEMPERATURE", "80", "réaumur", "CELSIUS"}, "", kOk, "100\n", ""},
    Invocation{"capital accented letter",      {"temperature", "80", "RÉAUMUR", "Celsius"}, "", kOk, "100\n", ""},
    Invocation{"value not a number",           {"length", "abc", "Feet", "Meters"}, "", kInvalid, "Invalid Number\n",
                                               "vardeln-convert: Invalid Number: \"abc\" is no number\n"},
    Invocation{"indian groups read and written", {"--grouping=indian", "length", "1,50,000", "Meters", "Meters"}, "", kOk, "1,50,000\n", ""},
    Invocation{"lakh read under indian grouping", {"--grouping=indian", "area", "2.5 lakh", "Feet Square", "Acres"}, "", kOk, "5.73921028466483\n", ""},
    Invocation{"badly placed groups",          {"--grouping=thousands", "length", "1,5,0", "Meters", "Meters"}, "", kInvalid, "Invalid Number\n",
                                               "vardeln-convert: Invalid Number: \"1,5,0\" is no number\n"},
    Invocation{"decimal comma, point groups by default", {"length", "-1.500,5", "Meters", "Meters", "--decimal-mark=,", "--grouping=thousands"}, "", kOk, "-1.500,5\n", ""},
    Invocation{"decimal comma, Indian groups by the point", {"--decimal-mark=,", "--grouping=indian", "length", "12.34.567,5", "m", "m"}, "", kOk, "12.34.567,5\n", ""},
    Invocation{"a first group of zeros is no number", {"--decimal-mark=,", "--grouping=thousands", "length", "0.500", "m", "m"}, "", kInvalid, "Invalid Number\n",
                                               "vardeln-convert: Invalid Number: \"0.500\" reads as no number in 1.234,5 style: a group never starts a number with 0\n"},
    Invocation{"digits of the user's script",  {"length", "१.५", "ft", "m"}, "", kOk, "0.4571999853696\n", ""},
    Invocation{"general notation, the default", {"--notation=general", "length", "1500", "m", "m"}, "", kOk, "1500\n", ""},
    Invocation{"decimals never show 0",        {"--decimals=2", "length", "1", "Angstrom", "Kilometers"}, "", kOk, "1.00E-13\n", ""},
    Invocation{"digits and engineering",       {"--digits=2", "--notation=engineering", "length", "12345", "Meters", "Meters"}, "", kOk, "12E+03\n", ""},
    Invocation{"json keeps number and exact in C", {"--json", "--decimal-mark=,", "length", "1,5", "Meters", "Meters"}, "", kOk,
                                               "{\"category\":\"length\",\"value\":\"1,5\",\"from\":\"Meters\",\"to\":\"Meters\",\"result\":\"1,5\",\"exact\":\"1.5\",\"number\":1.5,\"outcome\":\"ok\"}\n", ""},
    Invocation{"a compound quantity in the style", {"--decimal-mark=,", "length", "5 7,5", "Feet and Inches", "Inches"}, "", kOk, "67,5\n", ""},
    Invocation{"a styled value, the category left out", {"--decimal-mark=,", "1,5", "m", "ft"}, "", kOk, "4,92126\n", ""},
    Invocation{"a word not read in a styled quantity", {"--decimal-mark=,", "length", "5 ft 7,5 inx", "Feet and Inches", "Inches"}, "", kInvalid,
                                               "Invalid Number\n", "vardeln-convert: Invalid Number: \"inx\" is no part of Feet and Inches\n"},
    Invocation{"group mark equal to the decimal mark", {"--decimal-mark=,", "--group-mark=,", "length", "1", "Meters", "Feet"}, "", kUsage, "",
                                               "vardeln-convert: the group mark cannot be the decimal mark; see --help\n"},
    Invocation{"digits out of range",          {"--digits=0", "length", "1", "Meters", "Feet"}, "", kUsage, "",
                                               "vardeln-convert: no such choice: \"--digits=0\"; see --help\n"},
    Invocation{"--locale with another number option", {"--locale", "--decimals=2", "length", "1", "Meters", "Feet"}, "", kUsage, "",
                                               "vardeln-convert: --locale takes the whole number style from LC_NUMERIC: not with another number option; see --help\n"},
    Invocation{"empty value",                  {"length", "", "Feet", "Meters"}, "", kInvalid, "Invalid Number\n",
                                               "vardeln-convert: Invalid Number: \"\" is no number\n"},
    Invocation{"to-base overflow",             {"length", "1e308", "Kilometers", "Meters"}, "", kFault, "",
                                               "vardeln-convert: floating-point fault: Overflow\n"},
    Invocation{"infinite result is shown",     {"area", "1e300", "Meters Square", "Shed"}, "", kFault, "Infinity\n", ""},
    Invocation{"a unit far from today's: said on standard error", {"mass", "500", "Miligram", "Gram"}, "", kOk, "50\n",
                                               "vardeln-convert: note: this table's Miligram is 100 times today's (1 mg = 1e-6 kg (exact))\n"},
    Invocation{"both units far from today's: one line", {"mass", "1", "Grain", "Miligram"}, "", kOk, "64.8\n",
                                               "vardeln-convert: note: this table's Grain is 100 times today's (1 gr = 1/7000 lb = 64.798 91 mg"
                                               " (exact)); this table's Miligram is 100 times today's (1 mg = 1e-6 kg (exact))\n"},
    Invocation{"unknown unit",                 {"length", "1", "Fet", "Meters"}, "", kUsage, "",
                                               "vardeln-convert: unknown unit \"Fet\" in length; closest: \"Feet\", \"Fermi\", \"Feet and Inches\"\n"},
    Invocation{"a symbol the tables lack",     {"1", "Mm", "ft"}, "", kUsage, "",
                                               "vardeln-convert: \"Mm\" is a megametre, which the tables lack; \"mm\" is Millimeter\n"},
    Invocation{"names people write for units", {"mass", "2", "tolas", "g"}, "", kOk, "23.328\n", ""},
    Invocation{"the units settle the category", {"5", "ft", "m"}, "", kOk, "1.523999951232\n", ""},
    Invocation{"a name two units share",       {"volume", "1", "gallon", "litre"}, "", kUsage, "",
                                               "vardeln-convert: ambiguous unit \"gallon\" in volume; it matches \"Gallon Imperial\", \"Gallon US\"\n"},
    Invocation{"units of several categories",  {"--all", "1", "kilo"}, "", kUsage, "",
                                               "vardeln-convert: \"kilo\" fits several categories: \"mass\", \"prefix\"; give CATEGORY before VALUE\n"},
    Invocation{"units of no one category",     {"5", "ft", "kg"}, "", kUsage, "",
                                               "vardeln-convert: \"ft\" is length, \"kg\" is mass: no conversion between them\n"},
    Invocation{"a food name the energy units lack", {"100", "Cal", "kJ"}, "", kUsage, "",
                                               "vardeln-convert: unknown unit \"Cal\" in energy; \"Cal\" on a food label means the kilocalorie, 4.184 kJ,"
                                               " which the energy units lack; \"cal\" is the calorie of 4.1868 J\n"},
    Invocation{"carat, as carats, two carats", {"1", "carat", "g"}, "", kUsage, "",
                                               "vardeln-convert: ambiguous unit \"carat\" in mass; it matches \"Carat\", \"Carat Metric\"; \"carat\" may mean"
                                               " the old carat of this table or the metric carat of 200 mg (\"ct\")\n"},
    Invocation{"a unit of several sizes says which", {"1", "bigha", "acre"}, "", kOk, "0.5\n",
                                               "vardeln-convert: note: \"bigha\" here is the Punjab bigha of 4 kanal, 21,780 sq ft; a Bengal or Assam bigha"
                                               " is 14,400 sq ft, and other regions' differ\n"},
    Invocation{"units of two categories named", {"1", "lb", "N"}, "", kUsage, "",
                                               "vardeln-convert: \"lb\" is mass, \"N\" is force: no conversion between them\n"},
    Invocation{"a unit no category has",       {"5", "ft", "mtr"}, "", kUsage, "",
                                               "vardeln-convert: unknown unit \"mtr\" in length; closest: \"Meters\", \"Bicron\", \"Kilometers\"\n"},
    Invocation{"unknown target unit",          {"length", "1", "Feet", "metr"}, "", kUsage, "",
                                               "vardeln-convert: unknown unit \"metr\" in length; closest: \"Meters\", \"Bicron\", \"Kilometers\"\n"},
    Invocation{"name checked before value",    {"length", "abc", "Feet", "Acres"}, "", kUsage, "",
                                               "vardeln-convert: unknown unit \"Acres\" in length; \"Acres\" is area\n"},
    Invocation{"C1 controls and bytes no UTF-8 hidden", {"length", "1", "Fe\xC2\x9B[2Jt\xFF", "Feet"}, "", kUsage, "",
                                               "vardeln-convert: unknown unit \"Fe?[2Jt?\" in length; see --list\n"},
    Invocation{"batch: a byte-order mark is no part of the first line", {"length", "-", "Kilometers", "Meters"}, "\xEF\xBB\xBF" "1\n", kOk,
                                               "1000\n", ""},
    Invocation{"unknown category",             {"lenght", "1", "Feet", "Meters"}, "", kUsage, "",
                                               "vardeln-convert: unknown category \"lenght\"; closest: \"length\"\n"},
    Invocation{"too few arguments",            {"length", "1", "Feet"}, "", kUsage, "",
                                               "vardeln-convert: expected [CATEGORY] VALUE FROM TO; see --help\n"},
    Invocation{"no arguments",                 {}, "", kUsage, "", "vardeln-convert: expected [CATEGORY] VALUE FROM TO; see --help\n"},
    Invocation{"control characters hidden",    {"length", "1", "Fe\net\x1b[2J", "Feet"}, "", kUsage, "",
                                               "vardeln-convert: unknown unit \"Fe?et?[2J\" in length; see --list\n"},
    Invocation{"--version with an argument",   {"--version", "x"}, "", kUsage, "", "vardeln-convert: --version takes no arguments; see --help\n"},
    Invocation{"--list with two arguments",    {"--list", "area", "mass"}, "", kUsage, "",
                                               "vardeln-convert: --list takes at most one CATEGORY; see --help\n"},
    Invocation{"labels of a category",         {"--list", "Temperature"}, "", kOk,
                                               "Celsius\nFahrenheit\nKelvin\nRankine\nRéaumur\n", ""},
    Invocation{"list of an unknown category",  {"--list", "presure"}, "", kUsage, "",
                                               "vardeln-convert: unknown category \"presure\"; closest: \"pressure\"\n"},
    Invocation{"batch: every status, highest wins", {"length", "-", "Kilometers", "Meters"}, "1\nabc\n1e308\n2\n", kFault,
                                               "1000\nInvalid Number\nOverflow\n2000\n", ""},
    Invocation{"batch: invalid lines only",    {"--exact", "length", "-", "Feet", "Meters"}, "1\n\n", kInvalid,
                                               "0.3047999902464003\nInvalid Number\n", ""},
    Invocation{"metres into feet and inches",  {"length", "1.7018", "Meters", "Feet and Inches"}, "", kOk, "5 ft 7.000002144 in\n", ""},
    Invocation{"sixteenths say what they rounded", {"--fraction=16", "length", "1.7018", "Meters", "feet and inches"}, "", kOk,
                                               "5 ft 7 in (rounded down by 0.000002144 in)\n", ""},
    Invocation{"parts read back",              {"length", "5 ft 7.000002144 in", "Feet and Inches", "Meters"}, "", kOk, "1.7018\n", ""},
    Invocation{"a word no part of the unit named", {"mass", "11 st 4 lbx", "Stone, Pound and Ounce", "Kilogram"}, "", kInvalid,
                                               "Invalid Number\n", "vardeln-convert: Invalid Number: \"lbx\" is no part of Stone, Pound and Ounce\n"},
    Invocation{"a number without its unit",   {"length", "5 foot 11", "Feet and Inches", "Meters"}, "", kInvalid, "Invalid Number\n",
                                               "vardeln-convert: Invalid Number: \"11\" lacks its unit, where another number of \"5 foot 11\" has one\n"},
    Invocation{"kanal and marla",              {"area", "2 7", "Kanal and Marla", "Meters Square"}, "", kOk, "1188.7639979991\n", ""},
    Invocation{"parts in JSON",                {"--json", "--fraction=16", "length", "1.7018", "Meters", "Feet and Inches"}, "", kOk,
                                               "{\"category\":\"length\",\"value\":\"1.7018\",\"from\":\"Meters\",\"to\":\"Feet and Inches\",\"result\":\"5 ft 7 in\","
                                               "\"exact\":\"67\",\"number\":67,\"parts\":[5,7],\"rounding\":\"rounded down by 0.000002144 in\",\"outcome\":\"ok\"}\n", ""},
    Invocation{"a fraction ruler has no thirds", {"--fraction=3", "length", "1", "Feet", "Inches"}, "", kUsage, "",
                                               "vardeln-convert: --fraction=N takes N 2, 4, 8, 16, 32 or 64; see --help\n"},
    Invocation{"today: the decimal typed, rounded once", {"--today", "length", "0.1", "Feet", "Meters"}, "", kOk, "0.03048\n", ""},
    Invocation{"today: a scale with its own zero", {"temperature", "98.6", "Fahrenheit", "Celsius", "--today"}, "", kOk, "37\n", ""},
    Invocation{"today: compound parts summed exactly", {"--today", "length", "5 ft 7 in", "Feet and Inches", "Meters"}, "", kOk, "1.7018\n", ""},
    Invocation{"today: read and written in the style", {"--today", "--decimal-mark=,", "length", "1,5", "Feet", "Meters"}, "", kOk, "0,4572\n", ""},
    Invocation{"today: a lakh, grouped", {"--today", "--grouping=indian", "length", "2.5 lakh", "Feet", "Meters"}, "", kOk, "76,200\n", ""},
    Invocation{"today: styled compound parts", {"--today", "--decimal-mark=,", "length", "5 ft 7,5 in", "Feet and Inches", "Meters"}, "", kOk, "1,7145\n", ""},
    Invocation{"today: no definition, refused before input", {"--today", "area", "-", "Bigha", "Acres"}, "1\n", kUsage, "",
                                               "vardeln-convert: cannot convert by today's definitions: Bigha has no single definition today (regional-historical"
                                               " (no single standard)): no standard: 4 kanal = 21 780 ft^2 = 2023.43 m^2 (Punjab bega, legacy match);"
                                               " Assam/W. Bengal/Bangladesh 14 400 ft^2; UP ~27 000 ft^2; Rajasthan 27 225 or 17 424 ft^2; Himachal 8712 ft^2;"
                                               " Nepal 6772.63 m^2\n"},
    Invocation{"today: a JSON record for every line", {"--today", "--json", "area", "-", "Bigha", "Acres"}, "1\n", kUsage,
                                               "{\"category\":\"area\",\"value\":\"1\",\"from\":\"Bigha\",\"to\":\"Acres\",\"definitions\":\"today\","
                                               "\"result\":\"No Definition Today\",\"exact\":null,\"number\":null,\"outcome\":\"no definition today\"}\n",
                                               "vardeln-convert: cannot convert by today's definitions: Bigha has no single definition today (regional-historical"
                                               " (no single standard)): no standard: 4 kanal = 21 780 ft^2 = 2023.43 m^2 (Punjab bega, legacy match);"
                                               " Assam/W. Bengal/Bangladesh 14 400 ft^2; UP ~27 000 ft^2; Rajasthan 27 225 or 17 424 ft^2; Himachal 8712 ft^2;"
                                               " Nepal 6772.63 m^2\n"},
    Invocation{"today: past the exact range, said", {"--today", "length", "1e-900", "Feet", "Meters"}, "", kInvalid, "Invalid Number\n",
                                               "vardeln-convert: Invalid Number: \"1e-900\" is beyond the numbers today's arithmetic takes (10^-800 to 10^800 in magnitude)\n"},
    Invocation{"today: measured, said once", {"--today", "--json", "mass", "-", "Electron Mass", "Gram"}, "1\nx\n", kInvalid,
                                               "{\"category\":\"mass\",\"value\":\"1\",\"from\":\"Electron Mass\",\"to\":\"Gram\",\"definitions\":\"today\","
                                               "\"result\":\"9.1093837015E-28\",\"exact\":\"9.1093837015e-28\",\"number\":9.1093837015e-28,\"outcome\":\"ok\"}\n"
                                               "{\"category\":\"mass\",\"value\":\"x\",\"from\":\"Electron Mass\",\"to\":\"Gram\",\"definitions\":\"today\","
                                               "\"result\":\"Invalid Number\",\"exact\":null,\"number\":null,\"outcome\":\"invalid\"}\n",
                                               "vardeln-convert: note: Electron Mass is measured: 9.1093837015E-31 Kilogram, uncertainty 2.8e-40 kg (u_r 3.0e-10)\n"},
    Invocation{"today: every unit of the category", {"--today", "--all", "temperature", "0", "Celsius"}, "", kOk,
                                               "Celsius\t0\nFahrenheit\t32\nKelvin\t273.15\nRankine\t491.67\nRéaumur\t0\n", ""},
    Invocation{"today: the exact arithmetic",  {"--today", "--explain", "length", "0.1", "Feet", "Meters"}, "", kOk,
                                               "Feet → Meters (length, base unit Meters), by today's definitions\n"
                                               "  typed:     x = 1/10 (the decimal as written)\n  to base:   B = x × 381/1250\n"
                                               "  from base: result = B ÷ 1\n  exact:     result = 381/12500\n"
                                               "  rounded:   result = 0.03048, the nearest double (double − exact = 1.4876988529977098e-19)\n"
                                               "  today: Feet: this table's is 3.2e-8 smaller than today's: 1 ft = 0.3048 m (exact) = 0.3048 Meters (exact by definition);"
                                               " source: International yard and pound agreement (1 July 1959): yd = 0.9144 m, lb = 0.45359237 kg;"
                                               " India Standards of Weights and Measures Act 1976 s.85 conversion table; confirmed\n"
                                               "  today: Meters: the same as today's: SI base unit = 1 Meters (exact by definition); source: BIPM SI Brochure 9th ed. (2019); confirmed\n", ""},
    Invocation{"batch: unknown unit reads nothing", {"length", "-", "Fet", "Meters"}, "1\n", kUsage, "",
                                               "vardeln-convert: unknown unit \"Fet\" in length; closest: \"Feet\", \"Fermi\", \"Feet and Inches\"\n"}));
// clang-format on

TEST(CommandLine, ListsTheThirteenCategoriesInDispatchOrder) {
  const testing::CapturedRun run = testing::runCaptured({"--list"});
  EXPECT_EQ(run.status, ExitStatus::Success);
  EXPECT_EQ(run.out,
            "area\ndensity\nenergy\nforce\nlength\nmass\npower\nprefix\npressure\nspeed\n"
            "temperature\ntime\nvolume\n");
}

TEST(CommandLine, HelpShowsEveryFormAndStatus) {
  const testing::CapturedRun run = testing::runCaptured({"--help"});
  EXPECT_EQ(run.status, ExitStatus::Success);
  EXPECT_TRUE(run.out.starts_with(
      "Usage: vardeln-convert [--exact] [--json] [--fraction=N] [CATEGORY] VALUE FROM TO\n"));
  for (const char* part : {"--all [CATEGORY] VALUE FROM", "--list [--json] [CATEGORY]",
                           "-h | --help", "--version", "VALUE -", "-- ends", "4 input or output"}) {
    EXPECT_NE(run.out.find(part), std::string::npos) << part;
  }
  // Every option the parser takes, and every denominator --fraction takes: the shells'
  // completions are held to this text.
  for (const std::string_view option : optionNames()) {
    const std::string name(option);  // at the start of its line, or after "-h, "
    EXPECT_TRUE(run.out.find("\n  " + name) != std::string::npos ||
                run.out.find(", " + name + " ") != std::string::npos)
        << option;
  }
  std::string denominators = "N one of ";
  for (int n = 1; n <= 64; ++n) {
    if (isCompoundDenominator(n)) denominators += std::to_string(n) + ", ";
  }
  EXPECT_NE(run.out.find(denominators.substr(0, denominators.size() - 2) + ", and"),
            std::string::npos)
      << denominators;
  EXPECT_EQ(run.err, "");
}

// --all gives for each unit, in list order, what the single form gives for it, plain and
// as JSON (there with the units' today's fields), and notes every unit one of them notes, in
// every category.
TEST(CommandLine, AllGivesEachUnitsSingleConversion) {
  for (const std::string_view category : testing::linesOf(testing::runCaptured({"--list"}).out)) {
    const std::vector<std::string> labels =
        testing::linesOf(testing::runCaptured({"--list", category}).out);
    const std::string from = labels.back();
    const testing::CapturedRun all = testing::runCaptured({"--all", category, "0.1", from});
    const std::vector<std::string> plain = testing::linesOf(all.out);
    const std::vector<std::string> json =
        testing::linesOf(testing::runCaptured({"--all", "--json", category, "0.1", from}).out);
    ASSERT_EQ(plain.size(), labels.size()) << category;
    ASSERT_EQ(json.size(), labels.size()) << category;
    for (std::size_t i = 0; i < labels.size(); ++i) {
      const std::string_view to = labels[i];
      const testing::CapturedRun single = testing::runCaptured({category, "0.1", from, to});
      EXPECT_EQ(plain[i] + "\n", std::string(to) + "\t" + single.out);
      static const std::regex kNoted("this table's [^;]*\\)");
      for (std::sregex_iterator n(single.err.begin(), single.err.end(), kNoted), end; n != end;
           ++n) {
        EXPECT_NE(all.err.find(n->str()), std::string::npos) << n->str();
      }
      static const std::regex kToday(R"(,"fromDeviation":[^,]*|,"today":[^}]*,"deviation":[^,]*)");
      EXPECT_EQ(std::regex_replace(json[i], kToday, "") + "\n",
                testing::runCaptured({"--json", category, "0.1", from, to}).out);
    }
  }
}

// Where options may stand, how "--" ends them, and how a value that starts with a hyphen is
// told apart from an option. Each row gives the output of the first row when it converts.
constexpr std::string_view kFeetInMeters = "0.3047999902464003\n";
constexpr std::string_view kUnknownDashX = "vardeln-convert: unknown option \"-x\"; see --help\n";
constexpr std::string_view kExpected4 =
    "vardeln-convert: expected [CATEGORY] VALUE FROM TO; see --help\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(OptionForms, Invocations, ::testing::Values(
    Invocation{"option first",                   {"--exact", "length", "1", "Feet", "Meters"}, "", kOk, kFeetInMeters, ""},
    Invocation{"option between",                 {"length", "1", "--exact", "Feet", "Meters"}, "", kOk, kFeetInMeters, ""},
    Invocation{"option last",                    {"length", "1", "Feet", "Meters", "--exact"}, "", kOk, kFeetInMeters, ""},
    Invocation{"option twice",                   {"--exact", "length", "1", "Feet", "Meters", "--exact"}, "", kOk, kFeetInMeters, ""},
    Invocation{"-- before a negative value",     {"--exact", "--", "length", "-5", "Feet", "Meters"}, "", kOk, "-1.5239999512320015\n", ""},
    Invocation{"-- makes an option a name",      {"--", "--exact", "1", "Feet", "Meters"}, "", kUsage, "",
                                                 "vardeln-convert: unknown category \"--exact\"\n"},
    Invocation{"an option after -- is an operand", {"length", "1", "Feet", "Meters", "--", "--exact"}, "", kUsage, "", kExpected4},
    Invocation{"-- makes -x a unit",             {"length", "1", "--", "-x", "Meters"}, "", kUsage, "",
                                                 "vardeln-convert: unknown unit \"-x\" in length; see --list\n"},
    Invocation{"a number in the style is no option", {"--decimal-mark=,", "-1,5", "length", "Meters", "Feet"}, "", kUsage, "",
                                                 "vardeln-convert: unknown category \"-1,5\"\n"},
    Invocation{"number in exponent form",        {"length", "-1e-3", "Kilometers", "Meters"}, "", kOk, "-1\n", ""},
    Invocation{"-x where VALUE stands is a value", {"length", "-x", "Feet", "Meters"}, "", kInvalid, "Invalid Number\n",
                                                 "vardeln-convert: Invalid Number: \"-x\" is no number\n"},
    Invocation{"-- as the value is the end mark", {"length", "--", "1", "Feet", "Meters"}, "", kOk, "0.3047999902464\n", ""},
    Invocation{"unknown option first",           {"-x", "length", "1", "Feet", "Meters"}, "", kUsage, "", kUnknownDashX},
    Invocation{"unknown option last",            {"length", "1", "Feet", "Meters", "-x"}, "", kUsage, "", kUnknownDashX},
    Invocation{"unknown option where VALUE stands, value after", {"length", "-x", "1", "Feet", "Meters"}, "", kUsage, "", kUnknownDashX},
    Invocation{"mistyped long option",           {"--jsno", "length", "1", "Feet", "Meters"}, "", kUsage, "",
                                                 "vardeln-convert: unknown option \"--jsno\"; see --help\n"},
    Invocation{"-h is --help",                   {"-h"}, "", kOk, usageText(), ""},
    Invocation{"-h with a conversion",           {"length", "1", "Feet", "Meters", "-h"}, "", kUsage, "",
                                                 "vardeln-convert: -h takes no arguments; see --help\n"},
    Invocation{"version",                        {"--version"}, "", kOk, "vardeln-convert " VARDELN_VERSION "\n", ""},
    Invocation{"--list after its category",      {"temperature", "--list"}, "", kOk,
                                                 "Celsius\nFahrenheit\nKelvin\nRankine\nRéaumur\n", ""},
    Invocation{"--list with --exact",            {"--list", "--exact"}, "", kUsage, "",
                                                 "vardeln-convert: --list goes with no option but --json; see --help\n"},
    Invocation{"--list with --fraction",         {"--list", "--fraction=2"}, "", kUsage, "",
                                                 "vardeln-convert: --list goes with no option but --json; see --help\n"},
    Invocation{"--fraction without a compound TO", {"--fraction=16", "length", "1", "Meters", "Feet"}, "", kUsage, "",
                                                 "vardeln-convert: --fraction=N rounds the last part of a compound unit, and \"Feet\" is none; see --help\n"},
    Invocation{"--fraction where no unit is compound", {"--all", "--fraction=2", "temperature", "1", "Celsius"}, "", kUsage, "",
                                                 "vardeln-convert: --fraction=N rounds the last part of a compound unit, and temperature has none; see --help\n"},
    Invocation{"--exact with a compound TO",     {"--exact", "length", "1", "Meters", "Feet and Inches"}, "", kUsage, "",
                                                 "vardeln-convert: --exact writes one number, and \"Feet and Inches\" is written in parts; see --help\n"},
    Invocation{"--all in list order",            {"temperature", "100", "celsius", "--all"}, "", kOk,
                                                 "Celsius\t100\nFahrenheit\t212\nKelvin\t373.15\nRankine\t671.67\nRéaumur\t80\n", ""},
    Invocation{"--all --exact",                  {"--all", "--exact", "temperature", "100", "Celsius"}, "", kOk,
                                                 "Celsius\t100\nFahrenheit\t212\nKelvin\t373.15\nRankine\t671.6700000000001\nRéaumur\t80\n", ""},
    Invocation{"--all with no number",           {"--all", "temperature", "x", "Kelvin"}, "", kInvalid,
                                                 "Celsius\tInvalid Number\nFahrenheit\tInvalid Number\nKelvin\tInvalid Number\n"
                                                 "Rankine\tInvalid Number\nRéaumur\tInvalid Number\n",
                                                 "vardeln-convert: Invalid Number: \"x\" is no number\n"},
    Invocation{"--all after a fault",            {"--all", "temperature", "1.7e308", "Réaumur"}, "", kFault,
                                                 "Celsius\tOverflow\nFahrenheit\tOverflow\nKelvin\tOverflow\nRankine\tOverflow\nRéaumur\tOverflow\n", ""},
    Invocation{"--all with TO",                  {"--all", "length", "1", "Feet", "Meters"}, "", kUsage, "",
                                                 "vardeln-convert: expected --all [CATEGORY] VALUE FROM; see --help\n"},
    Invocation{"--all from standard input",      {"--all", "length", "-", "Feet"}, "1\n", kUsage, "",
                                                 "vardeln-convert: --all converts one VALUE, not standard input; see --help\n"}));
// clang-format on

constexpr std::string_view kNotWithExplain =
    "vardeln-convert: --explain explains one conversion: not with --list, --all, --json or VALUE "
    "-; see --help\n";

// The two rules behind a result as arithmetic, the number in place of x, each step to what it
// gave and every constant down to plain numbers; a value that is no number or a fault is said
// in plain words, with the rules.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Explain, Invocations, ::testing::Values(
    Invocation{"the shown result in the style",  {"--explain", "--decimal-mark=,", "length", "1,5", "Meters", "Meters"}, "", kOk,
                                                 "Meters \u2192 Meters (length, base unit Meters)\n  to base:   B = x\n               = 1.5\n"
                                                 "  from base: result = B\n                    = 1.5\n                    ≈ 1,5\n", ""},
    Invocation{"a constant defined by another",  {"--explain", "volume", "2", "Cord", "Litre"}, "", kOk,
                                                 "Cord \u2192 Litre (volume, base unit Cubic meter)\n"
                                                 "  to base:   B = x × (CubicFootInCubicMetres × 128)\n"
                                                 "               = 2 × (CubicFootInCubicMetres × 128)\n"
                                                 "               = 7.249112031637223\n"
                                                 "  from base: result = B ÷ 0.001\n"
                                                 "                    = 7.249112031637223 ÷ 0.001\n"
                                                 "                    = 7249.112031637223\n"
                                                 "                    ≈ 7249.11203163722\n"
                                                 "  where FootInMetres = 1 ÷ 3.28084 = 0.3047999902464003\n"
                                                 "        CubicFootInCubicMetres = FootInMetres³ = 0.0283168438735829\n"
                                                 "  today: Cord: this table's is 9.6e-8 smaller than today's: 128 ft^3 = 3.624 556 363 776 m^3 (exact) = 3.624556363776 Cubic meter (exact by definition); source: NIST Handbook 44, Appendix C (General Tables of Units of Measurement); confirmed\n"
                                                 "  today: Litre: the same as today's: 1 L = 1 dm^3 = 1e-3 m^3 (exact) = 0.001 Cubic meter (exact by definition); source: BIPM SI Brochure 9th ed. (2019, v2.01 2022) Table 8; UK Weights and Measures Act 1985, Schedule 1; confirmed\n", ""},
    Invocation{"--exact result, powers, a negative number", {"area", "-2", "Feet Square", "Acres", "--exact", "--explain"}, "", kOk,
                                                 "Feet Square \u2192 Acres (area, base unit Meters Square)\n"
                                                 "  to base:   B = x × (1 ÷ 3.28084)²\n"
                                                 "               = -2 × (1 ÷ 3.28084)²\n"
                                                 "               = -0.18580606810841144\n"
                                                 "  from base: result = B ÷ ((3 ÷ 3.28084)² × 4840)\n"
                                                 "                    = -0.18580606810841144 ÷ ((3 ÷ 3.28084)² × 4840)\n"
                                                 "                    = -4.591368227731863e-05\n"
                                                 "  today: Feet Square: this table's is 6.4e-8 smaller than today's: 1 ft^2 = 0.092 903 04 m^2 (exact) = 0.09290304 Meters Square (exact by definition); source: International yard and pound agreement (1 July 1959): yd = 0.9144 m, lb = 0.45359237 kg; India Standards of Weights and Measures Act 1976 s.85 conversion table; confirmed\n"
                                                 "  today: Acres: this table's is 6.4e-8 smaller than today's: 4840 yd^2 = 43 560 ft^2 = 4046.856 422 4 m^2 (exact) = 4046.8564224 Meters Square (exact by definition); source: 1959 international yard; acre = 4840 yd^2 (NIST Handbook 44, Appendix C (General Tables of Units of Measurement)); US survey acre deprecated by NIST/NGS from 31 Dec 2022; confirmed\n", ""},
    Invocation{"no number: the rules still stand", {"--explain", "temperature", "x", "Kelvin", "Celsius"}, "", kInvalid,
                                                 "Kelvin \u2192 Celsius (temperature, base unit Celsius)\n"
                                                 "  to base:   B = x - 273.15\n"
                                                 "  from base: result = B\n"
                                                 "  today: Kelvin: the same as today's: T/K = t/degC + 273.15 (offset 273.15, factor 1; exact); 1 K -> -272.15 degC = -272.15 Celsius (exact by definition); source: BIPM SI Brochure 9th ed. (2019); unconfirmed (the research rates its source secondary only)\n"
                                                 "  today: Celsius: the same as today's: base scale: t/degC = T/K - 273.15 (offset -273.15 K, factor 1 relative to kelvin; exact); 1 degC -> 1 degC = 1 Celsius (exact by definition); source: BIPM SI Brochure 9th ed. (2019) (Celsius temperature definition); unconfirmed (the research rates its source secondary only)\n"
                                                 "\"x\" is not a number (Invalid Number), so nothing stands in place of x.\n", ""},
    Invocation{"a fault on the way to the base", {"--explain", "length", "1e308", "Kilometers", "Meters"}, "", kFault,
                                                 "Kilometers \u2192 Meters (length, base unit Meters)\n"
                                                 "  to base:   B = x × 1000\n"
                                                 "               = 1e+308 × 1000\n"
                                                 "  B is too large for a double, whose largest size is 1.7976931348623157e+308"
                                                 " (Overflow), so there is no result.\n"
                                                 "  from base: result = B\n"
                                                 "  today: Kilometers: the same as today's: 1 km = 1000 m (exact) = 1000 Meters (exact by definition); source: BIPM SI Brochure 9th ed. (2019, v2.01 2022) SI prefixes; 27th CGPM (2022) Res. 3; confirmed\n"
                                                 "  today: Meters: the same as today's: SI base unit = 1 Meters (exact by definition); source: BIPM SI Brochure 9th ed. (2019); confirmed\n", ""},
    Invocation{"an infinite result",             {"--explain", "length", "-1e300", "Meters", "Fermi"}, "", kFault,
                                                 "Meters \u2192 Fermi (length, base unit Meters)\n"
                                                 "  to base:   B = x\n"
                                                 "               = -1e+300\n"
                                                 "  from base: result = B ÷ 1e-15\n"
                                                 "                    = -1e+300 ÷ 1e-15\n"
                                                 "  result is too large for a double, whose largest size is 1.7976931348623157e+308,"
                                                 " so it shows as -Infinity.\n"
                                                 "  today: Meters: the same as today's: SI base unit = 1 Meters (exact by definition); source: BIPM SI Brochure 9th ed. (2019); confirmed\n"
                                                 "  today: Fermi: the same as today's: 1 fermi = 1 fm = 1e-15 m (exact) = 1E-15 Meters (exact by definition); source: BIPM SI Brochure 8th ed. (2006) Table 10; confirmed\n", ""},
    Invocation{"not with --json",                {"--explain", "--json", "length", "1", "Feet", "Meters"}, "", kUsage, "", kNotWithExplain},
    Invocation{"not for standard input",         {"--explain", "length", "-", "Feet", "Meters"}, "1\n", kUsage, "", kNotWithExplain}));
// clang-format on

// Every field of a record, for each outcome, in the single form, a batch, --all and --list.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Json, Invocations, ::testing::Values(
    Invocation{"converted",                      {"--json", "length", "1", "feet", "METERS"}, "", kOk,
                                                 R"({"category":"length","value":"1","from":"Feet","to":"Meters","result":"0.3047999902464","exact":"0.3047999902464003","number":0.3047999902464003,"outcome":"ok"})" "\n", ""},
    Invocation{"--exact changes nothing",        {"--json", "--exact", "temperature", "-40", "Celsius", "Fahrenheit"}, "", kOk,
                                                 R"({"category":"temperature","value":"-40","from":"Celsius","to":"Fahrenheit","result":"-40","exact":"-40","number":-40,"outcome":"ok"})" "\n", ""},
    Invocation{"infinite result",                {"--json", "area", "1e300", "Meters Square", "Shed"}, "", kFault,
                                                 R"({"category":"area","value":"1e300","from":"Meters Square","to":"Shed","result":"Infinity","exact":"inf","number":null,"outcome":"infinite"})" "\n", ""},
    Invocation{"no number, value escaped",       {"--json", "pressure", "\"1\"\\\n", "Barye", "Dynes / cm Square"}, "", kInvalid,
                                                 R"({"category":"pressure","value":"\"1\"\\\n","from":"Barye","to":"Dynes / cm Square","result":"Invalid Number","exact":null,"number":null,"outcome":"invalid"})" "\n", ""},
    Invocation{"a result shown as 0 is no -0",   {"--json", "--fraction=2", "length", "-0.001", "Inches", "Feet and Inches"}, "", kOk,
                                                 R"({"category":"length","value":"-0.001","from":"Inches","to":"Feet and Inches","result":"0 in","exact":"0","number":0,"parts":[0,0],"rounding":"rounded up by 0.001 in","outcome":"ok"})" "\n", ""},
    Invocation{"fault on standard output only",  {"--json", "length", "1e308", "Kilometers", "Meters"}, "", kFault,
                                                 R"({"category":"length","value":"1e308","from":"Kilometers","to":"Meters","result":null,"exact":null,"number":null,"outcome":"Overflow"})" "\n", ""},
    Invocation{"unknown unit: message, no record", {"--json", "length", "1", "Fet", "Meters"}, "", kUsage, "",
                                                 "vardeln-convert: unknown unit \"Fet\" in length; closest: \"Feet\", \"Fermi\", \"Feet and Inches\"\n"},
    Invocation{"batch, line as given",           {"--json", "temperature", "-", "Kelvin", "Celsius"}, "0\r\n\xff\n", kInvalid,
                                                 R"({"category":"temperature","value":"0\r","from":"Kelvin","to":"Celsius","result":"-273.15","exact":"-273.15","number":-273.15,"outcome":"ok"})" "\n"
                                                 R"({"category":"temperature","value":")" "\xEF\xBF\xBD" R"(","from":"Kelvin","to":"Celsius","result":"Invalid Number","exact":null,"number":null,"outcome":"invalid"})" "\n", ""},
    Invocation{"categories",                     {"--list", "--json"}, "", kOk,
                                                 R"({"category":"area","order":0})" "\n" R"({"category":"density","order":1})" "\n"
                                                 R"({"category":"energy","order":2})" "\n" R"({"category":"force","order":3})" "\n"
                                                 R"({"category":"length","order":4})" "\n" R"({"category":"mass","order":5})" "\n"
                                                 R"({"category":"power","order":6})" "\n" R"({"category":"prefix","order":7})" "\n"
                                                 R"({"category":"pressure","order":8})" "\n" R"({"category":"speed","order":9})" "\n"
                                                 R"({"category":"temperature","order":10})" "\n" R"({"category":"time","order":11})" "\n"
                                                 R"({"category":"volume","order":12})" "\n", ""},
    Invocation{"labels of a category",           {"--json", "--list", "Temperature"}, "", kOk,
                                                 R"({"category":"temperature","unit":"Celsius","names":["°C","℃","C","centigrade"],"order":0,"today":"1","kind":"exact by definition","deviation":0})" "\n"
                                                 R"({"category":"temperature","unit":"Fahrenheit","names":["°F","℉","F"],"order":1,"today":"-155/9","kind":"exact by definition","deviation":0})" "\n"
                                                 R"({"category":"temperature","unit":"Kelvin","names":["K","kelvins"],"order":2,"today":"-272.15","kind":"exact by definition","deviation":0})" "\n"
                                                 R"({"category":"temperature","unit":"Rankine","names":["°Ra"],"order":3,"today":"-2453.35/9","kind":"exact by definition","deviation":0})" "\n"
                                                 R"({"category":"temperature","unit":"Réaumur","names":["°Ré","°Re","Reaumur"],"order":4,"today":"1.25","kind":"conventional","deviation":0})" "\n", ""},
    Invocation{"--all: each unit's today", {"--all", "--json", "power", "1", "Watt"}, "", kOk,
                                                 R"j({"category":"power","value":"1","from":"Watt","fromDeviation":0,"to":"DonkeyPower","today":null,"kind":"regional-historical (no single standard)","deviation":null,"result":"0.004","exact":"0.004","number":0.004,"outcome":"ok"})j" "\n"
                                                 R"({"category":"power","value":"1","from":"Watt","fromDeviation":0,"to":"HorsePower Imperial","today":"745.69987158227022","kind":"exact by definition","deviation":-7.81e-10,"result":"0.00134102209064215","exact":"0.001341022090642148","number":0.001341022090642148,"outcome":"ok"})" "\n"
                                                 R"({"category":"power","value":"1","from":"Watt","fromDeviation":0,"to":"HorsePower Metric","today":"735.49875","kind":"exact by definition","deviation":0,"result":"0.0013596216173039","exact":"0.0013596216173039043","number":0.0013596216173039043,"outcome":"ok"})" "\n"
                                                 R"({"category":"power","value":"1","from":"Watt","fromDeviation":0,"to":"Watt","today":"1","kind":"exact by definition","deviation":0,"result":"1","exact":"1","number":1,"outcome":"ok"})" "\n", ""}));
// clang-format on

}  // namespace
}  // namespace vardeln::cli
