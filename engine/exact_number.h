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

/// Whether the text is a decimal: an optional sign, digits with at most one point, and
/// optionally an exponent (e or E, an optional sign, digits), as parseNumber reads them but
/// without blanks, whatever its magnitude.
bool isDecimal(std::string_view text);

/// The orders of magnitude exactDecimal reads, 10^-800 to 10^800: the work stays bounded,
/// and they reach far past any double that today's widest ratio brings a number to.
inline constexpr int kLargestExactOrder = 800;
inline constexpr std::string_view kExactRange = "10^-800 to 10^800 in magnitude";

/// The rational a decimal writes; nothing for any other text, and for a decimal of 10^800
/// or more, or below 10^-800, in magnitude (but 0).
std::optional<Exact> exactDecimal(std::string_view text);

/// The value of one unit in the last place a decimal writes (1/1000 of "2.125").
std::optional<Exact> decimalLastPlace(std::string_view text);

/// A value as today's table writes it: a decimal, or a quotient of two ("0.0254/3").
std::optional<Exact> exactTableValue(std::string_view text);

/// The double nearest to the value, ties to the even last bit; ±infinity past the largest.
double nearestDouble(const Exact& value);

/// "-155/9", or "1" for a whole number.
std::string fractionText(const Exact& value);

}  // namespace vardeln
