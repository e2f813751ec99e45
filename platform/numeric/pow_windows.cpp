// Vardeln — MIT licence, see LICENSE.
// The C library's pow for the Windows build. mingw-w64's own pow differs from the GNU C
// library's in the last bits for many of the powers the tables use (10^-2 to 10^-24,
// 1.0000015^-10, FootInMetres^3), so every rule would round differently on Windows. Linked
// statically, this definition takes the place of the run-time's: whole exponents are
// rounded once from double-double arithmetic, as glibc's correctly rounded results are;
// anything else is worked in the x87's 64-bit precision and rounded once.
#include <cmath>

#include "whole_power.h"

extern "C" double pow(double base, double exponent) {
  const double magnitude = std::fabs(base);
  const bool moderate = magnitude > 0x1p-900 && magnitude < 0x1p900 && std::fabs(exponent) <= 64 &&
                        std::trunc(exponent) == exponent;
  if (moderate) {
    const double power = vardeln::wholePower(base, static_cast<int>(exponent));
    const double size = std::fabs(power);
    if (size > 0x1p-900 && size < 0x1p900) return power;
  }
  return static_cast<double>(
      std::pow(static_cast<long double>(base), static_cast<long double>(exponent)));
}
