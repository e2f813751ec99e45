// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "category.h"
#include "number_style.h"

namespace vardeln {

/// A compound quantity is read and written through one unit, its smallest part's: reading sums
/// the parts in that unit and applies its to-base rule once; writing applies its from-base
/// rule once and splits what is shown. So a written quantity reads back as the same number
/// written in the smallest unit alone would.
///
/// Reads a quantity written in a compound unit and gives its base value B.
///
/// The text is an optional sign, then one number per part, largest part first:
/// - every number is read as parseNumber reads it; every part but the last is a whole
///   number ("5", "1E+20"); the last may also be a fraction ("3/16") or a whole number and a
///   fraction ("7 3/16"), whose value is w + n / d in double arithmetic;
/// - either every number is followed by its part's mark, label or a name people write for
///   its unit ("5 ft 7 3/16 in", "5' 7 3/16\"", "2 Kanal 7 Marla", "11 stone 4 lbs", case
///   ignored, a full stop allowed after it: "11 st. 4 lb."), and parts left out are zero, or no
///   number is, and then the numbers fill the smallest parts, as a clock is read: "7" is
///   7 in, "1:23:20" against Day, Hour, Minute and Second is 1 h 23 min 20 s (colons may
///   part the numbers instead of blanks, but a colon is no field: "1::5", "5:" and ":5"
///   are not quantities);
/// - the sign applies to the whole quantity;
/// - under a style, each number is read in it: its decimal mark and its groups, whose mark
///   stands inside a number only between digits ("1,250 ft" under the thousands grouping);
///   a blank always parts numbers, so groups parted by a space are not read here.
///
/// Each part's number counts in the smallest part's unit by the whole steps between the
/// parts (1 ft is 12 in), added largest part first in double arithmetic:
/// B = toBase_smallest(±(n₁ × size₁ + n₂ × size₂ + … + n_last)), the sign a leading minus
/// gives. Any other text is not a quantity (nothing is returned).
struct CompoundReading {
  double base = 0.0;
  /// The quantity in the smallest part's unit, the number its to-base rule was given.
  double inSmallestUnit = 0.0;
  /// Each part's number as read, largest first; nothing for a part left out.
  std::vector<std::optional<double>> parts;
  /// Each part's number as written, within the text read, for a reader that takes it
  /// exactly: the whole number before a fraction ("7" of "7 3/16", else empty) and the number
  /// ("3/16", "7,5" in its style); empty for a part left out.
  struct Written {
    std::string_view whole;
    std::string_view number;
  };
  std::vector<Written> written;
};
std::optional<CompoundReading> readCompoundQuantity(const Category& category,
                                                    const CompoundUnit& unit, std::string_view text,
                                                    const NumberStyle& style = {});

/// A quantity typed under `from` as it is typed under `to`: each number rewritten by
/// restyledNumber, the rest as it stands ("1.250,5 ft 3 in" under a German style is
/// "1250.5 ft 3 in" in the converter's own form); nothing when the text is no quantity of
/// `unit` under `from`.
std::optional<std::string> restyledCompoundText(const Category& category, const CompoundUnit& unit,
                                                std::string_view text, const NumberStyle& from,
                                                const NumberStyle& to);

/// The first word written after a number of `text` that names no part of `unit` ("lbx" of
/// "11 st 4 lbx"), for a refusal that names what it could not read; nothing where every word
/// names a part or the text does not part into numbers and words. The numbers are parted as
/// readCompoundQuantity parts them under `style`.
std::optional<std::string_view> unknownCompoundMark(const Category& category,
                                                    const CompoundUnit& unit, std::string_view text,
                                                    const NumberStyle& style = {});

/// The first number of `text` written without a mark where another has one ("11" of "5 ft
/// 11": either every number names its part or none does), with the whole number in front of
/// its fraction ("7 3/16"); nothing where the numbers all have marks or none has, or the text
/// does not part into numbers and words. Parted as readCompoundQuantity parts them.
std::optional<std::string_view> unmarkedCompoundNumber(std::string_view text,
                                                       const NumberStyle& style = {});

/// The denominators a last part may be rounded to, as rulers and tapes are marked.
bool isCompoundDenominator(int denominator);

/// A base value written in a compound unit.
struct CompoundQuantity {
  /// Each part's number, largest first, with the quantity's sign on every non-zero part.
  std::vector<double> parts;
  /// The quantity in the smallest part's unit, after any rounding to a fraction.
  double inSmallestUnit = 0.0;
  /// "5 ft 7.000002144 in", "-1 h 23 min 20 s", "5 ft 7 3/16 in".
  std::string text;
  /// "rounded down by 0.000002144 in", or empty when nothing was rounded: the exact distance
  /// between the digits shown before rounding and the fraction, with every digit it has.
  std::string roundingNote;
};

/// Writes a finite base value in a compound unit.
///
/// The quantity is first taken to the smallest part's unit by the table's rule, then
/// rounded to the digits a result is shown with (15 significant), and only then split: each
/// larger part takes the whole number of its steps (the whole numbers between neighbouring
/// parts, see CompoundUnit), so 1 Chhatank is 1 Chhatank 0 Tola, never 4 Tola and 0.99999…
/// The shown digits are never read back as text: where they pass the largest double
/// (1.79769313486232E+308) the quantity itself is split, and the parts below those digits
/// are zero as they are for any quantity beyond the digits a double holds (2^53 of the
/// smallest part).
/// With a denominator (2 to 64) the shown digits, taken as the exact decimal they are, are
/// rounded to the nearest such fraction of the smallest part before the split, so a carry
/// reaches the larger parts (never 5 ft 12 in); a quantity shown exactly halfway between two
/// goes to the one farther from zero, and one shown without a fraction (from 10^14) is not
/// rounded. The note gives the exact distance from the shown digits to the fraction, with
/// as many digits as it has (0.003625 s).
/// Larger parts that are zero before the first non-zero part are not written.
/// Each part, and the note, is written with the style's decimal mark and grouping; the
/// digits stay the shown ones whatever precision the style asks of a single result.
CompoundQuantity writeCompoundQuantity(const Category& category, const CompoundUnit& unit,
                                       double base, int denominator = 0,
                                       const NumberStyle& style = {});

/// A finite quantity already in the smallest part's unit (a result by today's definitions),
/// written as writeCompoundQuantity writes the base value it takes there.
CompoundQuantity splitCompoundQuantity(const Category& category, const CompoundUnit& unit,
                                       double inSmallest, int denominator = 0,
                                       const NumberStyle& style = {});
/// The same into `quantity`, whose texts and parts keep their room from one to the next, so
/// that a batch splits a million quantities without allocating.
void splitCompoundQuantity(const Category& category, const CompoundUnit& unit, double inSmallest,
                           int denominator, const NumberStyle& style, CompoundQuantity& quantity);

/// The whole number of the smaller unit in one of the larger, by the table's rules.
double compoundStep(const Category& category, const CompoundPart& larger,
                    const CompoundPart& smaller);

/// How many of the smallest part each part holds, largest first: the product of the steps
/// below it (Feet and Inches: 12, 1).
std::vector<double> compoundSizes(const Category& category, const CompoundUnit& unit);

}  // namespace vardeln
