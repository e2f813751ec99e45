// Vardeln — MIT licence, see LICENSE.
#include "exact_number.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "number_text.h"

namespace vardeln {

namespace {

using boost::multiprecision::cpp_int;

constexpr long long kSmallestOrder = -kLargestExactOrder;
constexpr long long kLargestOrder = kLargestExactOrder;
constexpr long long kSaturation = 1'000'000'000'000LL;

// Boost reads and writes a whole number's text through the C++ library's locales, which would
// weigh more in the page than all the rest of the exact arithmetic: the digits go in and out
// eighteen at a time, as whole numbers a 64-bit word holds.
constexpr std::size_t kChunkDigits = 18;
constexpr std::uint64_t kChunk = 1'000'000'000'000'000'000ULL;

cpp_int wholeNumber(std::string_view digits) {
  cpp_int value = 0;
  for (std::size_t at = 0; at < digits.size(); at += kChunkDigits) {
    std::uint64_t part = 0;
    std::uint64_t scale = 1;
    for (const char digit : digits.substr(at, kChunkDigits)) {
      part = part * 10 + static_cast<std::uint64_t>(digit - '0');
      scale *= 10;
    }
    value = value * scale + part;
  }
  return value;
}

// The decimal digits of a whole number, with its sign.
std::string wholeNumberText(cpp_int value) {
  const bool negative = value < 0;
  if (negative) value = -value;
  std::string reversed;
  do {
    cpp_int quotient;
    cpp_int remainder;
    divide_qr(value, cpp_int(kChunk), quotient, remainder);
    auto chunk = remainder.convert_to<std::uint64_t>();
    value = std::move(quotient);
    for (std::size_t i = 0; i < kChunkDigits && (chunk != 0 || value != 0); ++i, chunk /= 10) {
      reversed.push_back(static_cast<char>('0' + chunk % 10));
    }
  } while (value != 0);
  if (reversed.empty()) reversed.push_back('0');
  if (negative) reversed.push_back('-');
  return {reversed.rbegin(), reversed.rend()};
}

Exact powerOfTen(long long exponent) {
  const cpp_int power =
      boost::multiprecision::pow(cpp_int(10), static_cast<unsigned>(std::llabs(exponent)));
  return exponent < 0 ? Exact(cpp_int(1), power) : Exact(power);
}

}  // namespace

namespace {

// A decimal's significant digits (leading zeros left out) and the power of ten of its last
// digit, as exactDecimal reads the text; nothing for any other text.
struct DecimalParts {
  bool negative = false;
  std::string digits;
  long long scale = 0;
};

std::optional<DecimalParts> decimalParts(std::string_view text) {
  DecimalParts parts;
  std::size_t i = 0;
  parts.negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
  long long fractionDigits = 0;
  std::size_t digitCount = 0;
  bool seenPoint = false;
  for (; i < text.size() && (isDigit(text[i]) || (text[i] == '.' && !seenPoint)); ++i) {
    if (text[i] == '.') {
      seenPoint = true;
      continue;
    }
    ++digitCount;
    if (seenPoint) ++fractionDigits;
    if (!parts.digits.empty() || text[i] != '0') parts.digits += text[i];
  }
  if (digitCount == 0) return std::nullopt;
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    bool negativeExponent = false;
    if (++i < text.size() && (text[i] == '+' || text[i] == '-'))
      negativeExponent = text[i++] == '-';
    const std::size_t exponentStart = i;
    for (; i < text.size() && isDigit(text[i]); ++i) {
      exponent = std::min(kSaturation, exponent * 10 + (text[i] - '0'));
    }
    if (i == exponentStart) return std::nullopt;
    if (negativeExponent) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;
  parts.scale = exponent - fractionDigits;
  return parts;
}

}  // namespace

bool isDecimal(std::string_view text) { return decimalParts(text).has_value(); }

std::optional<Exact> exactDecimal(std::string_view text) {
  const std::optional<DecimalParts> parts = decimalParts(text);
  if (!parts) return std::nullopt;
  if (parts->digits.empty()) return Exact(0);
  const long long order = static_cast<long long>(parts->digits.size()) + parts->scale;
  if (order > kLargestOrder || order < kSmallestOrder) return std::nullopt;
  const Exact value = Exact(wholeNumber(parts->digits)) * powerOfTen(parts->scale);
  return parts->negative ? Exact(-value) : value;
}

std::optional<Exact> decimalLastPlace(std::string_view text) {
  const std::optional<DecimalParts> parts = decimalParts(text);
  if (!parts || parts->scale > kLargestOrder || parts->scale < kSmallestOrder) return std::nullopt;
  return powerOfTen(parts->scale);
}

std::optional<Exact> exactTableValue(std::string_view text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) return exactDecimal(text);
  const std::optional<Exact> numerator = exactDecimal(text.substr(0, slash));
  const std::optional<Exact> denominator = exactDecimal(text.substr(slash + 1));
  if (!numerator || !denominator || *denominator == 0) return std::nullopt;
  return *numerator / *denominator;
}

// The quotient is taken to 53 significant bits (fewer where the result is subnormal, whose
// last bit is 2^-1074), and the remainder decides the one rounding.
double nearestDouble(const Exact& value) {
  cpp_int numerator = abs(boost::multiprecision::numerator(value));
  cpp_int denominator = boost::multiprecision::denominator(value);
  if (numerator == 0) return 0.0;
  // The value lies in [2^order, 2^(order+1)).
  long long order =
      static_cast<long long>(msb(numerator)) - static_cast<long long>(msb(denominator));
  if ((order >= 0 ? numerator : numerator << static_cast<unsigned>(-order)) <
      (order >= 0 ? denominator << static_cast<unsigned>(order) : denominator)) {
    --order;
  }
  constexpr int kDigits = std::numeric_limits<double>::digits;  // 53
  const long long shift = std::min<long long>(kDigits - 1 - order, 1074);
  if (shift >= 0) {
    numerator <<= static_cast<unsigned>(shift);
  } else {
    denominator <<= static_cast<unsigned>(-shift);
  }
  cpp_int quotient;
  cpp_int remainder;
  divide_qr(numerator, denominator, quotient, remainder);
  remainder <<= 1;
  if (remainder > denominator || (remainder == denominator && bit_test(quotient, 0))) ++quotient;
  const double magnitude = std::ldexp(static_cast<double>(quotient.convert_to<std::uint64_t>()),
                                      static_cast<int>(-shift));
  return value < 0 ? -magnitude : magnitude;
}

std::string fractionText(const Exact& value) {
  const cpp_int denominator = boost::multiprecision::denominator(value);
  std::string text = wholeNumberText(boost::multiprecision::numerator(value));
  return denominator == 1 ? text : text + "/" + wholeNumberText(denominator);
}

}  // namespace vardeln
