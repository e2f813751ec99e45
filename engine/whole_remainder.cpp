// Vardeln — MIT licence, see LICENSE.
#include "whole_remainder.h"

#include <cmath>
#include <cstdint>

#include "quick_rounding.h"

namespace vardeln {

double wholeRemainder(double x, double size) {
  constexpr double kWhole = 0x1p53;  // from here on every double is a whole number
  if (!(std::fabs(x) >= kWhole) || std::isinf(x) || !(size >= 1 && size < kWhole) ||
      size != std::floor(size)) {
    return std::fmod(x, size);
  }
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(x), &exponent);
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
