// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "value_converter.h"

namespace vardeln::cli {

struct ShowHelp {};
struct ShowVersion {};

/// --list, or --list CATEGORY.
struct ListNames {
  std::optional<std::string_view> category;
};

/// [--exact] CATEGORY VALUE FROM TO; VALUE "-" reads the values from standard input.
struct Convert {
  ResultForm form = ResultForm::Shown;
  std::string_view category;
  std::string_view value;
  std::string_view from;
  std::string_view to;
};

/// Arguments that fit none of the forms, with the one-line reason.
struct BadUsage {
  std::string message;
};

using Request = std::variant<ShowHelp, ShowVersion, ListNames, Convert, BadUsage>;

/// What the arguments (without the program's name) ask for. Options are recognised only as
/// the first argument, so a negative VALUE such as -5 needs no escaping.
Request parseArguments(std::span<const std::string_view> arguments);

}  // namespace vardeln::cli
