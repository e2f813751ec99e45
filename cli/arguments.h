// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "number_style.h"
#include "value_converter.h"

namespace vardeln::cli {

/// The VALUE that asks for one value per line of standard input.
inline constexpr std::string_view kBatchValue = "-";

struct ShowHelp {};
struct ShowVersion {};

/// How results are written: the result form, and whether as JSON records (which carry both
/// forms) instead of plain lines.
struct OutputForm {
  ResultForm form = ResultForm::Shown;
  bool json = false;
  bool explain = false;       ///< the rules that gave the result, for one conversion
  int denominator = 0;        ///< --fraction=N: a compound result's last part to the nearest 1/N
  NumberStyle style;          ///< how values are read and results written; the C form by default
  bool today = false;         ///< --today: by today's definitions, exact and rounded once
  std::string missingLocale;  ///< --locale's locale where the system lacks it, to be said
};

/// --list, or --list CATEGORY; as JSON records with --json.
struct ListNames {
  std::optional<std::string_view> category;
  bool json = false;
};

/// [CATEGORY] VALUE FROM TO; VALUE "-" reads the values from standard input. Without a
/// category the units settle it.
struct Convert {
  OutputForm output;
  std::optional<std::string_view> category;
  std::string_view value;
  std::string_view from;
  std::string_view to;
};

/// --all [CATEGORY] VALUE FROM: the value in every unit of the category, in list order.
struct ConvertToAll {
  OutputForm output;
  std::optional<std::string_view> category;
  std::string_view value;
  std::string_view from;
};

/// Arguments that fit none of the forms, with the one-line reason.
struct BadUsage {
  std::string message;
};

using Request = std::variant<ShowHelp, ShowVersion, ListNames, Convert, ConvertToAll, BadUsage>;

/// The options the command line takes, as they are spelt ("--fraction=" before its value).
std::vector<std::string_view> optionNames();

/// What the arguments (without the program's name) ask for. Options may stand before,
/// between or after the other arguments, and "--" ends them. An argument that is a number
/// (such as -5, or -1,5 under a decimal comma) is never an option, and where VALUE stands any
/// text is the value, as in the window's number box: so "-x" there is a value that is no
/// number. CATEGORY may be left out where the first operand names no category and the one
/// after it is no number (a unit never is), so "length 1 Feet" still lacks its TO. --locale
/// reads the style of LC_NUMERIC from the environment.
Request parseArguments(std::span<const std::string_view> arguments);

}  // namespace vardeln::cli
