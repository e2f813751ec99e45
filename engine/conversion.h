// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "category.h"
#include "fp_status.h"
#include "number_style.h"

namespace vardeln {

/// The text a conversion gives for input that is not a number.
inline constexpr std::string_view kInvalidNumber = "Invalid Number";

/// What converting a number gave: the result, "not a number", or the floating-point fault
/// that stopped it. `base` is the base value B the result was computed from.
struct Conversion {
  enum class Outcome { Result, InvalidNumber, Fault };
  Outcome outcome = Outcome::InvalidNumber;
  double base = 0.0;
  double result = 0.0;
  FloatingPointFault fault = FloatingPointFault::None;
};

/// Takes x through the base unit: B is the source rule's to-base value of x, checked as a
/// stored double (a value beyond the double range is an overflow); the result is the target
/// rule's from-base value of B, checked as a shown value (an infinity is shown, not a fault).
/// There is no shortcut when both units are the same.
Conversion convertThroughBase(const UnitRule& source, const UnitRule& target, double x);

/// Converts a number text, read in `style`, from the unit at index `from` to the unit at
/// index `to` of the category (indices in list order, both below the number of units).
Conversion convert(const Category& category, std::size_t from, std::size_t to,
                   std::string_view numberText, const NumberStyle& style = {});

/// Whether the conversion gave a result beyond the double range: it is shown as a result
/// ("Infinity", "-Infinity"), but it is no number to compute with. Inline, as a batch asks
/// it of every line.
inline bool isInfiniteResult(const Conversion& conversion) {
  return conversion.outcome == Conversion::Outcome::Result && std::isinf(conversion.result);
}

/// The name a person reads for a fault: "Overflow", "Division by zero", "Invalid operation".
std::string_view faultName(FloatingPointFault fault);

/// The text a conversion shows: the result as formatDouble writes it, "Invalid Number", or
/// the fault's name ("Overflow"); a result is written in `style`.
std::string resultText(const Conversion& conversion, const NumberStyle& style = {});

/// resultText without allocating, for batch work: a result is written into `buffer` (at least
/// kMaxFormattedLength characters), any other text is a constant. The returned text stays
/// valid as long as the buffer does.
std::string_view writeResultText(const Conversion& conversion, char* buffer);

}  // namespace vardeln
