// Vardeln — MIT licence, see LICENSE.
#include "golden_write.h"

#include <charconv>
#include <limits>
#include <string>

#include "categories.h"
#include "golden_entry.h"

namespace vardeln::golden {
namespace {

using Limits = std::numeric_limits<double>;

// clang-format off
const double kInputs[] = {
    // the values the tables' own examples use, and small whole numbers
    0, 1, 2, 3, 7, 12, 100, 1e6,
    // fractions whose every bit is set by rounding
    0.1, 0.3, 1.0 / 3, 2.0 / 3, 123456.789, 1.4142135623730951, 9.87654321e-05, 6.02214076e+23,
    // negatives, negative zero, and the temperatures where the scales meet or end
    -0.0, -1, -0.1, -123456.789, -40, -273.15,
    // near the top of the range, where a to-base or a from-base value leaves it
    1e300, -1e300, 1e303, 1e307, 1e308, 1.7e308, -1.7e308, Limits::max(),
    // near the bottom, where a value becomes subnormal or zero
    1e-300, 1e-308, Limits::min(), 1e-320, Limits::denorm_min(), -Limits::denorm_min(),
};
// clang-format on

// The shortest text that reads back to the same double, for the reader of the table.
std::string shortest(Bits bits) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, doubleOf(bits)).ptr);
}

}  // namespace

std::span<const double> goldenInputs() { return kInputs; }

void writeGolden(std::ostream& out) {
  out << "# Vardeln — MIT licence, see LICENSE.\n"
         "# Golden table: what every unit's rule gives, to the last bit. Written by "
         "golden_generate;\n"
         "# never edit by hand. Columns (tab-separated): category, unit, direction (to or from "
         "the\n"
         "# base unit), input bits, value bits, fault (ok, overflow, invalid), then the input and\n"
         "# the value as shortest decimals, which the checker ignores. A sweep line closes each\n"
         "# unit and direction: a digest of the rule's values at thousands of pseudo-random "
         "inputs.\n";
  for (const Category& category : allCategories()) {
    for (const UnitRule& rule : category.rules()) {
      for (const Direction direction : {Direction::ToBase, Direction::FromBase}) {
        const std::string categoryName(category.id());
        const std::string label(rule.label);
        for (const double input : kInputs) {
          const Entry entry{categoryName, label,         direction,
                            false,        bitsOf(input), evaluate(rule, direction, input)};
          out << checkedColumns(entry) << '\t' << shortest(entry.input) << '\t'
              << shortest(entry.expected.value) << '\n';
        }
        const Entry sweep{categoryName, label, direction,
                          true,         0,     {sweepDigest(rule, direction), {}}};
        out << checkedColumns(sweep) << '\t' << kSweepInputs << " pseudo-random inputs\n";
      }
    }
  }
}

}  // namespace vardeln::golden
