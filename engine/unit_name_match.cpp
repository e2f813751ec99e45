// Vardeln — MIT licence, see LICENSE.
#include "unit_name_match.h"

#include <algorithm>
#include <span>
#include <string>

#include "case_folding.h"
#include "categories.h"
#include "closest_names.h"
#include "quantity_conversion.h"
#include "unit_name_notes.h"
#include "unit_names.h"

namespace vardeln {
namespace {

using Kind = NameMatch::Kind;

void addOnce(std::vector<std::string_view>& labels, std::string_view label) {
  if (std::find(labels.begin(), labels.end(), label) == labels.end()) labels.push_back(label);
}

NameMatch meaning(std::vector<std::string_view> labels) {
  switch (labels.size()) {
    case 0:
      return {};
    case 1:
      return {Kind::Found, labels.front(), {}};
    default:
      return {Kind::Ambiguous, {}, std::move(labels)};
  }
}

// Found or Ambiguous as matchUnitName says, or Unknown without suggestions.
NameMatch findUnitName(const Category& category, std::string_view written) {
  const std::vector<std::string_view> labels = quantityUnitLabels(category);
  if (const auto exact = std::find(labels.begin(), labels.end(), written); exact != labels.end()) {
    return {Kind::Found, *exact, {}};
  }
  const std::string folded = foldCase(written);
  std::vector<std::string_view> meant;
  for (const std::string_view label : labels) {
    if (foldCase(label) == folded) addOnce(meant, label);
  }
  if (!meant.empty()) return meaning(std::move(meant));

  const UnitNameTable& table = unitNameTable(category);
  for (const UnitNames& unit : table.units) {
    for (const std::string_view name : unit.names) {
      if (foldCase(name) == folded) addOnce(meant, unit.label);
    }
  }
  for (const SharedName& shared : table.shared) {
    if (foldCase(shared.name) != folded) continue;
    for (const std::string_view label : shared.labels) addOnce(meant, label);
  }
  return meaning(std::move(meant));
}

// The labels of the units whose labels or names come closest to a mistyped name, closest
// first: "lbx" suggests Pound, which no label alone would.
std::vector<std::string_view> closestLabels(const Category& category, std::string_view written) {
  const std::vector<std::string_view> labels = quantityUnitLabels(category);
  std::vector<std::string_view> names = labels;
  std::vector<std::span<const std::string_view>> unitsOfName;
  for (const std::string_view& label : labels) unitsOfName.emplace_back(&label, 1);
  const UnitNameTable& table = unitNameTable(category);
  for (const UnitNames& unit : table.units) {
    names.insert(names.end(), unit.names.begin(), unit.names.end());
    unitsOfName.insert(unitsOfName.end(), unit.names.size(), {&unit.label, 1});
  }
  for (const SharedName& shared : table.shared) {
    names.push_back(shared.name);
    unitsOfName.emplace_back(shared.labels);
  }
  std::vector<std::string_view> closest;
  for (const std::size_t index : closestIndices(names, written, names.size())) {
    for (const std::string_view label : unitsOfName[index]) addOnce(closest, label);
    if (closest.size() >= kSuggestionCount) break;
  }
  closest.resize(std::min(closest.size(), kSuggestionCount));
  return closest;
}

// What a written name means before any suggestion: a refused name written as it is listed
// ("Cal", never the "cal" the table has), then what the table finds, with the size a unit of
// several sizes is, then a refused name in another case ("KCAL").
NameMatch findSaidName(const Category& category, std::string_view written) {
  const RefusedName* refused = refusedName(category, written, false);
  if (refused == nullptr) {
    NameMatch match = findUnitName(category, written);
    if (match.kind == Kind::Found) match.note = unitSizeNote(category, match.name);
    refused = match.kind == Kind::Unknown ? refusedName(category, written, true) : nullptr;
    if (refused == nullptr) return match;
  }
  const Kind kind = refused->labels.empty() ? Kind::Unknown : Kind::Ambiguous;
  return {kind, {}, refused->labels, refused->note};
}

}  // namespace

NameMatch matchUnitName(const Category& category, std::string_view written) {
  NameMatch match = findSaidName(category, written);
  if (match.kind == Kind::Unknown && match.note.empty()) {
    match.candidates = closestLabels(category, written);
  }
  return match;
}

std::vector<CategoryUnitMatch> categoriesNamingUnit(std::string_view written) {
  std::vector<CategoryUnitMatch> matches;
  for (const Category& category : allCategories()) {
    // A refused name still belongs to its category, which then says what it means.
    NameMatch match = findSaidName(category, written);
    if (match.kind != Kind::Unknown || !match.note.empty()) {
      matches.push_back({&category, std::move(match)});
    }
  }
  return matches;
}

}  // namespace vardeln
