// Vardeln — MIT licence, see LICENSE.
#include "category.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace vardeln {
namespace {

// The build checks every table before anything uses it, so a category with a broken compound
// unit reaches a user never; a table made elsewhere (a test's) is refused at its construction.
// The page is built without exceptions: there the refusal ends the program with its reason.
[[noreturn]] void failConstruction(const std::string& reason) {
#if defined(__cpp_exceptions)
  throw std::invalid_argument(reason);
#else
  std::fprintf(stderr, "%s\n", reason.c_str());
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
    if (unit.parts.size() > kMaxCompoundParts) {
      failConstruction(std::string(id) + ": the compound unit \"" + std::string(unit.label) +
                       "\" has more than " + std::to_string(kMaxCompoundParts) + " parts");
    }
    for (CompoundPart& part : unit.parts) {
      const std::optional<std::size_t> index = unitIndex(part.label);
      if (!index) {
        failConstruction(std::string(id) + ": the compound unit \"" + std::string(unit.label) +
                         "\" names \"" + std::string(part.label) +
                         "\", which is no unit of the table");
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
