// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vardeln {

/// How the integer digits of a number are grouped: not at all, by thousands (150,000), or
/// as in India and Pakistan, thousands and then by hundreds (1,50,000 and 1,00,00,000).
enum class Grouping { None, Thousands, Indian };

/// The mark between groups of digits. The two spaces are the typographic ones; reading under
/// either also takes a blank or a no-break space, which is what a keyboard gives.
enum class GroupMark { Comma, Point, Apostrophe, ThinSpace, NarrowNoBreakSpace };

/// How many digits a result keeps: significant digits (1 to 17) or decimals (0 to 17).
enum class Precision { SignificantDigits, Decimals };

/// How a result is laid out: as C's "%G" does (exponent form only for very large and very
/// small values), always with an exponent (1.5E+03), or with an exponent that is a multiple
/// of three (15E+03).
enum class Notation { General, Scientific, Engineering };

/// How numbers are written and read: the decimal mark, the grouping of the integer digits,
/// and the form of a written result. The default is the converter's own form: a point, no
/// grouping, 15 significant digits as results have always been written.
///
/// A style whose group mark is its decimal mark is not a style: the comma grouping goes with
/// the decimal point and the point grouping with the decimal comma.
struct NumberStyle {
  char decimalMark = '.';
  Grouping grouping = Grouping::None;
  GroupMark groupMark = GroupMark::Comma;
  /// Whether written results are grouped too; a style may read groups without adding any.
  bool groupsResults = true;
  Precision precision = Precision::SignificantDigits;
  int digits = 15;
  Notation notation = Notation::General;

  friend bool operator==(const NumberStyle&, const NumberStyle&) = default;
};

/// Whether a style can be written and read back: a grouping's mark is not the decimal mark.
bool isStyle(const NumberStyle& style);

/// Whether a group mark can stand beside a decimal mark: it is another character.
bool groupMarkFits(GroupMark mark, char decimalMark);

/// The group mark a grouping takes beside a decimal mark where the user named none: the one
/// asked where it fits, else the other of the comma and the point, as 1.234.567 goes with a
/// decimal comma, and 12.34.567 too.
GroupMark groupMarkBeside(char decimalMark, GroupMark mark);

/// The group mark as it is written (UTF-8).
std::string_view groupMarkText(GroupMark mark);

/// Reads a number written under a style; the numeric test and the conversion to a double in
/// one. Under the default style it is parseNumber(text) exactly. Otherwise the style's
/// decimal mark stands for the point, and the integer digits may be grouped, but only in
/// well-placed groups: 150,000 and 1,50,000 under their groupings, never 1,5,0, nor a first
/// group of zeros (0.500 under a decimal comma, 0,01,234), which no grouping writes: that is
/// the slip of a user of the other decimal mark, and is no number. The digits may be those
/// of the user's script (see scriptDigitsAsAscii), all of one script. Under the
/// Indian grouping a number may be followed by the word lakh (10^5) or crore (10^7), singular
/// or plural, in any case: the scale is applied to the decimal digits as written, so
/// "2.5 lakh" reads as the double nearest to 250000, exactly as "250000" reads, with one
/// rounding. A number with an exponent takes no such word.
std::optional<double> parseNumber(std::string_view text, const NumberStyle& style);
bool isNumber(std::string_view text, const NumberStyle& style);

/// Whether a text is no number under a style only because its first group is all zeros
/// ("0.500" and "0,001" under a decimal comma with thousands, "0,01,234" under the Indian
/// grouping), as a user of the other decimal mark types a fraction: said beside the refusal.
bool startsWithZeroGroup(std::string_view text, const NumberStyle& style);

/// A number written under a style, as the converter's own form writes it: a point, no
/// groups, a lakh or crore as an exponent ("1,50,000" gives "150000", "2,5" "2.5", "2.5 lakh"
/// "2.5e5", the user's script's digits as ASCII's), so that it reads as the same decimal; nothing
/// when parseNumber(text, style) reads no number.
std::optional<std::string> ownFormText(std::string_view text, const NumberStyle& style);

/// A number typed under `from` as it is typed under `to`: its own form with `to`'s decimal
/// mark ("1.500,25" under a German style is "1500.25" in the converter's own form and
/// "1500,25" under a decimal comma). No groups are added, since a typed number reads under
/// every grouping without them; nothing when the text reads no number under `from`.
std::optional<std::string> restyledNumber(std::string_view text, const NumberStyle& from,
                                          const NumberStyle& to);

/// Room for the longest text formatDouble writes under any style: the largest double in full
/// with 17 decimals, grouped as in India (a mark before every second of its 309 digits) with
/// a three-byte mark.
inline constexpr std::size_t kMaxStyledLength = 800;

/// The text of a double under a style, rounded once from the double to the digits asked.
/// Under the default style it is formatDouble(value) exactly. Exponents are spelt as there
/// ("1.5E-10"); negative zero is "0"; infinities are "Infinity" and "-Infinity". A value
/// that is not zero never shows as zero: where its decimals would all be zeros, it is written
/// with an exponent and as many decimals instead. The text reads back under the same style
/// as the value it shows; so a value that the digits asked would round past the largest
/// double is rounded toward zero instead (1.79769313486231E+308 at 15 digits).
std::string formatDouble(double value, const NumberStyle& style);

/// formatDouble into a caller's buffer of at least kMaxStyledLength characters, without
/// allocating; returns one past the last character written.
char* formatDouble(double value, const NumberStyle& style, char* out);

}  // namespace vardeln
