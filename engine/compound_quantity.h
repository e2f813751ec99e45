// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "category.h"

namespace vardeln {

/// Reads a quantity written in a compound unit and gives its base value B.
///
/// The text is an optional sign, then one number per part, largest part first:
/// - every number is read as the number box reads it; every part but the last is a whole
///   number ("5", "1E+20"); the last may also be a fraction ("3/16") or a whole number and a
///   fraction ("7 3/16"), whose value is w + n / d in double arithmetic;
/// - either every number is followed by its part's mark or label ("5 ft 7 3/16 in",
///   "5' 7 3/16\"", "2 Kanal 7 Marla", case ignored), and parts left out are zero, or no
///   number is, and then the numbers fill the smallest parts, as a clock is read: "7" is
///   7 in, "1:23:20" against Day, Hour, Minute and Second is 1 h 23 min 20 s (colons may
///   part the numbers instead of blanks);
/// - the sign applies to the whole quantity.
///
/// The base value is the sum of each given part's to-base value, added largest part first
/// in double arithmetic, as the tables compute: B = toBase₁(n₁) + toBase₂(n₂) + …, negated
/// for a leading minus sign. Any other text is not a quantity (nothing is returned).
struct CompoundReading {
  double base = 0.0;
  /// Each part's number as read, largest first; nothing for a part left out.
  std::vector<std::optional<double>> parts;
};
std::optional<CompoundReading> readCompoundQuantity(const Category& category,
                                                    const CompoundUnit& unit,
                                                    std::string_view text);

/// The denominators a last part may be rounded to, as rulers and tapes are marked.
bool isCompoundDenominator(int denominator);

/// A base value written in a compound unit.
struct CompoundQuantity {
  /// Each part's number, largest first, with the quantity's sign on every non-zero part.
  std::vector<double> parts;
  /// The quantity in the smallest part's unit, after any rounding to a fraction.
  double inSmallestUnit = 0.0;
  /// How much rounding the last part to a fraction moved the quantity, in the smallest
  /// part's unit (0 when it did not).
  double roundedBy = 0.0;
  /// "5 ft 7.000002144 in", "-1 h 23 min 20 s", "5 ft 7 3/16 in".
  std::string text;
  /// "rounded down by 0.000002144 in", or empty when nothing was rounded.
  std::string roundingNote;
};

/// Writes a finite base value in a compound unit.
///
/// The quantity is first taken to the smallest part's unit by the table's rule, then
/// rounded to the digits the result box shows (15 significant), and only then split: each
/// larger part takes the whole number of its steps (the whole numbers between neighbouring
/// parts, see CompoundUnit), so 1 Chhatank is 1 Chhatank 0 Tola, never 4 Tola and 0.99999…
/// With a denominator (2 to 64) the quantity is rounded to the nearest such fraction of the
/// smallest part before the split, so a carry reaches the larger parts (never 5 ft 12 in).
/// Beyond the digits a double holds (2^53 of the smallest part) the smaller parts are what
/// those digits give, and zero below them.
/// Larger parts that are zero before the first non-zero part are not written.
CompoundQuantity writeCompoundQuantity(const Category& category, const CompoundUnit& unit,
                                       double base, int denominator = 0);

/// The whole number of the smaller unit in one of the larger, by the table's rules.
double compoundStep(const Category& category, const CompoundPart& larger,
                    const CompoundPart& smaller);

}  // namespace vardeln
