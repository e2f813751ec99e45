// Vardeln — MIT licence, see LICENSE.
#include "golden_check.h"

#include <optional>
#include <set>
#include <tuple>

#include "categories.h"
#include "conversion.h"
#include "golden_entry.h"

namespace vardeln::golden {
namespace {

std::string describe(const Outcome& outcome) {
  return decimal(outcome.value) + " (" + hexBits(outcome.value) + ", " +
         std::string(outcome.fault) + ")";
}

std::string where(const Entry& entry) {
  return entry.category + " \"" + entry.unit + "\" " +
         (entry.direction == Direction::ToBase ? "to base" : "from base") +
         (entry.sweep ? " over the " + std::to_string(kSweepInputs) + " sweep inputs"
                      : " at " + decimal(entry.input));
}

bool matches(const Entry& entry, const UnitRule& rule, std::string& problem) {
  if (entry.sweep) {
    const Bits digest = sweepDigest(rule, entry.direction);
    if (digest == entry.expected.value) return true;
    problem = where(entry) + ": expected digest " + hexBits(entry.expected.value) + ", got " +
              hexBits(digest);
    return false;
  }
  const Outcome actual = evaluate(rule, entry.direction, doubleOf(entry.input));
  if (sameOutcome(actual, entry.expected)) return true;
  problem = where(entry) + ": expected " + describe(entry.expected) + ", got " + describe(actual);
  return false;
}

}  // namespace

CheckReport checkGolden(std::istream& table) {
  CheckReport report;
  // Each rule in each direction needs its fixed inputs and its sweep.
  std::set<std::tuple<const UnitRule*, Direction, bool>> covered;
  std::string line;
  for (std::size_t lineNumber = 1; std::getline(table, line); ++lineNumber) {
    const ParsedLine parsed = parseLine(line);
    if (!parsed.error.empty()) {
      report.problems.push_back("line " + std::to_string(lineNumber) + ": " + parsed.error);
      continue;
    }
    if (!parsed.entry) continue;
    const Entry& entry = *parsed.entry;
    const Category* category = categoryById(entry.category);
    const std::optional<std::size_t> unit =
        category != nullptr ? category->unitIndex(entry.unit) : std::nullopt;
    const UnitRule* rule = unit ? &category->rules()[*unit] : nullptr;
    if (rule == nullptr) {
      report.problems.push_back("line " + std::to_string(lineNumber) + ": " + entry.category +
                                " \"" + entry.unit + "\" is not a unit of the engine");
      continue;
    }
    covered.insert({rule, entry.direction, entry.sweep});
    ++report.entriesChecked;
    if (std::string problem; !matches(entry, *rule, problem)) report.problems.push_back(problem);
  }

  for (const Category& category : allCategories()) {
    for (const UnitRule& rule : category.rules()) {
      for (const Direction direction : {Direction::ToBase, Direction::FromBase}) {
        for (const bool sweep : {false, true}) {
          if (covered.count({&rule, direction, sweep}) == 0) {
            report.problems.push_back(std::string(category.id()) + " \"" + std::string(rule.label) +
                                      "\" " + std::string(directionName(direction)) +
                                      " base has no " + (sweep ? "sweep" : "entry") +
                                      " in the golden table");
          }
        }
      }
    }
  }
  return report;
}

}  // namespace vardeln::golden
