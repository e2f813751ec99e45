// Vardeln — MIT licence, see LICENSE.
#include "unit_search.h"

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>

#include "case_folding.h"
#include "categories.h"
#include "closest_names.h"
#include "quantity_conversion.h"
#include "unit_name_form.h"
#include "unit_names.h"

namespace vardeln {
namespace {

// How a name fits the typed text; the first fits best.
enum class Fit { Equal, Begins, WordBegins, NearMiss };

struct Ranked {
  Fit fit;
  std::size_t lettersOff;
  std::size_t nameLength;
  FoundUnit found;

  auto key() const { return std::tuple(fit, lettersOff, nameLength, found.category, found.unit); }
};

std::string_view withoutBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// One or two letters off would make a near miss of nearly every symbol of a short text.
std::size_t lettersAllowedOff(std::size_t typedLength) {
  return typedLength < 3 ? 0 : typedLength == 3 ? 1 : 2;
}

bool beginsAWord(std::string_view name, std::string_view folded) {
  for (std::size_t at = name.find(folded, 1); at != std::string_view::npos;
       at = name.find(folded, at + 1)) {
    if (std::string_view(" -/,(").find(name[at - 1]) != std::string_view::npos) return true;
  }
  return false;
}

std::optional<Ranked> rank(std::string_view folded, std::string_view name, FoundUnit found) {
  const std::string foldedName = foldCase(name);
  const std::string_view candidate = foldedName;
  const std::size_t length = candidate.size();
  if (candidate == folded) return Ranked{Fit::Equal, 0, length, found};
  if (candidate.starts_with(folded)) return Ranked{Fit::Begins, 0, length, found};
  if (beginsAWord(candidate, folded)) return Ranked{Fit::WordBegins, 0, length, found};
  const std::size_t allowed = lettersAllowedOff(folded.size());
  const std::size_t apart = std::max(length, folded.size()) - std::min(length, folded.size());
  if (allowed == 0 || apart > allowed) return std::nullopt;
  const std::size_t off = editDistance(folded, candidate);
  if (off > allowed) return std::nullopt;
  return Ranked{Fit::NearMiss, off, length, found};
}

// Each unit of a category at the best fit of its label and names.
void rankCategory(std::size_t index, std::string_view folded, std::vector<Ranked>& ranked) {
  const Category& category = allCategories()[index];
  const std::vector<std::string_view> labels = quantityUnitLabels(category);
  std::vector<std::optional<Ranked>> best(labels.size());
  const auto weigh = [&](std::size_t unit, std::string_view name) {
    const std::optional<Ranked> fit = rank(folded, name, {index, unit});
    if (fit && (!best[unit] || fit->key() < best[unit]->key())) best[unit] = fit;
  };
  for (std::size_t unit = 0; unit < labels.size(); ++unit) weigh(unit, labels[unit]);
  const UnitNameTable& table = unitNameTable(category);
  // The names' rows are in the list's order, so a row's place is its unit's.
  for (std::size_t unit = 0; unit < table.units.size(); ++unit) {
    for (const std::string_view name : table.units[unit].names) weigh(unit, name);
  }
  for (const SharedName& shared : table.shared) {
    for (const std::string_view label : shared.labels) {
      if (const auto unit = category.unitIndex(label)) weigh(*unit, shared.name);
    }
  }
  for (const std::optional<Ranked>& fit : best) {
    if (fit) ranked.push_back(*fit);
  }
}

}  // namespace

std::vector<FoundUnit> searchUnits(std::string_view typed, std::size_t count) {
  const std::string_view text = withoutBlanks(typed);
  if (text.empty() || text.size() > kLongestUnitSearch) return {};
  const std::string folded = foldCase(normalUnitName(text));
  std::vector<Ranked> ranked;
  for (std::size_t index = 0; index < kCategoryCount; ++index) rankCategory(index, folded, ranked);

  const std::size_t kept = std::min(count, ranked.size());
  std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(kept),
                    ranked.end(),
                    [](const Ranked& a, const Ranked& b) { return a.key() < b.key(); });
  std::vector<FoundUnit> found;
  found.reserve(kept);
  for (std::size_t i = 0; i < kept; ++i) found.push_back(ranked[i].found);
  return found;
}

}  // namespace vardeln
