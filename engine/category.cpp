// Vardeln — MIT licence, see LICENSE.
#include "category.h"

#include <algorithm>

namespace vardeln {

Category::Category(std::string_view id, std::string_view baseLabel,
                   std::initializer_list<UnitRule> rowsInListOrder)
    : id_(id), baseLabel_(baseLabel), rules_(rowsInListOrder) {
  labels_.reserve(rules_.size());
  for (const UnitRule& rule : rules_) labels_.push_back(rule.label);
}

std::optional<std::size_t> Category::unitIndex(std::string_view label) const {
  const auto found = std::find(labels_.begin(), labels_.end(), label);
  if (found == labels_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - labels_.begin());
}

}  // namespace vardeln
