// Vardeln — MIT licence, see LICENSE.
#pragma once

namespace vardeln {

/// `base` raised to the whole number `exponent`, rounded once to the nearest double: worked
/// in double-double arithmetic (about 100 bits), so the result is the correctly rounded power
/// unless that lies within 2^-100 of halfway between two doubles. This is what the GNU C
/// library's pow gives for every power the tables use; the Windows build's pow is this.
/// Meant for moderate magnitudes: the power and `base` between 2^-900 and 2^900.
double wholePower(double base, int exponent);

}  // namespace vardeln
