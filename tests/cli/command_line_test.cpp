// Vardeln — MIT licence, see LICENSE.
// Every way the command line ends: its status, standard output and standard error.
#include <gtest/gtest.h>

#include "captured_run.h"
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
    Invocation{"value not a number",           {"length", "abc", "Feet", "Meters"}, "", kInvalid, "Invalid Number\n", ""},
    Invocation{"empty value",                  {"length", "", "Feet", "Meters"}, "", kInvalid, "Invalid Number\n", ""},
    Invocation{"to-base overflow",             {"length", "1e308", "Kilometers", "Meters"}, "", kFault, "",
                                               "vardeln-convert: floating-point fault: Overflow\n"},
    Invocation{"infinite result is shown",     {"area", "1e300", "Meters Square", "Shed"}, "", kOk, "Infinity\n", ""},
    Invocation{"unknown unit",                 {"length", "1", "Fet", "Meters"}, "", kUsage, "",
                                               "vardeln-convert: unknown unit \"Fet\" in length; closest: \"Feet\", \"Fermi\", \"Lap\"\n"},
    Invocation{"unknown target unit",          {"length", "1", "Feet", "meter"}, "", kUsage, "",
                                               "vardeln-convert: unknown unit \"meter\" in length; closest: \"Meters\", \"Kilometers\", \"Millimeter\"\n"},
    Invocation{"name checked before value",    {"length", "abc", "Feet", "Acres"}, "", kUsage, "",
                                               "vardeln-convert: unknown unit \"Acres\" in length; closest: \"Inches\", \"Miles\", \"Pace\"\n"},
    Invocation{"unknown category",             {"lenght", "1", "Feet", "Meters"}, "", kUsage, "",
                                               "vardeln-convert: unknown category \"lenght\"; closest: \"length\", \"density\", \"energy\"\n"},
    Invocation{"too few arguments",            {"length", "1", "Feet"}, "", kUsage, "",
                                               "vardeln-convert: expected CATEGORY VALUE FROM TO; see --help\n"},
    Invocation{"no arguments",                 {}, "", kUsage, "", "vardeln-convert: expected CATEGORY VALUE FROM TO; see --help\n"},
    Invocation{"--exact after the category",   {"length", "--exact", "1", "Feet", "Meters"}, "", kUsage, "",
                                               "vardeln-convert: expected CATEGORY VALUE FROM TO; see --help\n"},
    Invocation{"unknown option",               {"-h"}, "", kUsage, "", "vardeln-convert: unknown option \"-h\"; see --help\n"},
    Invocation{"control characters hidden",    {"length", "1", "Fe\net\x1b[2J", "Feet"}, "", kUsage, "",
                                               "vardeln-convert: unknown unit \"Fe?et?[2J\" in length; closest: \"Feet\", \"Fathom\", \"Fermi\"\n"},
    Invocation{"--version with an argument",   {"--version", "x"}, "", kUsage, "", "vardeln-convert: --version takes no arguments; see --help\n"},
    Invocation{"--list with two arguments",    {"--list", "area", "mass"}, "", kUsage, "",
                                               "vardeln-convert: --list takes at most one CATEGORY; see --help\n"},
    Invocation{"version",                      {"--version"}, "", kOk, "vardeln-convert " VARDELN_VERSION "\n", ""},
    Invocation{"labels of a category",         {"--list", "Temperature"}, "", kOk,
                                               "Celsius\nFahrenheit\nKelvin\nRankine\nRéaumur\n", ""},
    Invocation{"list of an unknown category",  {"--list", "presure"}, "", kUsage, "",
                                               "vardeln-convert: unknown category \"presure\"; closest: \"pressure\", \"prefix\", \"area\"\n"},
    Invocation{"batch: every status, highest wins", {"length", "-", "Kilometers", "Meters"}, "1\nabc\n1e308\n2\n", kFault,
                                               "1000\nInvalid Number\nOverflow\n2000\n", ""},
    Invocation{"batch: invalid lines only",    {"--exact", "length", "-", "Feet", "Meters"}, "1\n\n", kInvalid,
                                               "0.3047999902464003\nInvalid Number\n", ""},
    Invocation{"batch: unknown unit reads nothing", {"length", "-", "Fet", "Meters"}, "1\n", kUsage, "",
                                               "vardeln-convert: unknown unit \"Fet\" in length; closest: \"Feet\", \"Fermi\", \"Lap\"\n"}));
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
  EXPECT_TRUE(run.out.starts_with("Usage: vardeln-convert [--exact] CATEGORY VALUE FROM TO\n"));
  for (const char* part : {"--list [CATEGORY]", "--version", "VALUE -", "4 input or output"}) {
    EXPECT_NE(run.out.find(part), std::string::npos) << part;
  }
  EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace vardeln::cli
