// Vardeln — MIT licence, see LICENSE.
// The double nearest to a typed decimal times a fraction, plus a fraction, found with 128-bit
// integers wherever they decide it, so that exact_number's big integers are needed only for
// the rare rest: results within a hair of a midpoint between two doubles, subnormal or
// beyond the doubles, or operands too long for 128 bits.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "exact_number.h"

namespace vardeln {

__extension__ using Uint128 = unsigned __int128;

/// A decimal as ±digits × 10^exponent.
struct DecimalDigits {
  bool negative = false;
  std::uint64_t digits = 0;
  int exponent = 0;
};

/// The decimal a text writes as isDecimal reads it (an optional sign, digits with at most
/// one point, an optional exponent), where its digits fit in 64 bits and its exponent in
/// four; nothing for any other text.
std::optional<DecimalDigits> decimalDigits(std::string_view number);

/// Multiplies by a positive scale known to lie in [least, greatest] (least == greatest for a
/// fraction): the double nearest to every product the scale allows, or nothing where the
/// 128-bit product cannot tell which that is.
class QuickScale {
 public:
  static std::optional<QuickScale> of(const Exact& least, const Exact& greatest);
  std::optional<double> times(const DecimalDigits& x) const;

 private:
  QuickScale(Uint128 mantissa, int exponent) : mantissa_(mantissa), exponent_(exponent) {}
  Uint128 mantissa_;  // the least scale's 128 leading bits, rounded down, × 2^exponent_
  int exponent_;
};

/// x × scale + shift with every operand a 128-bit whole number, so exactly: the nearest
/// double, or nothing where the operands or the result do not fit.
class QuickAffine {
 public:
  static std::optional<QuickAffine> of(const Exact& scale, const Exact& shift);
  std::optional<double> of(const DecimalDigits& x) const;

 private:
  QuickAffine() = default;
  // scale = factor_ / denominator_, shift = ±offset_ / denominator_.
  Uint128 factor_ = 0;
  Uint128 offset_ = 0;
  bool offsetNegative_ = false;
  Uint128 denominator_ = 1;
};

}  // namespace vardeln
