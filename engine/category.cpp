// Vardeln — MIT licence, see LICENSE.
#include "category.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace vardeln {

Category::Category(CategoryNames names, std::initializer_list<UnitRule> rowsInListOrder,
                   std::initializer_list<std::string_view> labelsInTestOrder)
    : names_(names), rules_(rowsInListOrder) {
  labels_.reserve(rules_.size());
  for (const UnitRule& rule : rules_) labels_.push_back(rule.label);

  if (labelsInTestOrder.size() != rules_.size()) {
    throw std::logic_error(std::string(names_.name) + ": test order and rows differ in length");
  }
  testOrder_.reserve(rules_.size());
  for (std::string_view label : labelsInTestOrder) {
    const auto row = std::find_if(rules_.begin(), rules_.end(),
                                  [label](const UnitRule& rule) { return rule.label == label; });
    if (row == rules_.end() ||
        std::find(testOrder_.begin(), testOrder_.end(), &*row) != testOrder_.end()) {
      throw std::logic_error(std::string(names_.name) + ": test order names \"" +
                             std::string(label) + "\" wrongly");
    }
    testOrder_.push_back(&*row);
  }
}

}  // namespace vardeln
