// Vardeln — MIT licence, see LICENSE.
#pragma once

namespace vardeln {

/// The powers of ten a double holds exactly, 10^0 to 10^22: what pow gives for them, without
/// its cost.
inline constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

/// `base` raised to the whole number `exponent`, rounded once to the nearest double: worked
/// in double-double arithmetic (about 100 bits), so the result is the correctly rounded power
/// unless that lies within 2^-100 of halfway between two doubles. This is what the GNU C
/// library's pow gives for every power the tables use; the Windows build's pow is this.
/// Meant for moderate magnitudes: the power and `base` between 2^-900 and 2^900.
double wholePower(double base, int exponent);

}  // namespace vardeln
