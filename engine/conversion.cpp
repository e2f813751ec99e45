// Vardeln — MIT licence, see LICENSE.
#include "conversion.h"

#include "number_text.h"

namespace vardeln {

Conversion convertThroughBase(const UnitRule& source, const UnitRule& target, double x) {
  Conversion conversion;
  conversion.base = source.toBase(x);
  conversion.fault = storedValueStatus(conversion.base);
  if (conversion.fault == FloatingPointFault::None) {
    conversion.result = target.fromBase(conversion.base);
    conversion.fault = shownValueStatus(conversion.result);
  }
  conversion.outcome = conversion.fault == FloatingPointFault::None ? Conversion::Outcome::Result
                                                                    : Conversion::Outcome::Fault;
  return conversion;
}

Conversion convert(const Category& category, std::size_t from, std::size_t to,
                   std::string_view numberText, const NumberStyle& style) {
  const std::optional<double> x = parseNumber(numberText, style);
  if (!x) return {};
  return convertThroughBase(category.rules()[from], category.rules()[to], *x);
}

std::string_view faultName(FloatingPointFault fault) {
  switch (fault) {
    case FloatingPointFault::None:
      return "";
    case FloatingPointFault::InvalidOperation:
      return "Invalid operation";
    case FloatingPointFault::DivisionByZero:
      return "Division by zero";
    case FloatingPointFault::Overflow:
      return "Overflow";
  }
  return "";
}

std::string_view writeResultText(const Conversion& conversion, char* buffer) {
  switch (conversion.outcome) {
    case Conversion::Outcome::Result:
      return {buffer, static_cast<std::size_t>(formatDouble(conversion.result, buffer) - buffer)};
    case Conversion::Outcome::Fault:
      return faultName(conversion.fault);
    case Conversion::Outcome::InvalidNumber:
      break;
  }
  return kInvalidNumber;
}

std::string resultText(const Conversion& conversion, const NumberStyle& style) {
  if (conversion.outcome == Conversion::Outcome::Result) {
    return formatDouble(conversion.result, style);
  }
  char buffer[kMaxFormattedLength];
  return std::string(writeResultText(conversion, buffer));
}

}  // namespace vardeln
