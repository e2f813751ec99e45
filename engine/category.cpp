// Vardeln — MIT licence, see LICENSE.
#include "category.h"

#include <algorithm>

namespace vardeln {

Category::Category(std::string_view id, std::string_view baseLabel,
                   std::initializer_list<UnitRule> rowsInListOrder,
                   std::initializer_list<CompoundUnit> compoundUnits)
    : id_(id), baseLabel_(baseLabel), rules_(rowsInListOrder), compoundUnits_(compoundUnits) {
  labels_.reserve(rules_.size());
  for (const UnitRule& rule : rules_) labels_.push_back(rule.label);
  for (const CompoundUnit& unit : compoundUnits_) compoundLabels_.push_back(unit.label);
}

std::optional<std::size_t> Category::unitIndex(std::string_view label) const {
  const auto found = std::find(labels_.begin(), labels_.end(), label);
  if (found == labels_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - labels_.begin());
}

}  // namespace vardeln
