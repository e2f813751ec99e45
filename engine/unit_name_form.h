// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>
#include <string_view>

namespace vardeln {

/// The one form of a written unit name that matching compares, so that every way of writing
/// the same name reads alike: Unicode's canonical composition (the platform's own library;
/// "Å" as the angstrom sign U+212B is the letter Å), then the forms unit notation has for one
/// sign: the micro sign µ as the Greek μ; º and ˚ and "deg" before a letter as the degree sign,
/// which takes no blank after it ("deg C" is "°C"); "^2", "^3", "^-1" as the superscripts ²,
/// ³, ⁻¹; "per" and a "/" with blanks around it as a "/" alone; a product's "·" as a blank,
/// and a blank before a unit to the power ⁻¹ as a "/" ("m s⁻¹" is "m/s"); blanks, tabs and
/// no-break spaces trimmed and each run of them one blank; a full stop after a word of
/// letters left out ("sq. ft." is "sq ft"). Case is kept: it is part of a symbol.
std::string normalUnitName(std::string_view written);

}  // namespace vardeln
