// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vardeln {

/// A unit a search found: its category's position in allCategories(), and its own among the
/// category's units and then its compound units (quantityUnitLabels), as the converter
/// counts it.
struct FoundUnit {
  std::size_t category;
  std::size_t unit;

  bool operator==(const FoundUnit&) const = default;
};

/// Longer than every label and name by more than the two letters a near miss may be off: a
/// longer text names no unit, and is read no further.
inline constexpr std::size_t kLongestUnitSearch = 64;

/// The units of every category a typed text may stand for, best first, at most `count`, for a
/// finder that searches them all. Each unit is weighed by its label, its compound label or
/// the names beside its table (a name several units share finds each of them), ignoring case,
/// with the text in its normal form (normalUnitName): first a name equal to the text, then one the
/// text begins, then one with a word the text begins ("year" for "Light Year"), then a near miss,
/// one letter off for a text of three letters and up to two for a longer one. Within each, the
/// nearer miss first, then the shorter name, then the categories' and the lists' order. An
/// empty text, or one over kLongestUnitSearch bytes, finds nothing.
std::vector<FoundUnit> searchUnits(std::string_view typed, std::size_t count);

}  // namespace vardeln
