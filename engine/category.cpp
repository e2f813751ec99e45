// Vardeln — MIT licence, see LICENSE.
#include "category.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace vardeln {
namespace {

[[noreturn]] void refuseTable(const std::string& why) {
#if __cpp_exceptions
  throw std::invalid_argument(why);
#else
  // The page is built without exceptions; the native build checks the same tables first.
  std::fprintf(stderr, "%s\n", why.c_str());
  std::abort();
#endif
}

}  // namespace

Category::Category(std::string_view id, std::string_view baseLabel,
                   std::initializer_list<UnitRule> rowsInListOrder,
                   std::initializer_list<CompoundUnit> compoundUnits)
    : id_(id), baseLabel_(baseLabel), rules_(rowsInListOrder), compoundUnits_(compoundUnits) {
  labels_.reserve(rules_.size());
  for (const UnitRule& rule : rules_) labels_.push_back(rule.label);
  for (CompoundUnit& unit : compoundUnits_) {
    compoundLabels_.push_back(unit.label);
    for (CompoundPart& part : unit.parts) {
      const std::optional<std::size_t> index = unitIndex(part.label);
      if (!index) {
        refuseTable(std::string(id) + ": the compound unit \"" + std::string(unit.label) +
                    "\" names \"" + std::string(part.label) + "\", which is no unit of the table");
      }
      part.unit = *index;
    }
  }
}

std::optional<std::size_t> Category::unitIndex(std::string_view label) const {
  const auto found = std::find(labels_.begin(), labels_.end(), label);
  if (found == labels_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - labels_.begin());
}

}  // namespace vardeln
