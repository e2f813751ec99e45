// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vardeln {

/// What a name typed on the command line or written in a link (a category or a unit label)
/// matched.
struct NameMatch {
  /// Lacking: the symbol of a unit the tables lack ("Mm", a megametre).
  enum class Kind { Found, Ambiguous, Unknown, Lacking };
  Kind kind = Kind::Unknown;
  std::string_view name;  ///< the listed name, for Found
  /// For Ambiguous, every listed name equal to the typed one ignoring case; for Unknown,
  /// the closest listed names.
  std::vector<std::string_view> candidates;
  /// Where the typed name's case decides what it means, the sentence that says what each
  /// symbol in each case is: `"Mm" is a megametre, which the tables lack; "mm" is
  /// Millimeter`, for the refusal to show in place of the candidates.
  std::string explanation;
  /// What the name leaves open: for Found, which of its sizes the unit is ("the Punjab bigha
  /// of 4 kanal, …"); for a name refused, what it means ("on a food label means the
  /// kilocalorie, …"). Empty where it leaves nothing open.
  std::string_view note = {};
};

/// Finds a typed name among listed ones: a name equal to it byte for byte wins; otherwise
/// the one name equal to it ignoring case; several such names are ambiguous, none unknown.
NameMatch matchName(std::span<const std::string_view> names, std::string_view typed);

}  // namespace vardeln
