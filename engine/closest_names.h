// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace vardeln {

/// How many names a message about an unknown name suggests.
inline constexpr std::size_t kSuggestionCount = 3;

/// The names nearest to a mistyped one, nearest first, at most `count` of them, as people
/// mistype, case ignored: the same name but for its case, or for its full stops, blanks and
/// hyphens ("sqft", "lb."); then a name the text begins ("kilomet"); one a letter or two off
/// with its first letter kept, a swap of neighbours counting one ("kilogarm", "mteer"); one
/// whose first four letters or more the text shares; one that holds the text ("meter" in
/// "Kilometers"); one whose letters the text takes in order from its first ("cbm", "cubic
/// meter"). A name near in none of these ways is left out. Ties keep the list's order.
std::vector<std::string_view> closestNames(std::span<const std::string_view> names,
                                           std::string_view typed,
                                           std::size_t count = kSuggestionCount);

/// The same, as the names' positions in `names`.
std::vector<std::size_t> closestIndices(std::span<const std::string_view> names,
                                        std::string_view typed, std::size_t count);

/// The letters (bytes) to insert, delete or replace, or pairs of neighbours to swap, to make
/// one text the other.
std::size_t editDistance(std::string_view a, std::string_view b);

}  // namespace vardeln
