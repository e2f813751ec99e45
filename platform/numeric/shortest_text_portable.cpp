// Vardeln — MIT licence, see LICENSE.
// The shortest text that reads back, through the C library, for C++ libraries without the
// floating-point std::to_chars: "%.*e" rounds the double once to the digits asked, so the
// fewest digits that read back are the shortest text's; they are then laid out as to_chars
// lays them out, in full where that is no longer.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "decimal_text.h"

namespace vardeln {
namespace {

// The length, sign aside, of `count` significant digits whose first stands at the decimal
// exponent `exponent`, written in full: 1500, 1.5, 0.0015.
int fullLength(int count, int exponent) {
  if (exponent >= count - 1) return exponent + 1;
  if (exponent >= 0) return count + 1;
  return count + 1 - exponent;
}

// The same with an exponent of at least two digits: 1.5e+03.
int exponentLength(int count, int exponent) {
  return count + (count > 1 ? 1 : 0) + 2 + (std::abs(exponent) >= 100 ? 3 : 2);
}

// Read back as the platform reads numbers: a C library's strtod is not correctly rounded
// everywhere (Windows' misreads a few 16-digit texts), and the text must be the one that reads.
bool readsBack(const char* text, double value) {
  const bool negative = *text == '-';
  double read = 0;
  if (readDecimal(text + (negative ? 1 : 0), read) != DecimalReading::Value) return false;
  return (negative ? -read : read) == value;
}

// The exponent form's digits one unit of their last place further from zero: "1.299e+05"
// becomes "1.300e+05"; false, and the text spoilt, where they are all nines.
bool stepAwayFromZero(char* text) {
  for (char* digit = std::strchr(text, 'e') - 1; digit >= text && *digit != '-'; --digit) {
    if (*digit == '.') continue;
    if (*digit != '9') {
      ++*digit;
      return true;
    }
    *digit = '0';
  }
  return false;
}

}  // namespace

char* writeShortestPortable(double value, char* out) {
  if (!std::isfinite(value)) {
    if (std::signbit(value)) *out++ = '-';
    std::memcpy(out, std::isinf(value) ? "inf" : "nan", 3);
    return out + 3;
  }
  char scientific[kMaxDecimalLength];
  int length = 0;
  int count = 1;
  for (;; ++count) {
    length = std::snprintf(scientific, sizeof scientific, "%.*e", count - 1, value);
    if (count == 17 || readsBack(scientific, value)) break;
    // Above a power of two the doubles lie twice as far apart as below it, so the next
    // decimal away from zero may read back where the nearest does not.
    if (stepAwayFromZero(scientific) && readsBack(scientific, value)) break;
  }
  const char* const exponentMark = std::strchr(scientific, 'e');
  const int exponent = std::atoi(exponentMark + 1);
  if (exponentLength(count, exponent) < fullLength(count, exponent)) {
    std::memcpy(out, scientific, static_cast<std::size_t>(length));
    return out + length;
  }
  // In full, the digits fall at the point or before it; a whole number beyond them is written
  // to its last digit, as the double holds it (123456789012345683968, not ...680000).
  const int decimals = exponent < count - 1 ? count - 1 - exponent : 0;
  char full[kMaxDecimalLength];
  length = std::snprintf(full, sizeof full, "%.*f", decimals, value);
  std::memcpy(out, full, static_cast<std::size_t>(length));
  return out + length;
}

}  // namespace vardeln
