// Vardeln — MIT licence, see LICENSE.
#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "decimal_text.h"
#include "script_digits.h"

namespace vardeln {

static_assert(kMaxFormattedLength >= kMaxDecimalLength);

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

namespace {

// Where a number's digits and exponent lie, found in one pass over the text.
struct NumberShape {
  bool valid = false;
  // Decimal position of the first significant digit relative to the point: 1 for "5",
  // 0 for ".5", -2 for ".005"; meaningless when every digit is zero.
  long long leadingDigitOrder = 0;
  bool allZero = true;
  long long exponent = 0;  // saturated far beyond any double's range
};

NumberShape scan(std::string_view body) {
  constexpr long long kSaturation = 1'000'000'000'000LL;
  NumberShape shape;
  std::size_t i = 0;
  const std::size_t n = body.size();
  if (i < n && (body[i] == '+' || body[i] == '-')) ++i;

  std::size_t digits = 0;
  long long integerDigits = 0;  // significant digits before the point
  long long fractionZeros = 0;  // zeros after the point before the first significant digit
  bool seenPoint = false;
  for (; i < n; ++i) {
    const char c = body[i];
    if (c == '.') {
      if (seenPoint) return shape;
      seenPoint = true;
    } else if (isDigit(c)) {
      ++digits;
      if (c != '0') {
        if (shape.allZero && seenPoint) shape.leadingDigitOrder = -fractionZeros;
        shape.allZero = false;
      }
      if (!seenPoint && !shape.allZero && integerDigits < kSaturation) ++integerDigits;
      if (seenPoint && shape.allZero && fractionZeros < kSaturation) ++fractionZeros;
    } else {
      break;
    }
  }
  if (digits == 0) return shape;
  if (!shape.allZero && integerDigits > 0) shape.leadingDigitOrder = integerDigits;

  if (i < n && (body[i] == 'e' || body[i] == 'E')) {
    ++i;
    bool negative = false;
    if (i < n && (body[i] == '+' || body[i] == '-')) negative = body[i++] == '-';
    const std::size_t exponentStart = i;
    for (; i < n && isDigit(body[i]); ++i) {
      if (shape.exponent < kSaturation) shape.exponent = shape.exponent * 10 + (body[i] - '0');
    }
    if (i == exponentStart) return shape;
    if (negative) shape.exponent = -shape.exponent;
  }
  shape.valid = i == n;
  return shape;
}

// parseNumber on a text of ASCII digits.
std::optional<double> parseAsciiNumber(std::string_view text) {
  const std::string_view body = trimBlanks(text);
  const NumberShape shape = scan(body);
  if (!shape.valid) return std::nullopt;

  const bool negative = body.front() == '-';
  std::string_view unsignedBody = body;
  if (body.front() == '+' || body.front() == '-') unsignedBody.remove_prefix(1);

  double magnitude = 0.0;
  const DecimalReading reading = readDecimal(unsignedBody, magnitude);
  if (reading == DecimalReading::OutOfRange) {
    // Out of range either way: below the smallest subnormal reads as zero, above the
    // largest double is not a number. The digits' order of magnitude tells which.
    if (shape.allZero || shape.leadingDigitOrder + shape.exponent <= 0) {
      magnitude = 0.0;
    } else {
      return std::nullopt;
    }
  } else if (reading == DecimalReading::Malformed) {
    return std::nullopt;
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
  if (const std::optional<double> value = parseAsciiNumber(text)) return value;
  if (!hasNonAscii(text)) return std::nullopt;
  const std::optional<std::string> ascii = scriptDigitsAsAscii(text);
  return ascii ? parseAsciiNumber(*ascii) : std::nullopt;
}

bool isNumber(std::string_view text) { return parseNumber(text).has_value(); }

char* dropTrailingZeros(char* begin, char* end) {
  char* const e = std::find(begin, end, 'e');
  if (std::find(begin, e, '.') == e) return end;
  char* last = e;
  while (last[-1] == '0') --last;
  if (last[-1] == '.') --last;
  std::memmove(last, e, static_cast<std::size_t>(end - e));
  return last + (end - e);
}

char* writeScientificWithinRange(double value, int decimals, char* out) {
  char* const end = writeDecimal(value, DecimalForm::Scientific, decimals, out);
  // Only a value next to the largest double can round past it. Its text then steps down one
  // unit of its last digit, which is its digits cut short: rounded toward zero.
  if (std::fabs(value) < 1e308 || parseNumber(std::string_view(out, end - out))) return end;
  char* digit = std::find(out, end, 'e');
  for (--digit; *digit == '0' || *digit == '.'; --digit) {
    if (*digit == '0') *digit = '9';
  }
  --*digit;
  return end;
}

namespace {

// The text a result shows, with a lower-case exponent: 15 significant digits as "%.15g"
// writes them, and at the top of the range rounded toward zero, so that it reads back.
char* writeShown(double value, char* out) {
  if (std::fabs(value) < 1e308) return writeDecimal(value, kShownSignificantDigits, out);
  return dropTrailingZeros(out,
                           writeScientificWithinRange(value, kShownSignificantDigits - 1, out));
}

}  // namespace

char* formatDouble(double value, char* out) {
  if (std::isinf(value)) {
    const char* word = value > 0 ? "Infinity" : "-Infinity";
    const std::size_t length = std::strlen(word);
    std::memcpy(out, word, length);
    return out + length;
  }
  if (value == 0.0) value = 0.0;  // negative zero shows as "0"
  // A whole number of at most 15 digits shows as its digits, as "%.15g" writes it: a compound
  // quantity's larger parts are all such, and written without the C library's cost.
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
    return std::to_chars(out, out + kMaxFormattedLength, static_cast<long long>(value)).ptr;
  }
  char* const end = writeShown(value, out);
  for (char* c = out; c != end; ++c) {
    if (*c == 'e') *c = 'E';
  }
  return end;
}

ShownDigits shownDigits(double value) {
  char text[kMaxFormattedLength];
  const char* const end = writeShown(std::fabs(value), text);
  ShownDigits shown;
  const char* c = text;
  for (bool point = false; c != end && *c != 'e'; ++c) {
    if (*c == '.') {
      point = true;
    } else {
      shown.digits = shown.digits * 10 + static_cast<std::uint64_t>(*c - '0');
      if (point) --shown.place;
    }
  }
  if (c != end) {  // "e+301", "e-05": the exponent, within what was written
    const bool negative = *++c == '-';
    int exponent = 0;
    while (++c != end) exponent = exponent * 10 + (*c - '0');
    shown.place += negative ? -exponent : exponent;
  }
  if (shown.digits == 0) return {};
  for (; shown.digits % 10 == 0; shown.digits /= 10) ++shown.place;
  return shown;
}

std::string formatDouble(double value) {
  char buffer[kMaxFormattedLength];
  return std::string(buffer, formatDouble(value, buffer));
}

}  // namespace vardeln
