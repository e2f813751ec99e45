// Vardeln — MIT licence, see LICENSE.
#include "whole_remainder.h"

#include <cmath>
#include <cstdint>

#include "quick_rounding.h"

namespace vardeln {

double wholeRemainder(double x, double size) {
  constexpr double kWhole = 0x1p53;  // from here on every double is a whole number
  const double magnitude = std::fabs(x);
  if (std::isnan(x) || std::isinf(x) || !(size >= 1 && size < kWhole) || size != std::floor(size) ||
      (magnitude >= 0x1p52 && magnitude < kWhole)) {
    return std::fmod(x, size);
  }
  if (magnitude < 0x1p52) {
    // Below 2^52 the quotient's floor is at most one off, q × size is a whole double, and
    // the difference, smaller than the magnitude or the size, is exact: one step sets it right.
    const double quotient = std::floor(magnitude / size);
    double remainder = magnitude - quotient * size;
    if (remainder < 0) {
      remainder += size;
    } else if (remainder >= size) {
      remainder -= size;
    }
    return std::copysign(remainder, x);
  }
  int exponent = 0;
  const double fraction = std::frexp(magnitude, &exponent);
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  const auto modulus = static_cast<std::uint64_t>(size);
  Uint128 power = 1;  // 2^(exponent - 53) mod size, by squaring
  Uint128 square = 2 % modulus;
  for (int e = exponent - 53; e > 0; e >>= 1) {
    if ((e & 1) != 0) power = power * square % modulus;
    square = square * square % modulus;
  }
  const auto remainder = static_cast<double>(
      static_cast<std::uint64_t>(static_cast<Uint128>(mantissa % modulus) * power % modulus));
  return std::copysign(remainder, x);
}

}  // namespace vardeln
