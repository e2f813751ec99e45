// Vardeln — MIT licence, see LICENSE.
// Double-double arithmetic: a value held as the unevaluated sum of two doubles, the second
// below half a unit in the last place of the first, so that each step errs by about 2^-104.
// Plain double operations only (no fused multiply-add), so every platform computes the same.
#include "whole_power.h"

namespace vardeln {
namespace {

struct DoubleDouble {
  double high;
  double low;
};

// a + b exactly, given |a| >= |b|.
DoubleDouble quickTwoSum(double a, double b) {
  const double sum = a + b;
  return {sum, b - (sum - a)};
}

// a split into two halves of 26 bits each, whose products are exact.
DoubleDouble split(double a) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  const double scaled = kSplitter * a;
  const double high = scaled - (scaled - a);
  return {high, a - high};
}

// a × b exactly.
DoubleDouble twoProduct(double a, double b) {
  const double product = a * b;
  const DoubleDouble x = split(a);
  const DoubleDouble y = split(b);
  const double error =
      ((x.high * y.high - product) + x.high * y.low + x.low * y.high) + x.low * y.low;
  return {product, error};
}

DoubleDouble times(DoubleDouble a, DoubleDouble b) {
  DoubleDouble product = twoProduct(a.high, b.high);
  product.low += a.high * b.low + a.low * b.high;
  return quickTwoSum(product.high, product.low);
}

// 1 ÷ a: the double quotient, then the remainder's share of it.
DoubleDouble reciprocal(DoubleDouble a) {
  const double first = 1.0 / a.high;
  const DoubleDouble back = times(a, {first, 0.0});
  const double remainder = ((1.0 - back.high) - back.low);
  return quickTwoSum(first, remainder / a.high);
}

}  // namespace

double wholePower(double base, int exponent) {
  // By repeated squaring: base^n is the product of the squarings that n's bits select.
  unsigned int bits =
      exponent < 0 ? 0U - static_cast<unsigned int>(exponent) : static_cast<unsigned int>(exponent);
  DoubleDouble power{1.0, 0.0};
  DoubleDouble square{base, 0.0};
  while (bits != 0) {
    if ((bits & 1U) != 0) power = times(power, square);
    bits >>= 1;
    if (bits != 0) square = times(square, square);
  }
  if (exponent < 0) power = reciprocal(power);
  return power.high + power.low;
}

}  // namespace vardeln
