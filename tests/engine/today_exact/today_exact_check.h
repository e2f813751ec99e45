// Vardeln — MIT licence, see LICENSE.
// Holds conversions by today's definitions to the oracle's file, double for double.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace vardeln::today_exact {

struct OracleReport {
  std::size_t pairsChecked = 0;
  /// One line per problem: the pair and the input, with the expected and the given double;
  /// a unit the engine lacks; a line that cannot be read.
  std::vector<std::string> problems;
};

OracleReport checkOracle(std::istream& oracle);

}  // namespace vardeln::today_exact
