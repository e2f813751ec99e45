// Vardeln — MIT licence, see LICENSE.
#include "arguments.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "categories.h"
#include "compound_quantity.h"
#include "environment_number_style.h"
#include "name_match.h"
#include "number_text.h"
#include "quoted_name.h"

namespace vardeln::cli {
namespace {

// The operands after CATEGORY: VALUE FROM TO, and --all's VALUE FROM.
constexpr std::size_t kConversionArguments = 3;
constexpr std::size_t kAllUnitsArguments = 2;
// Where VALUE stands after CATEGORY: there text that looks like an option may be the value.
constexpr std::size_t kValuePosition = 1;

// What the arguments held once the options were picked out.
struct Sorted {
  std::string_view information;  // "--help", "-h" or "--version" as typed, if any
  bool list = false;
  bool all = false;
  OutputForm output;
  std::vector<std::string_view> operands;
  // The first text taken as VALUE that looked like an option: when the operands fit no form
  // it was more likely a mistyped option than a value.
  std::optional<std::string_view> optionLikeValue;
  bool badDenominator = false;
  // The number style: whether any option set it, whether --locale or --group-mark did, and
  // the first value of a style option that is none of its choices.
  bool styled = false;
  bool followsLocale = false;
  bool groupMarkGiven = false;
  std::string_view badStyle;
  std::string_view unknown;  // an unknown option where no VALUE stands
};

// --fraction=16: a compound result's last part to the nearest sixteenth.
constexpr std::string_view kFraction = "--fraction=";

bool looksLikeOption(std::string_view argument, const NumberStyle& style) {
  return argument.size() > 1 && argument.front() == '-' && !isNumber(argument, style);
}

void takeFraction(std::string_view option, Sorted& sorted) {
  const std::optional<double> n = parseNumber(option.substr(kFraction.size()));
  sorted.output.denominator =
      n && *n >= 2 && *n <= 64 && *n == std::floor(*n) ? static_cast<int>(*n) : 0;
  sorted.badDenominator = !isCompoundDenominator(sorted.output.denominator);
}

void takeInformation(std::string_view option, Sorted& sorted) {
  if (sorted.information.empty()) sorted.information = option;
}

// The value after a style option's "=", which is one of `choices` (each with what it sets),
// and the choice it names; a value that is none is kept to be reported.
template <typename Choice, std::size_t N>
void takeChoice(std::string_view option, Sorted& sorted,
                const std::pair<std::string_view, Choice> (&choices)[N], Choice& set) {
  sorted.styled = true;
  const std::string_view value = option.substr(option.find('=') + 1);
  for (const auto& [name, choice] : choices) {
    if (value == name) {
      set = choice;
      return;
    }
  }
  if (sorted.badStyle.empty()) sorted.badStyle = option;
}

// --digits=N and --decimals=N: how many digits a result keeps.
void takeDigits(std::string_view option, Sorted& sorted, Precision precision, int least) {
  sorted.styled = true;
  const std::string_view value = option.substr(option.find('=') + 1);
  int digits = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), digits);
  if (error != std::errc{} || end != value.data() + value.size() || digits < least || digits > 17) {
    if (sorted.badStyle.empty()) sorted.badStyle = option;
    return;
  }
  sorted.output.style.precision = precision;
  sorted.output.style.digits = digits;
}

constexpr std::pair<std::string_view, char> kDecimalMarks[] = {{".", '.'}, {",", ','}};
constexpr std::pair<std::string_view, Grouping> kGroupings[] = {
    {"none", Grouping::None}, {"thousands", Grouping::Thousands}, {"indian", Grouping::Indian}};
constexpr std::pair<std::string_view, GroupMark> kGroupMarks[] = {
    {",", GroupMark::Comma},
    {".", GroupMark::Point},
    {"'", GroupMark::Apostrophe},
    {"thin", GroupMark::ThinSpace},
    {"narrow", GroupMark::NarrowNoBreakSpace}};
constexpr std::pair<std::string_view, Notation> kNotations[] = {
    {"general", Notation::General},
    {"scientific", Notation::Scientific},
    {"engineering", Notation::Engineering}};

// Every option the command line takes, with what it sets: one ending in "=" takes a value
// after it. --help, the man page and the shells' completions list each one.
struct Option {
  std::string_view name;
  void (*take)(std::string_view option, Sorted& sorted);
};
// clang-format off
constexpr Option kOptions[] = {
    {"--all",     [](std::string_view, Sorted& sorted) { sorted.all = true; }},
    {"--decimal-mark=", [](std::string_view option, Sorted& sorted) {
       takeChoice(option, sorted, kDecimalMarks, sorted.output.style.decimalMark); }},
    {"--decimals=", [](std::string_view option, Sorted& sorted) {
       takeDigits(option, sorted, Precision::Decimals, 0); }},
    {"--digits=", [](std::string_view option, Sorted& sorted) {
       takeDigits(option, sorted, Precision::SignificantDigits, 1); }},
    {"--exact",   [](std::string_view, Sorted& sorted) { sorted.output.form = ResultForm::Exact; }},
    {"--explain", [](std::string_view, Sorted& sorted) { sorted.output.explain = true; }},
    {kFraction,   takeFraction},
    {"--group-mark=", [](std::string_view option, Sorted& sorted) {
       sorted.groupMarkGiven = true;
       takeChoice(option, sorted, kGroupMarks, sorted.output.style.groupMark); }},
    {"--grouping=", [](std::string_view option, Sorted& sorted) {
       takeChoice(option, sorted, kGroupings, sorted.output.style.grouping); }},
    {"--json",    [](std::string_view, Sorted& sorted) { sorted.output.json = true; }},
    {"--list",    [](std::string_view, Sorted& sorted) { sorted.list = true; }},
    {"--locale",  [](std::string_view, Sorted& sorted) { sorted.followsLocale = true; }},
    {"--notation=", [](std::string_view option, Sorted& sorted) {
       takeChoice(option, sorted, kNotations, sorted.output.style.notation); }},
    {"--today",   [](std::string_view, Sorted& sorted) { sorted.output.today = true; }},
    {"-h",        takeInformation},
    {"--help",    takeInformation},
    {"--version", takeInformation},
};
// clang-format on

// Sets what an option says; false for an unknown option.
bool takeOption(std::string_view option, Sorted& sorted) {
  for (const Option& known : kOptions) {
    if (known.name.ends_with('=') ? option.starts_with(known.name) : option == known.name) {
      known.take(option, sorted);
      return true;
    }
  }
  return false;
}

BadUsage unknownOption(std::string_view option) {
  return BadUsage{"unknown option " + quotedName(option) + "; see --help"};
}

// A style the options cannot make, or nothing.
std::optional<BadUsage> styleProblem(const Sorted& sorted) {
  if (!sorted.badStyle.empty()) {
    return BadUsage{"no such choice: " + quotedName(sorted.badStyle) + "; see --help"};
  }
  if (sorted.followsLocale && sorted.styled) {
    return BadUsage{
        "--locale takes the whole number style from LC_NUMERIC: not with another "
        "number option; see --help"};
  }
  const NumberStyle& style = sorted.output.style;
  if (sorted.groupMarkGiven && !groupMarkFits(style.groupMark, style.decimalMark)) {
    return BadUsage{"the group mark cannot be the decimal mark; see --help"};
  }
  return std::nullopt;
}

// A form's operands: the category where one is given, then VALUE and the units.
struct FormOperands {
  std::optional<std::string_view> category;
  std::span<const std::string_view> rest;
};

// The operands of a form that takes `count` after CATEGORY. The category is left out when
// the first operand names none and the second is no number in `style`: "5 ft m" leaves it
// out, while "length 1 Feet" and "lenght 1 Feet" lack their TO.
std::optional<FormOperands> formOperands(std::span<const std::string_view> operands,
                                         std::size_t count, const NumberStyle& style) {
  if (operands.size() == count + 1) return FormOperands{operands.front(), operands.subspan(1)};
  if (operands.size() == count &&
      matchName(categoryIds(), operands[0]).kind != NameMatch::Kind::Found &&
      !isNumber(operands[1], style)) {
    return FormOperands{std::nullopt, operands};
  }
  return std::nullopt;
}

Request request(const Sorted& sorted) {
  const std::vector<std::string_view>& operands = sorted.operands;
  if (sorted.badDenominator) {
    return BadUsage{"--fraction=N takes N 2, 4, 8, 16, 32 or 64; see --help"};
  }
  if (std::optional<BadUsage> problem = styleProblem(sorted)) return *problem;
  const bool otherArguments = sorted.list || sorted.all || sorted.output.json ||
                              sorted.output.explain || sorted.output.today ||
                              sorted.output.form == ResultForm::Exact || !operands.empty();
  if (!sorted.information.empty()) {
    if (otherArguments) {
      return BadUsage{std::string(sorted.information) + " takes no arguments; see --help"};
    }
    if (sorted.information == "--version") return ShowVersion{};
    return ShowHelp{};
  }
  const BadUsage notWithExplain{
      "--explain explains one conversion: not with --list, --all, --json or VALUE -; "
      "see --help"};
  if (sorted.output.explain && (sorted.list || sorted.all || sorted.output.json)) {
    return notWithExplain;
  }
  if (sorted.list) {
    if (sorted.all || sorted.output.form == ResultForm::Exact || sorted.output.denominator != 0 ||
        sorted.output.today) {
      return BadUsage{"--list goes with no option but --json; see --help"};
    }
    if (operands.size() > 1) return BadUsage{"--list takes at most one CATEGORY; see --help"};
    if (operands.empty()) return ListNames{std::nullopt, sorted.output.json};
    return ListNames{operands.front(), sorted.output.json};
  }
  if (sorted.all) {
    const std::optional<FormOperands> form =
        formOperands(operands, kAllUnitsArguments, sorted.output.style);
    if (!form) return BadUsage{"expected --all [CATEGORY] VALUE FROM; see --help"};
    if (form->rest[0] == kBatchValue) {
      return BadUsage{"--all converts one VALUE, not standard input; see --help"};
    }
    return ConvertToAll{sorted.output, form->category, form->rest[0], form->rest[1]};
  }
  const std::optional<FormOperands> form =
      formOperands(operands, kConversionArguments, sorted.output.style);
  if (!form) return BadUsage{"expected [CATEGORY] VALUE FROM TO; see --help"};
  if (sorted.output.explain && form->rest[0] == kBatchValue) return notWithExplain;
  return Convert{sorted.output, form->category, form->rest[0], form->rest[1], form->rest[2]};
}

// Picks the options out of the arguments; a number in `style` is never an option.
Sorted sortedArguments(std::span<const std::string_view> arguments, const NumberStyle& style) {
  Sorted sorted;
  bool optionsEnded = false;
  for (const std::string_view argument : arguments) {
    if (!optionsEnded && looksLikeOption(argument, style)) {
      if (argument == "--") {
        optionsEnded = true;
        continue;
      }
      if (takeOption(argument, sorted)) continue;
      // Reported once every option is known: under a style it may be a number.
      if (sorted.operands.size() != kValuePosition) {
        if (sorted.unknown.empty()) sorted.unknown = argument;
        continue;
      }
      if (!sorted.optionLikeValue) sorted.optionLikeValue = argument;
    }
    sorted.operands.push_back(argument);
  }
  if (sorted.followsLocale) {
    EnvironmentNumberStyle environment = environmentNumberStyle();
    sorted.output.style = environment.style;
    sorted.output.missingLocale = std::move(environment.missingLocale);
  }
  if (!sorted.groupMarkGiven) {
    NumberStyle& style = sorted.output.style;
    style.groupMark = groupMarkBeside(style.decimalMark, style.groupMark);
  }
  return sorted;
}

}  // namespace

std::vector<std::string_view> optionNames() {
  std::vector<std::string_view> names;
  for (const Option& option : kOptions) names.push_back(option.name);
  return names;
}

Request parseArguments(std::span<const std::string_view> arguments) {
  // The style options are never numbers, so the first reading finds them all; the arguments
  // are then read again so that a number in that style (-1,5) is no option.
  Sorted sorted = sortedArguments(arguments, {});
  if (!(sorted.output.style == NumberStyle{})) {
    sorted = sortedArguments(arguments, sorted.output.style);
  }
  if (!sorted.unknown.empty()) return unknownOption(sorted.unknown);
  const Request parsed = request(sorted);
  if (std::holds_alternative<BadUsage>(parsed) && sorted.optionLikeValue) {
    return unknownOption(*sorted.optionLikeValue);
  }
  return parsed;
}

}  // namespace vardeln::cli
