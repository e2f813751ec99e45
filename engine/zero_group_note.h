// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "number_style.h"

namespace vardeln {

/// Where a text is no number under a style only because its first group is all zeros
/// (startsWithZeroGroup), the words that say so, naming the style by a number written in it:
/// "0.500" reads as no number in 1.234,5 style: a group never starts a number with 0.
/// Nothing for any other text.
std::optional<std::string> zeroGroupNote(std::string_view text, const NumberStyle& style);

}  // namespace vardeln
