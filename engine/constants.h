// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cmath>

namespace vardeln {

/// One foot in metres: the single double division 1 ÷ 3.28084 (0.3047999902464003). The
/// length and speed tables use it.
inline const double FootInMetres = 1 / 3.28084;

/// One cubic foot in cubic metres: FootInMetres raised to the power 3 with the power
/// operation, which can differ in the last bit from two multiplications. The volume table
/// uses it.
inline const double CubicFootInCubicMetres = std::pow(FootInMetres, 3.0);

/// One pound in kilograms: the single double division 1 ÷ 2.20462 (0.45359290943563974).
/// The mass table uses it.
inline const double PoundInKilograms = 1 / 2.20462;

}  // namespace vardeln
