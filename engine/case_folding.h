// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>
#include <string_view>

namespace vardeln {

/// A UTF-8 text with its capital letters made small, for matching names typed in any case.
///
/// Folds ASCII A–Z and the Latin-1 capitals À–Þ (except ×), which covers every letter of
/// the unit labels: "RÉAUMUR" and "réaumur" both fold to the label "Réaumur"'s form. Other
/// bytes are kept as they are.
std::string foldCase(std::string_view text);

}  // namespace vardeln
