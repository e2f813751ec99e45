// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace vardeln {

/// What a name typed on the command line or written in a link (a category or a unit label)
/// matched.
struct NameMatch {
  enum class Kind { Found, Ambiguous, Unknown };
  Kind kind = Kind::Unknown;
  std::string_view name;  ///< the listed name, for Found
  /// For Ambiguous, every listed name equal to the typed one ignoring case; for Unknown,
  /// the closest listed names.
  std::vector<std::string_view> candidates;
  /// What the name leaves open: for Found, which of its sizes the unit is ("the Punjab bigha
  /// of 4 kanal, …"); for a name refused, what it means ("on a food label means the
  /// kilocalorie, …"). Empty where it leaves nothing open.
  std::string_view note = {};
};

/// Finds a typed name among listed ones: a name equal to it byte for byte wins; otherwise
/// the one name equal to it ignoring case; several such names are ambiguous, none unknown.
NameMatch matchName(std::span<const std::string_view> names, std::string_view typed);

}  // namespace vardeln
