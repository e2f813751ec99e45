// Vardeln — MIT licence, see LICENSE.
#include "closest_names.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <string>
#include <tuple>

#include "case_folding.h"

namespace vardeln {

// Optimal string alignment over bytes: a swap of two neighbours counts as one edit, as a
// slip of two fingers does ("mteer"). Three rows of the table: a swap looks two rows back.
std::size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> before(b.size() + 1);
  std::vector<std::size_t> above(b.size() + 1);
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(above.begin(), above.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t replace = above[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
      row[j] = std::min({above[j] + 1, row[j - 1] + 1, replace});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        row[j] = std::min(row[j], before[j - 2] + 1);
      }
    }
    std::swap(before, above);
    std::swap(above, row);
  }
  return above[b.size()];
}

namespace {

// Letters typed beyond this many say nothing more about which name was meant, and would
// only make the distance cost more for every name.
constexpr std::size_t kComparedLength = 256;

// How a name is near a mistyped text, nearest first, as people mistype: the same name in
// another case ("MM"), or without its full stops, blanks and hyphens ("sqft", "lb."); a name
// the text begins ("kilomet"); a letter or two off, its first letter kept ("kilogarm");
// a name whose start the text shares ("microlitr"); one that holds the text ("meter" in
// "Kilometers"); one whose letters the text takes in order from its first ("cbm" of "cubic
// meter"). A name near in none of these ways is not suggested: a wrong unit helps no one.
enum class Nearness {
  SameButCase,
  SameButMarks,
  Begins,
  LettersOff,
  SharesStart,
  Holds,
  Abbreviates
};

struct Ranked {
  Nearness nearness;
  std::size_t cost;    // within a nearness, less is nearer
  std::size_t length;  // then the shorter name
  std::size_t listIndex;

  auto key() const { return std::tuple(nearness, cost, length, listIndex); }
};

std::string withoutMarks(std::string_view text) {
  std::string kept;
  for (const char c : text) {
    if (c != '.' && c != ' ' && c != '-') kept.push_back(c);
  }
  return kept;
}

// One letter off in a short text, two in a longer one: more would reach most short symbols.
std::size_t lettersAllowedOff(std::size_t typedLength) { return typedLength <= 4 ? 1 : 2; }

bool takesInOrder(std::string_view name, std::string_view typed) {
  std::size_t at = 0;
  for (const char c : typed) {
    if (c == ' ' || c == '.' || c == '-') continue;
    at = name.find(c, at);
    if (at == std::string_view::npos) return false;
    ++at;
  }
  return true;
}

bool startsWord(std::string_view name, std::size_t at) {
  return at == 0 || name[at - 1] == ' ' || name[at - 1] == '-' || name[at - 1] == '/';
}

// How many of the typed letters after the first fall inside a word of the name rather than at
// its start, where an abbreviation takes them ("cbm": "cubic meter" 1, "coomb-coom" 2); nothing
// where the name does not hold the letters in order. A letter is taken at the next word start
// that has it, where that still leaves the rest in order.
std::optional<std::size_t> lettersInsideWords(std::string_view name, std::string_view typed) {
  std::size_t at = 0;
  std::size_t inside = 0;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    if (typed[i] == ' ' || typed[i] == '.' || typed[i] == '-') continue;
    std::size_t next = name.find(typed[i], at);
    if (next == std::string_view::npos) return std::nullopt;
    std::size_t start = next;
    while (start != std::string_view::npos && !startsWord(name, start)) {
      start = name.find(typed[i], start + 1);
    }
    if (start != std::string_view::npos &&
        takesInOrder(name.substr(start + 1), typed.substr(i + 1))) {
      next = start;
    } else if (i > 0) {
      ++inside;
    }
    at = next + 1;
  }
  return inside;
}

std::optional<Ranked> nearness(std::string_view typed, std::string_view name, std::size_t index) {
  const auto ranked = [&](Nearness how, std::size_t cost) {
    return Ranked{how, cost, name.size(), index};
  };
  if (name == typed) return ranked(Nearness::SameButCase, 0);
  const std::string bareTyped = withoutMarks(typed);
  if (!bareTyped.empty() && withoutMarks(name) == bareTyped) {
    return ranked(Nearness::SameButMarks, 0);
  }
  if (typed.size() >= 2 && name.starts_with(typed)) return ranked(Nearness::Begins, 0);
  if (!typed.empty() && !name.empty() && typed.front() == name.front()) {
    const std::size_t off = editDistance(typed, name);
    if (off <= lettersAllowedOff(typed.size())) return ranked(Nearness::LettersOff, off);
    const auto shared = static_cast<std::size_t>(
        std::mismatch(typed.begin(), typed.end(), name.begin(), name.end()).first - typed.begin());
    if (shared >= 4) return ranked(Nearness::SharesStart, typed.size() - shared);
  }
  if (typed.size() >= 3 && name.find(typed) != std::string_view::npos) {
    return ranked(Nearness::Holds, 0);
  }
  if (bareTyped.size() >= 3) {
    if (const std::optional<std::size_t> inside = lettersInsideWords(name, typed)) {
      return ranked(Nearness::Abbreviates, *inside);
    }
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::size_t> closestIndices(std::span<const std::string_view> names,
                                        std::string_view typed, std::size_t count) {
  const std::string foldedTyped = foldCase(typed.substr(0, kComparedLength));
  std::vector<Ranked> ranked;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (const std::optional<Ranked> near = nearness(foldedTyped, foldCase(names[i]), i)) {
      ranked.push_back(*near);
    }
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
