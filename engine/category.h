// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

namespace vardeln {

/// A conversion formula of one unit: to the category's base unit, or back from it.
using Formula = double (*)(double);

/// One row of a category's table: the unit's label as the unit lists show it, the formula
/// that turns an entered number x into the base value B, and the formula that turns B into
/// the unit.
struct UnitRule {
  std::string_view label;
  Formula toBase;
  Formula fromBase;
};

/// How a category is named: in the command line, in the window's menu, and its base unit.
struct CategoryNames {
  std::string_view name;           ///< "area": the command line's name for it
  std::string_view menuItem;       ///< "areaMenu": the object name of its menu item
  std::string_view caption;        ///< "&Area": the menu item's caption with its access key
  std::string_view identityLabel;  ///< "Meters Square": the label whose rule is B = x
};

/// One of the thirteen categories: its names, its units in list order (the order the unit
/// lists show), and the same rules in the order a conversion tries them.
class Category {
 public:
  /// Builds a category from its rows in list order and its labels in test order. Throws
  /// std::logic_error when the test order is not a permutation of the rows' labels.
  Category(CategoryNames names, std::initializer_list<UnitRule> rowsInListOrder,
           std::initializer_list<std::string_view> labelsInTestOrder);

  Category(const Category&) = delete;
  Category& operator=(const Category&) = delete;

  const CategoryNames& names() const { return names_; }
  const std::vector<UnitRule>& rules() const { return rules_; }
  const std::vector<std::string_view>& labels() const { return labels_; }
  const std::vector<const UnitRule*>& rulesInTestOrder() const { return testOrder_; }

 private:
  CategoryNames names_;
  std::vector<UnitRule> rules_;
  std::vector<std::string_view> labels_;
  std::vector<const UnitRule*> testOrder_;
};

}  // namespace vardeln
