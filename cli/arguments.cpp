// Vardeln — MIT licence, see LICENSE.
#include "arguments.h"

#include "quoted.h"

namespace vardeln::cli {
namespace {

constexpr std::size_t kConversionArguments = 4;

Request conversion(ResultForm form, std::span<const std::string_view> rest) {
  if (rest.size() != kConversionArguments) {
    return BadUsage{"expected CATEGORY VALUE FROM TO; see --help"};
  }
  return Convert{form, rest[0], rest[1], rest[2], rest[3]};
}

}  // namespace

Request parseArguments(std::span<const std::string_view> arguments) {
  if (arguments.empty()) return conversion(ResultForm::Shown, arguments);
  const std::string_view first = arguments.front();
  const std::span<const std::string_view> rest = arguments.subspan(1);

  if (first == "--help" || first == "--version") {
    if (!rest.empty()) return BadUsage{std::string(first) + " takes no arguments; see --help"};
    if (first == "--help") return ShowHelp{};
    return ShowVersion{};
  }
  if (first == "--list") {
    if (rest.size() > 1) return BadUsage{"--list takes at most one CATEGORY; see --help"};
    if (rest.empty()) return ListNames{};
    return ListNames{rest.front()};
  }
  if (first == "--exact") return conversion(ResultForm::Exact, rest);
  // No category starts with a hyphen, so this can only be a mistyped option.
  if (first.starts_with('-')) {
    return BadUsage{"unknown option " + quoted(first) + "; see --help"};
  }
  return conversion(ResultForm::Shown, arguments);
}

}  // namespace vardeln::cli
