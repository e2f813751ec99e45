// Vardeln — MIT licence, see LICENSE.
// Writes the golden table from the engine as it stands: the deliberate step that turns an
// intended change of a rule into a reviewable difference of the table.
#pragma once

#include <ostream>
#include <span>

namespace vardeln::golden {

/// The inputs every rule is taken at, in both directions, chosen to expose rounding.
std::span<const double> goldenInputs();

/// Every unit of every category in list order, to base then from base, at every input.
void writeGolden(std::ostream& out);

}  // namespace vardeln::golden
