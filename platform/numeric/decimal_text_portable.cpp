// Vardeln — MIT licence, see LICENSE.
// Text to double and back through the C library, for C++ libraries without the
// floating-point std::from_chars and std::to_chars. The browser's C library reads and writes
// every decimal through long multi-word arithmetic, taking microseconds; the numbers people
// type and the results they read mostly fit exact 64- and 128-bit integer arithmetic, which
// gives the same double and the same text at once. Everything else goes to strtod and
// snprintf.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "decimal_text.h"
#include "whole_power.h"

namespace vardeln {
namespace {

// A decimal of at most 15 significant digits scaled by at most 10^±22: both the digits and
// the power of ten are exact doubles, so one multiplication or division rounds exactly once,
// to the nearest double, as strtod would. Nothing when the text is not of that kind.
std::optional<double> readShortDecimal(std::string_view text) {
  std::uint64_t digits = 0;
  int significant = 0;
  int exponent = 0;
  std::size_t i = 0;
  const std::size_t n = text.size();
  bool any = false;
  bool point = false;
  for (; i < n; ++i) {
    const char c = text[i];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (c < '0' || c > '9') break;
    any = true;
    if (digits == 0 && c == '0') {
      if (point) --exponent;
      continue;
    }
    if (++significant > 15) return std::nullopt;
    digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
    if (point) --exponent;
  }
  if (!any) return std::nullopt;
  if (i < n) {
    if (text[i] != 'e' && text[i] != 'E') return std::nullopt;
    ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t start = i;
    int written = 0;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
      if (i - start >= 4) return std::nullopt;
      written = written * 10 + (text[i] - '0');
    }
    if (i == start || i != n) return std::nullopt;
    exponent += negative ? -written : written;
  }
  if (digits == 0) return 0.0;
  if (exponent < -22 || exponent > 22) return std::nullopt;
  const double scale = kExactPowersOfTen[exponent < 0 ? -exponent : exponent];
  return exponent < 0 ? static_cast<double>(digits) / scale : static_cast<double>(digits) * scale;
}

constexpr std::uint64_t kPow10[] = {1ULL,
                                    10ULL,
                                    100ULL,
                                    1000ULL,
                                    10000ULL,
                                    100000ULL,
                                    1000000ULL,
                                    10000000ULL,
                                    100000000ULL,
                                    1000000000ULL,
                                    10000000000ULL,
                                    100000000000ULL,
                                    1000000000000ULL,
                                    10000000000000ULL,
                                    100000000000000ULL,
                                    1000000000000000ULL,
                                    10000000000000000ULL,
                                    100000000000000000ULL,
                                    1000000000000000000ULL,
                                    10000000000000000000ULL};

// Writes the `count` digits `rounded` (10^(count-1) <= rounded < 10^count) with the decimal
// exponent of their first digit as "%.*g" does: plain below 10^count and from 10^-4 on, else
// with an exponent of at least two digits; trailing zeros dropped, and the point with them.
char* writeDigits(bool negative, std::uint64_t rounded, int count, int leadingExponent, char* out) {
  char digits[17];
  for (int k = count - 1; k >= 0; --k) {
    digits[k] = static_cast<char>('0' + rounded % 10);
    rounded /= 10;
  }
  int last = count - 1;
  while (last > 0 && digits[last] == '0') --last;
  if (negative) *out++ = '-';
  if (leadingExponent < -4 || leadingExponent >= count) {
    *out++ = digits[0];
    if (last > 0) {
      *out++ = '.';
      for (int k = 1; k <= last; ++k) *out++ = digits[k];
    }
    *out++ = 'e';
    *out++ = leadingExponent < 0 ? '-' : '+';
    const int magnitude = leadingExponent < 0 ? -leadingExponent : leadingExponent;
    if (magnitude >= 100) *out++ = static_cast<char>('0' + magnitude / 100);
    *out++ = static_cast<char>('0' + magnitude / 10 % 10);
    *out++ = static_cast<char>('0' + magnitude % 10);
  } else if (leadingExponent < 0) {
    *out++ = '0';
    *out++ = '.';
    for (int k = -1; k > leadingExponent; --k) *out++ = '0';
    for (int k = 0; k <= last; ++k) *out++ = digits[k];
  } else {
    for (int k = 0; k <= leadingExponent; ++k) *out++ = digits[k];
    if (last > leadingExponent) {
      *out++ = '.';
      for (int k = leadingExponent + 1; k <= last; ++k) *out++ = digits[k];
    }
  }
  return out;
}

// "%.*g" for a double from 10^-5 up to 2^64 by exact integer arithmetic: the value is
// m * 2^e; scaled by 10^d it is split exactly into the integer part of `count` digits and the
// remainder, which rounds half to even as printf rounds the exact binary value. Nothing for
// other doubles.
char* writeCommonDouble(double value, int count, char* out) {
  const double magnitude = std::fabs(value);
  if (!(magnitude >= 1e-5 && magnitude < 18446744073709551616.0)) return nullptr;
  int binaryExponent = 0;
  const double fraction = std::frexp(magnitude, &binaryExponent);  // magnitude = f * 2^be
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  const int shift = 53 - binaryExponent;  // magnitude = mantissa / 2^shift
  // The decimal exponent of the leading digit, from the value's logarithm, then corrected.
  int leading = static_cast<int>(std::floor(std::log10(magnitude)));
  __extension__ typedef unsigned __int128 Wide;  // a compiler extension g++ and clang share
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int scale = count - 1 - leading;  // magnitude * 10^scale has `count` integer digits
    Wide whole = 0;
    Wide remainder = 0;  // what lies below the last digit, exactly
    Wide half = 1;       // half a unit of the last digit in the remainder's measure
    if (scale >= 0) {
      if (scale > 19) return nullptr;
      const Wide scaled = static_cast<Wide>(mantissa) * kPow10[scale];
      if (shift <= 0) {
        whole = scaled << -shift;  // an integer: nothing below, never a tie
      } else {
        whole = scaled >> shift;
        remainder = scaled & ((static_cast<Wide>(1) << shift) - 1);
        half = static_cast<Wide>(1) << (shift - 1);
      }
    } else {
      if (-scale > 19 || shift > 0) return nullptr;
      const Wide integer = static_cast<Wide>(mantissa) << -shift;
      const std::uint64_t divisor = kPow10[-scale];
      whole = integer / divisor;
      remainder = integer % divisor;
      half = divisor / 2;  // divisor is even: 10^k with k >= 1
    }
    if (whole < kPow10[count - 1]) {
      --leading;
      continue;
    }
    if (whole >= kPow10[count]) {
      ++leading;
      continue;
    }
    auto rounded = static_cast<std::uint64_t>(whole);
    if (remainder > half || (remainder == half && remainder != 0 && (rounded & 1) != 0)) {
      ++rounded;
    }
    if (rounded == kPow10[count]) {
      rounded = kPow10[count - 1];
      ++leading;
    }
    return writeDigits(value < 0, rounded, count, leading, out);
  }
  return nullptr;
}

}  // namespace

DecimalReading readDecimalPortable(std::string_view text, double& value) {
  if (!hasDecimalCharacters(text)) return DecimalReading::Malformed;
  if (const std::optional<double> quick = readShortDecimal(text)) {
    value = *quick;
    return DecimalReading::Value;
  }
  const std::string terminated(text);  // strtod needs a terminating NUL
  char* end = nullptr;
  errno = 0;
  const double read = std::strtod(terminated.c_str(), &end);
  if (end != terminated.c_str() + terminated.size()) return DecimalReading::Malformed;
  if (std::isinf(read) || (read == 0.0 && errno == ERANGE)) return DecimalReading::OutOfRange;
  value = read;
  return DecimalReading::Value;
}

char* writeDecimalPortable(double value, int significantDigits, char* out) {
  if (char* const end = writeCommonDouble(value, significantDigits, out)) return end;
  char buffer[kMaxDecimalLength + 1];  // and the NUL snprintf adds
  const int length = std::snprintf(buffer, sizeof buffer, "%.*g", significantDigits, value);
  std::memcpy(out, buffer, static_cast<std::size_t>(length));
  return out + length;
}

char* writeDecimalPortable(double value, DecimalForm form, int decimals, char* out) {
  char buffer[kMaxFormDecimalLength + 1];  // and the NUL snprintf adds
  const int length = std::snprintf(buffer, sizeof buffer,
                                   form == DecimalForm::Fixed ? "%.*f" : "%.*e", decimals, value);
  std::memcpy(out, buffer, static_cast<std::size_t>(length));
  return out + length;
}

}  // namespace vardeln
