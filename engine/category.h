// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

namespace vardeln {

/// One conversion formula of a unit, to the category's base unit or back from it, with the
/// text it is written as in its table ("x * FootInMetres"), so that what explains a result
/// is the very formula that computed it.
struct Rule {
  double (*apply)(double);
  std::string_view text;

  double operator()(double value) const { return apply(value); }
};

/// One row of a category's table: the unit's label, the rule that turns an entered number x
/// into the base value B, and the rule that turns B into the unit.
struct UnitRule {
  std::string_view label;
  Rule toBase;
  Rule fromBase;
};

/// One part of a compound unit: a unit of the category's table, and the marks a person writes
/// after its number, the first of them the one Vardeln writes ("ft|'": 5 ft, 5').
struct CompoundPart {
  std::string_view label;
  std::string_view marks;
  /// The unit's index in the category's table, found once when the category is built.
  std::size_t unit = 0;
};

/// A quantity written in several units of one table, largest first ("Feet and Inches": 5 ft
/// 7 in). Between neighbouring parts the table's rules give a whole number, or one whose
/// shown result is whole (1 Marla is 9.000000000000002 Square Karam): that whole number
/// is the step between them.
struct CompoundUnit {
  std::string_view label;
  std::vector<CompoundPart> parts;
};

/// The most parts a compound unit has (Miles, Yard-Gaz, Feet and Inches has four), so that a
/// quantity is split without allocating.
inline constexpr std::size_t kMaxCompoundParts = 8;

/// One of the thirteen categories: its id, the label of its base unit, and its units in list
/// order. A unit is known by its index in that order; no two labels of a category are equal.
/// Building a category whose compound unit names a unit it does not have throws
/// std::invalid_argument naming both; the build runs every table's construction, so such a
/// table never ships.
class Category {
 public:
  Category(std::string_view id, std::string_view baseLabel,
           std::initializer_list<UnitRule> rowsInListOrder,
           std::initializer_list<CompoundUnit> compoundUnits = {});

  Category(const Category&) = delete;
  Category& operator=(const Category&) = delete;

  /// "area": the command line's name, and the category's name in a page address.
  std::string_view id() const { return id_; }
  /// "Meters Square": the unit whose rules are B = x and result = B.
  std::string_view baseLabel() const { return baseLabel_; }
  const std::vector<UnitRule>& rules() const { return rules_; }
  const std::vector<std::string_view>& labels() const { return labels_; }

  /// The index of the unit whose label is exactly `label` (whole text, case-sensitive).
  std::optional<std::size_t> unitIndex(std::string_view label) const;

  /// The quantities people write in several of this table's units, after the single units.
  const std::vector<CompoundUnit>& compoundUnits() const { return compoundUnits_; }
  const std::vector<std::string_view>& compoundLabels() const { return compoundLabels_; }

 private:
  std::string_view id_;
  std::string_view baseLabel_;
  std::vector<UnitRule> rules_;
  std::vector<std::string_view> labels_;
  std::vector<CompoundUnit> compoundUnits_;
  std::vector<std::string_view> compoundLabels_;
};

}  // namespace vardeln
