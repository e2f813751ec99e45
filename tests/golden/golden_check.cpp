// Vardeln — MIT licence, see LICENSE.
#include "golden_check.h"

#include <set>
#include <utility>

#include "categories.h"
#include "conversion.h"
#include "golden_entry.h"

namespace vardeln::golden {
namespace {

std::string describe(const Outcome& outcome) {
  return decimal(outcome.value) + " (" + hexBits(outcome.value) + ", " + std::string(outcome.fault) + ")";
}

std::string where(const Entry& entry) {
  return entry.category + " \"" + entry.unit + "\" " +
         (entry.direction == Direction::ToBase ? "to base" : "from base") + " at " +
         decimal(entry.input);
}

}  // namespace

CheckReport checkGolden(std::istream& table) {
  CheckReport report;
  std::set<std::pair<const UnitRule*, Direction>> covered;
  std::string line;
  for (std::size_t lineNumber = 1; std::getline(table, line); ++lineNumber) {
    const ParsedLine parsed = parseLine(line);
    if (!parsed.error.empty()) {
      report.problems.push_back("line " + std::to_string(lineNumber) + ": " + parsed.error);
      continue;
    }
    if (!parsed.entry) continue;
    const Entry& entry = *parsed.entry;
    const Category* category = categoryByName(entry.category);
    const UnitRule* rule = category != nullptr ? findRule(*category, entry.unit) : nullptr;
    if (rule == nullptr) {
      report.problems.push_back("line " + std::to_string(lineNumber) + ": " + entry.category +
                                " \"" + entry.unit + "\" is not a unit of the engine");
      continue;
    }
    covered.insert({rule, entry.direction});
    ++report.entriesChecked;
    const Outcome actual = evaluate(*rule, entry.direction, doubleOf(entry.input));
    if (!sameOutcome(actual, entry.expected)) {
      report.problems.push_back(where(entry) + ": expected " + describe(entry.expected) +
                                ", got " + describe(actual));
    }
  }

  for (const Category& category : allCategories()) {
    for (const UnitRule& rule : category.rules()) {
      for (const Direction direction : {Direction::ToBase, Direction::FromBase}) {
        if (covered.count({&rule, direction}) == 0) {
          report.problems.push_back(std::string(category.names().name) + " \"" +
                                    std::string(rule.label) + "\" " +
                                    std::string(directionName(direction)) +
                                    " base has no entry in the golden table");
        }
      }
    }
  }
  return report;
}

}  // namespace vardeln::golden
