// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vardeln {

/// Reads a number typed or pasted into the converter.
///
/// A text is a number when, after optional leading and trailing white space (blank, tab,
/// line feed, carriage return, vertical tab, form feed), it is an optional sign, digits with
/// at most one decimal point and at least one digit, and optionally an exponent (e or E, an
/// optional sign, at least one digit). The decimal separator is always the point, whatever
/// the locale. The digits may be the user's script's instead of ASCII's, all of one script
/// (see scriptDigitsAsAscii): a text with a byte beyond ASCII is looked at again for them,
/// and only then. A value beyond the double range is not a number; a value too small for a
/// double is, and reads as the nearest double (a subnormal or zero).
///
/// Returns the double, or nothing when the text is not a number. Takes time linear in the
/// length of the text.
std::optional<double> parseNumber(std::string_view text);

/// An ASCII digit, 0 to 9: the digits every reading of a number works on.
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

/// The white space a number may have around it: blank, tab, line feed, carriage return,
/// vertical tab, form feed.
bool isBlank(char c);

/// The text without the white space before and after it.
std::string_view trimBlanks(std::string_view text);

/// The numeric test: whether parseNumber accepts the text.
bool isNumber(std::string_view text);

/// The significant digits a result is shown with.
inline constexpr int kShownSignificantDigits = 15;

/// Longest text formatDouble can produce ("-1.23456789012345E-308" and the like).
inline constexpr std::size_t kMaxFormattedLength = 32;

/// The text a result shows for a double: rounded to 15 significant digits as C's
/// "%.15G" writes it (trailing zeros dropped, exponent form such as "1E+28" when the decimal
/// exponent is below -4 or at least 15), always with a point; negative zero is "0",
/// infinities are "Infinity" and "-Infinity". A value that rounding to nearest would write
/// past the largest double is rounded toward zero (1.79769313486231E+308, not ...232E+308),
/// so that every text shown reads back as a number.
std::string formatDouble(double value);

/// The magnitude formatDouble shows of a finite double as an exact decimal, digits × 10^place
/// (digits below 10^15, without trailing zeros; both 0 for zero), for arithmetic on what is
/// shown in more digits than a double holds.
struct ShownDigits {
  std::uint64_t digits = 0;
  int place = 0;
};
ShownDigits shownDigits(double value);

/// writeDecimal's exponent form ("%.*e") of a finite double with `decimals` decimals, except
/// that a value that rounding to nearest would write past the largest double is rounded
/// toward zero instead: every text a style writes reads back.
char* writeScientificWithinRange(double value, int decimals, char* out);

/// Drops the trailing zeros of an exponent form's digits: "1.50e+03" becomes "1.5e+03" and
/// "1.00e+03" "1e+03"; returns the new end.
char* dropTrailingZeros(char* begin, char* end);

/// formatDouble into a caller's buffer of at least kMaxFormattedLength characters, for
/// batch work that must not allocate; returns one past the last character written.
char* formatDouble(double value, char* out);

}  // namespace vardeln
