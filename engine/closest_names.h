// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace vardeln {

/// How many names a message about an unknown name suggests.
inline constexpr std::size_t kSuggestionCount = 3;

/// The names nearest to a mistyped one, nearest first, at most `count` of them. Case is
/// ignored. Names that contain the typed text come first (a shortened label such as "meter"
/// finds "Meters" and "Kilometers"), then by the fewest letters to insert, delete or
/// replace; ties keep the list's order.
std::vector<std::string_view> closestNames(std::span<const std::string_view> names,
                                           std::string_view typed,
                                           std::size_t count = kSuggestionCount);

/// The same, as the names' positions in `names`.
std::vector<std::size_t> closestIndices(std::span<const std::string_view> names,
                                        std::string_view typed, std::size_t count);

/// The letters (bytes) to insert, delete or replace to make one text the other.
std::size_t editDistance(std::string_view a, std::string_view b);

}  // namespace vardeln
