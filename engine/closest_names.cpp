// Vardeln — MIT licence, see LICENSE.
#include "closest_names.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <tuple>

#include "case_folding.h"

namespace vardeln {

// Levenshtein distance over bytes, keeping one row of the table.
std::size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const std::size_t replace = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, replace});
      diagonal = above;
    }
  }
  return row[b.size()];
}

namespace {

// Letters typed beyond this many say nothing more about which label was meant, and would
// only make the distance cost more for every label.
constexpr std::size_t kComparedLength = 256;

struct Ranked {
  bool containsTyped;
  std::size_t distance;
  std::size_t listIndex;

  auto key() const { return std::tuple(!containsTyped, distance, listIndex); }
};

}  // namespace

std::vector<std::size_t> closestIndices(std::span<const std::string_view> names,
                                        std::string_view typed, std::size_t count) {
  const std::string foldedTyped = foldCase(typed);
  const std::string_view comparedTyped = std::string_view(foldedTyped).substr(0, kComparedLength);
  std::vector<Ranked> ranked;
  ranked.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string folded = foldCase(names[i]);
    ranked.push_back(
        {folded.find(foldedTyped) != std::string::npos, editDistance(comparedTyped, folded), i});
  }
  const std::size_t kept = std::min(count, ranked.size());
  std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(kept),
                    ranked.end(),
                    [](const Ranked& a, const Ranked& b) { return a.key() < b.key(); });

  std::vector<std::size_t> closest;
  closest.reserve(kept);
  for (std::size_t i = 0; i < kept; ++i) closest.push_back(ranked[i].listIndex);
  return closest;
}

std::vector<std::string_view> closestNames(std::span<const std::string_view> names,
                                           std::string_view typed, std::size_t count) {
  std::vector<std::string_view> closest;
  for (const std::size_t index : closestIndices(names, typed, count)) {
    closest.push_back(names[index]);
  }
  return closest;
}

}  // namespace vardeln
