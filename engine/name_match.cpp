// Vardeln — MIT licence, see LICENSE.
#include "name_match.h"

#include <algorithm>
#include <string>

#include "case_folding.h"
#include "closest_names.h"

namespace vardeln {

NameMatch matchName(std::span<const std::string_view> names, std::string_view typed) {
  if (const auto exact = std::find(names.begin(), names.end(), typed); exact != names.end()) {
    return {NameMatch::Kind::Found, *exact, {}, {}};
  }
  const std::string foldedTyped = foldCase(typed);
  std::vector<std::string_view> sameIgnoringCase;
  for (const std::string_view name : names) {
    if (foldCase(name) == foldedTyped) sameIgnoringCase.push_back(name);
  }
  switch (sameIgnoringCase.size()) {
    case 0:
      return {NameMatch::Kind::Unknown, {}, closestNames(names, typed), {}};
    case 1:
      return {NameMatch::Kind::Found, sameIgnoringCase.front(), {}, {}};
    default:
      return {NameMatch::Kind::Ambiguous, {}, std::move(sameIgnoringCase), {}};
  }
}

}  // namespace vardeln
