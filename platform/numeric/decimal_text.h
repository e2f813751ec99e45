// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <string_view>

namespace vardeln {

/// What reading an unsigned decimal gave.
enum class DecimalReading {
  Value,       ///< the nearest double, a subnormal included
  OutOfRange,  ///< beyond the double range, or so small that it rounds to zero
  Malformed,   ///< not wholly a decimal
};

/// Whether a text can be an unsigned decimal at all: it starts with a digit or a point and
/// holds nothing but digits, points, exponent letters and signs. Both paths check this first,
/// because each library also reads forms of its own ("inf", "nan", "0x10", a leading minus).
inline bool hasDecimalCharacters(std::string_view text) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (text.empty() || !(digit(text.front()) || text.front() == '.')) return false;
  for (const char c : text) {
    if (!(digit(c) || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-')) return false;
  }
  return true;
}

/// Reads an unsigned decimal: digits with at most one point, optionally an exponent. Where
/// the C++ library reads doubles itself (std::from_chars) that is the way; the browser's C++
/// library does not, and reads with the portable path below. CMake chooses.
DecimalReading readDecimal(std::string_view text, double& value);

/// The longest text writeDecimal writes ("-1.2345678901234567e-308" and the like, with room).
inline constexpr std::size_t kMaxDecimalLength = 32;

/// Writes a finite double rounded to `significantDigits` (1 to 17) significant digits as C's
/// "%.*g" does, into a buffer of at least kMaxDecimalLength characters; returns one past the
/// last character. Uses std::to_chars where the C++ library has it for doubles, else the
/// portable path.
char* writeDecimal(double value, int significantDigits, char* out);

/// Writes a double as the shortest text that reads back to the same double, as
/// std::to_chars(first, last, value) does: the fewest significant digits, written in full
/// ("0.001", "1500") or with an exponent ("1e-07", "1.5e+20"), whichever is shorter, in full
/// on a tie; "inf", "-inf" and "nan" for the others. Into a buffer of at least
/// kMaxDecimalLength characters; returns one past the last character. Uses std::to_chars where
/// the C++ library has it for doubles, else the portable path.
char* writeShortest(double value, char* out);

/// Where writeDecimal(value, form, decimals, out) counts its decimals: after the point of the
/// whole number ("1234.50", C's "%.*f"), or after the first significant digit of the
/// exponent form ("1.2345e+03", C's "%.*e").
enum class DecimalForm { Fixed, Scientific };

/// The longest text writeDecimal writes in a DecimalForm: the largest double written out in
/// full with 19 decimals, and its sign.
inline constexpr std::size_t kMaxFormDecimalLength = 336;

/// Writes a finite double rounded once to `decimals` (0 to 19) decimals in the given form,
/// into a buffer of at least kMaxFormDecimalLength characters; returns one past the last
/// character.
char* writeDecimal(double value, DecimalForm form, int decimals, char* out);

/// The same reading through the C library's strtod, which rounds correctly in both the GNU
/// and the browser's C library. Reads the point as the decimal separator only while the
/// numeric locale is "C", as it always is in the browser; the desktop build uses
/// std::from_chars and never depends on the locale.
DecimalReading readDecimalPortable(std::string_view text, double& value);

/// The same writing through the C library's snprintf, with the same proviso on the locale.
char* writeDecimalPortable(double value, int significantDigits, char* out);
char* writeDecimalPortable(double value, DecimalForm form, int decimals, char* out);
char* writeShortestPortable(double value, char* out);

}  // namespace vardeln
