// Vardeln — MIT licence, see LICENSE.
// Numbers kept exact: decimals as written, read as the rationals they name, and rounded once
// to the nearest double. Boost.Multiprecision's rationals, on whole numbers of any size.
#pragma once

#include <boost/multiprecision/cpp_int.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace vardeln {

using Exact = boost::multiprecision::cpp_rational;

/// The rational a decimal writes: an optional sign, digits with at most one point, and
/// optionally an exponent (e or E, an optional sign, digits), as parseNumber reads them but
/// without blanks; nothing for any other text. A value below 1e-800 in magnitude reads as
/// ±1e-800: no factor of today's tables brings it back near the smallest double, so every
/// conversion rounds it as it would the value written, and the work stays bounded.
std::optional<Exact> exactDecimal(std::string_view text);

/// A value as today's table writes it: a decimal, or a quotient of two ("0.0254/3").
std::optional<Exact> exactTableValue(std::string_view text);

/// The double nearest to the value, ties to the even last bit; ±infinity past the largest.
double nearestDouble(const Exact& value);

/// "-155/9", or "1" for a whole number.
std::string fractionText(const Exact& value);

}  // namespace vardeln
