// Vardeln — MIT licence, see LICENSE.
#include "unit_name_match.h"

#include <algorithm>
#include <span>
#include <string>

#include "case_folding.h"
#include "categories.h"
#include "closest_names.h"
#include "quantity_conversion.h"
#include "quoted_name.h"
#include "unit_name_form.h"
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
      return {Kind::Found, labels.front(), {}, {}};
    default:
      return {Kind::Ambiguous, {}, std::move(labels), {}};
  }
}

// A text that names something in a category, as matching compares it.
struct NameEntry {
  std::string_view written;              // as the table writes it
  std::string form;                      // its normal form
  std::string folded;                    // the normal form ignoring case
  std::vector<std::string_view> labels;  // the units it names: several for a shared name
  const AbsentSymbol* absent;            // for a symbol refused, what it is
};

NameEntry entry(std::string_view written, std::vector<std::string_view> labels,
                const AbsentSymbol* absent = nullptr) {
  std::string form = normalUnitName(written);
  std::string folded = foldCase(form);
  return {written, std::move(form), std::move(folded), std::move(labels), absent};
}

// The labels, the names and the absent symbols of a category, each in its normal form.
std::vector<NameEntry> entriesOf(const Category& category) {
  std::vector<NameEntry> entries;
  for (const std::string_view label : quantityUnitLabels(category)) {
    entries.push_back(entry(label, {label}));
  }
  const UnitNameTable& table = unitNameTable(category);
  for (const UnitNames& unit : table.units) {
    for (const std::string_view name : unit.names) entries.push_back(entry(name, {unit.label}));
  }
  for (const SharedName& shared : table.shared) {
    entries.push_back(entry(shared.name, shared.labels));
  }
  for (const AbsentSymbol& symbol : absentSymbols()) {
    if (symbol.categoryId == category.id()) entries.push_back(entry(symbol.symbol, {}, &symbol));
  }
  return entries;
}

// Normalised once, for the life of the program.
const std::vector<NameEntry>& nameEntries(const Category& category) {
  static const std::vector<std::vector<NameEntry>> all = [] {
    std::vector<std::vector<NameEntry>> entries;
    for (const Category& each : allCategories()) entries.push_back(entriesOf(each));
    return entries;
  }();
  return all[categoryIndex(category.id()).value()];
}

// `"Mm" is a megametre, which the tables lack`, or `"mm" is Millimeter`.
std::string whatItIs(const NameEntry& entry) {
  std::string clause = quotedName(entry.written) + " is ";
  if (entry.absent) {
    clause.append(entry.absent->unit);
    if (entry.absent->tablesLabel.empty()) return clause.append(", which the tables lack");
    return clause.append(", which the tables call ").append(entry.absent->tablesLabel);
  }
  for (std::size_t i = 0; i < entry.labels.size(); ++i) {
    clause.append(i == 0 ? "" : i + 1 < entry.labels.size() ? ", " : " or ");
    clause.append(entry.labels[i]);
  }
  return clause;
}

// What each of the entries is, one clause per form, after `opening`.
std::string explanation(std::string opening, const std::vector<const NameEntry*>& entries) {
  std::vector<std::string_view> forms;
  for (const NameEntry* each : entries) {
    if (std::find(forms.begin(), forms.end(), each->form) != forms.end()) continue;
    opening.append(forms.empty() ? "" : "; ").append(whatItIs(*each));
    forms.push_back(each->form);
  }
  return opening;
}

// Found or Ambiguous as matchUnitName says, Lacking for the symbol of a unit the tables lack,
// or Unknown without suggestions.
NameMatch findUnitName(const Category& category, std::string_view written) {
  const std::vector<std::string_view> labels = quantityUnitLabels(category);
  if (const auto exact = std::find(labels.begin(), labels.end(), written); exact != labels.end()) {
    return {Kind::Found, *exact, {}, {}};
  }
  const std::string form = normalUnitName(written);
  const std::string folded = foldCase(form);
  std::vector<const NameEntry*> sameCase;
  std::vector<const NameEntry*> otherCase;
  for (const NameEntry& each : nameEntries(category)) {
    if (each.form == form) {
      sameCase.push_back(&each);
    } else if (each.folded == folded) {
      otherCase.push_back(&each);
    }
  }
  std::vector<std::string_view> meant;
  // A name with its case means what it names; only a symbol the tables lack is explained.
  for (const NameEntry* each : sameCase) {
    for (const std::string_view label : each->labels) addOnce(meant, label);
  }
  if (!meant.empty()) return meaning(std::move(meant));
  if (!sameCase.empty()) {
    sameCase.insert(sameCase.end(), otherCase.begin(), otherCase.end());
    return {Kind::Lacking, {}, {}, explanation({}, sameCase)};
  }
  // A prefix of one letter is all case: "N" is no nano, "D" no deci.
  if (form.size() == 1 && category.id() == "prefix") return {};
  // In another case, a name is read only where every symbol of those letters means one unit.
  bool absent = false;
  std::vector<std::string_view> forms;
  for (const NameEntry* each : otherCase) {
    for (const std::string_view label : each->labels) addOnce(meant, label);
    absent = absent || each->absent != nullptr;
    addOnce(forms, each->form);
  }
  if (!absent && (meant.size() == 1 || forms.size() == 1)) return meaning(std::move(meant));
  if (otherCase.empty()) return {};
  std::string opening =
      quotedName(written) + " names no " + std::string(category.id()) + " unit in that case: ";
  return {meant.empty() ? Kind::Lacking : Kind::Ambiguous,
          {},
          std::move(meant),
          explanation(std::move(opening), otherCase)};
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
  return {kind, {}, refused->labels, {}, refused->note};
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
