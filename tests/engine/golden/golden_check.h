// Vardeln — MIT licence, see LICENSE.
// Checks the engine against the golden table: every entry bit for bit, and every rule of
// every unit present in both directions.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace vardeln::golden {

struct CheckReport {
  std::size_t entriesChecked = 0;
  /// One line per problem: a mismatch naming category, unit, direction, input and both
  /// values; a rule the table lacks; a unit the engine lacks; a malformed line.
  std::vector<std::string> problems;
};

CheckReport checkGolden(std::istream& table);

}  // namespace vardeln::golden
