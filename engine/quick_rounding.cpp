// Vardeln — MIT licence, see LICENSE.
#include "quick_rounding.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

#include "number_text.h"

namespace vardeln {

namespace {

using boost::multiprecision::cpp_int;

constexpr int kMantissaBits = std::numeric_limits<double>::digits;                // 53
constexpr int kLeastNormalOrder = std::numeric_limits<double>::min_exponent - 1;  // -1022
constexpr int kGreatestOrder = std::numeric_limits<double>::max_exponent - 1;     // 1023

int bitLength(Uint128 value) {
  const auto high = static_cast<std::uint64_t>(value >> 64);
  return high != 0 ? 128 - std::countl_zero(high)
                   : 64 - std::countl_zero(static_cast<std::uint64_t>(value));
}

Uint128 toUint128(const cpp_int& value) {
  return (Uint128{(value >> 64).convert_to<std::uint64_t>()} << 64) |
         (value & std::numeric_limits<std::uint64_t>::max()).convert_to<std::uint64_t>();
}

// A positive value as m × 2^exponent with m its 128 leading bits, rounded down.
struct Mantissa {
  Uint128 bits;
  int exponent;
};

Mantissa floorMantissa(const cpp_int& numerator, const cpp_int& denominator) {
  // The value lies in [2^(order-1), 2^(order+1)), so its quotient by 2^exponent in
  // [2^127, 2^129).
  const int order = static_cast<int>(msb(numerator)) - static_cast<int>(msb(denominator));
  int exponent = order - 128;
  cpp_int quotient = exponent <= 0 ? cpp_int((numerator << -exponent) / denominator)
                                   : cpp_int(numerator / (denominator << exponent));
  if (msb(quotient) == 128) {
    quotient >>= 1;
    ++exponent;
  }
  return {toUint128(quotient), exponent};
}

// 10^-350 to 10^350: every power a decimal of at most 19 digits needs to reach a double.
constexpr int kLeastPower = -350;
constexpr int kGreatestPower = 350;

const std::array<Mantissa, kGreatestPower - kLeastPower + 1>& powersOfTen() {
  static const auto powers = [] {
    std::array<Mantissa, kGreatestPower - kLeastPower + 1> all{};
    for (int power = kLeastPower; power <= kGreatestPower; ++power) {
      const cpp_int ten = boost::multiprecision::pow(cpp_int(10), std::abs(power));
      all[power - kLeastPower] = power >= 0 ? floorMantissa(ten, 1) : floorMantissa(1, ten);
    }
    return all;
  }();
  return powers;
}

// The whole powers of ten a 128-bit number holds.
constexpr std::array<Uint128, 39> kWholePowersOfTen = [] {
  std::array<Uint128, 39> powers{};
  powers[0] = 1;
  for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
  return powers;
}();

std::optional<Uint128> product(Uint128 a, Uint128 b) {
  Uint128 result = 0;
  if (__builtin_mul_overflow(a, b, &result)) return std::nullopt;
  return result;
}

// m × 2^exponent as a double, where m has 53 bits and the result is a normal double.
std::optional<double> normalDouble(std::uint64_t m, int exponent, bool negative) {
  const int order = exponent + kMantissaBits - 1;
  if (order < kLeastNormalOrder || order > kGreatestOrder) return std::nullopt;
  const double magnitude = std::ldexp(static_cast<double>(m), exponent);
  return negative ? -magnitude : magnitude;
}

}  // namespace

std::optional<DecimalDigits> decimalDigits(std::string_view number) {
  DecimalDigits decimal;
  std::size_t i = 0;
  decimal.negative = !number.empty() && number[0] == '-';
  if (!number.empty() && (number[0] == '-' || number[0] == '+')) ++i;
  bool point = false;
  bool anyDigit = false;
  for (; i < number.size() && (isDigit(number[i]) || (number[i] == '.' && !point)); ++i) {
    if (number[i] == '.') {
      point = true;
      continue;
    }
    anyDigit = true;
    if (decimal.digits > (std::numeric_limits<std::uint64_t>::max() - 9) / 10) return std::nullopt;
    decimal.digits = decimal.digits * 10 + static_cast<std::uint64_t>(number[i] - '0');
    if (point) --decimal.exponent;
  }
  if (!anyDigit) return std::nullopt;
  if (i < number.size()) {  // an exponent: e or E, an optional sign, digits
    if (number[i] != 'e' && number[i] != 'E') return std::nullopt;
    const bool negative = ++i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
    if (i == number.size()) return std::nullopt;
    int exponent = 0;
    for (; i < number.size(); ++i) {
      if (!isDigit(number[i]) || exponent > 999) return std::nullopt;
      exponent = exponent * 10 + (number[i] - '0');
    }
    decimal.exponent += negative ? -exponent : exponent;
  }
  return decimal;
}

std::optional<QuickScale> QuickScale::of(const Exact& least, const Exact& greatest) {
  if (least <= 0) return std::nullopt;
  const Mantissa scale = floorMantissa(numerator(least), denominator(least));
  // Every scale allowed must lie below (mantissa + 2) × 2^exponent, as times() assumes.
  const Exact top = scale.exponent >= 0 ? Exact(greatest / (cpp_int(1) << scale.exponent))
                                        : Exact(greatest * (cpp_int(1) << -scale.exponent));
  if (top >= Exact(cpp_int(scale.bits) + 2)) return std::nullopt;
  return QuickScale(scale.bits, scale.exponent);
}

std::optional<double> QuickScale::times(const DecimalDigits& x) const {
  if (x.digits == 0) return 0.0;
  if (x.exponent < kLeastPower || x.exponent > kGreatestPower) return std::nullopt;
  const Mantissa ten = powersOfTen()[x.exponent - kLeastPower];
  constexpr Uint128 kLow64 = std::numeric_limits<std::uint64_t>::max();

  // digits × 10^exponent's mantissa, 192 bits, cut to its 128 leading bits.
  const Uint128 low = Uint128{x.digits} * (ten.bits & kLow64);
  const Uint128 middle = Uint128{x.digits} * (ten.bits >> 64);
  const Uint128 below = low + (middle << 64);
  const auto above = static_cast<std::uint64_t>((middle >> 64) + (below < low ? 1 : 0));
  const int cut = above == 0 ? 0 : 64 - std::countl_zero(above);
  const Uint128 typed = cut == 0 ? below : (below >> cut) | (Uint128{above} << (128 - cut));

  // typed × the scale's mantissa, 256 bits, cut to its 128 leading bits.
  const Uint128 a[2] = {typed & kLow64, typed >> 64};
  const Uint128 b[2] = {mantissa_ & kLow64, mantissa_ >> 64};
  const Uint128 lowest = a[0] * b[0];
  const Uint128 cross1 = a[0] * b[1];
  const Uint128 cross2 = a[1] * b[0];
  const Uint128 crossSum = (lowest >> 64) + (cross1 & kLow64) + (cross2 & kLow64);
  const Uint128 high = a[1] * b[1] + (cross1 >> 64) + (cross2 >> 64) + (crossSum >> 64);
  const Uint128 next = crossSum & kLow64;  // bits 64 to 127 of the product
  const int drop = high >> 127 ? 0 : 1;
  const Uint128 approximation = drop == 0 ? high : (high << 1) | (next >> 63);
  const int exponent = ten.exponent + exponent_ + cut + 128 - drop;

  // The true product p lies in [approximation, approximation + 16) units of 2^exponent:
  // each mantissa of 10^k and of the scale is its value rounded down, less than a unit in
  // 2^127 (the scale less than two), and each of the two cuts drops less than a unit of 128
  // leading bits, so that p / approximation < (1 + 2^-127)(1 + 2^-126)(1 + 2^-127)^2 <
  // 1 + 2^-124, and approximation < 2^128. Where no midpoint between two doubles lies in
  // that range, p is on the same side of every midpoint as the approximation.
  constexpr int kBelowDouble = 128 - kMantissaBits;  // 75 bits below a double's last place
  constexpr Uint128 kHalf = Uint128{1} << (kBelowDouble - 1);
  constexpr Uint128 kSlack = 16;
  const Uint128 rest = approximation & ((Uint128{1} << kBelowDouble) - 1);
  if (rest <= kHalf && rest + kSlack > kHalf) return std::nullopt;
  auto m = static_cast<std::uint64_t>(approximation >> kBelowDouble);
  int shift = exponent + kBelowDouble;
  if (rest > kHalf && ++m == std::uint64_t{1} << kMantissaBits) {
    m >>= 1;
    ++shift;
  }
  return normalDouble(m, shift, x.negative);
}

std::optional<QuickAffine> QuickAffine::of(const Exact& scale, const Exact& shift) {
  if (scale <= 0) return std::nullopt;
  const cpp_int common = lcm(denominator(scale), denominator(shift));
  const cpp_int factor = numerator(scale) * (common / denominator(scale));
  const cpp_int offset = abs(numerator(shift)) * (common / denominator(shift));
  const cpp_int limit = cpp_int(1) << 64;
  if (factor >= limit || offset >= limit || common >= limit) return std::nullopt;
  QuickAffine affine;
  affine.factor_ = toUint128(factor);
  affine.offset_ = toUint128(offset);
  affine.offsetNegative_ = shift < 0;
  affine.denominator_ = toUint128(common);
  return affine;
}

std::optional<double> QuickAffine::of(const DecimalDigits& x) const {
  // x × factor ± offset over the denominator, the power of ten on its side.
  const int places = std::abs(x.exponent);
  if (places >= static_cast<int>(kWholePowersOfTen.size())) return std::nullopt;
  const Uint128 ten = kWholePowersOfTen[places];
  const auto whole = x.exponent >= 0 ? product(x.digits, ten) : std::optional<Uint128>(x.digits);
  const auto scaled = whole ? product(*whole, factor_) : std::nullopt;
  const auto offset = x.exponent >= 0 ? std::optional(offset_) : product(offset_, ten);
  const auto divisor = x.exponent >= 0 ? std::optional(denominator_) : product(denominator_, ten);
  if (!scaled || !offset || !divisor) return std::nullopt;
  Uint128 dividend = 0;
  bool negative = x.negative;
  if (x.negative == offsetNegative_) {
    if (__builtin_add_overflow(*scaled, *offset, &dividend)) return std::nullopt;
  } else if (*scaled >= *offset) {
    dividend = *scaled - *offset;
  } else {
    dividend = *offset - *scaled;
    negative = offsetNegative_;
  }
  if (dividend == 0) return 0.0;
  // The dividend shifted to 128 bits over a divisor of at most 72 gives a quotient of at
  // least 56 bits: a double's 53, the bit that halves its last place and more, and the
  // remainder says whether anything lies below them, so the rounding is exact.
  if (bitLength(*divisor) > 72) return std::nullopt;
  const int lead = 128 - bitLength(dividend);
  const Uint128 widened = dividend << lead;
  const Uint128 quotient = widened / *divisor;
  const bool remainder = widened % *divisor != 0;
  const int below = bitLength(quotient) - kMantissaBits;
  auto m = static_cast<std::uint64_t>(quotient >> below);
  const Uint128 rest = quotient & ((Uint128{1} << below) - 1);
  const Uint128 half = Uint128{1} << (below - 1);
  int shift = below - lead;
  if (rest > half || (rest == half && (remainder || (m & 1) != 0))) {
    if (++m == std::uint64_t{1} << kMantissaBits) {
      m >>= 1;
      ++shift;
    }
  }
  return normalDouble(m, shift, negative);
}

}  // namespace vardeln
