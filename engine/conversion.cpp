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
                   std::string_view numberText) {
  const std::optional<double> x = parseNumber(numberText);
  if (!x) return {};
  return convertThroughBase(category.rules()[from], category.rules()[to], *x);
}

std::string resultText(const Conversion& conversion) {
  switch (conversion.outcome) {
    case Conversion::Outcome::Result:
      return formatDouble(conversion.result);
    case Conversion::Outcome::Fault:
      return std::string(faultName(conversion.fault));
    case Conversion::Outcome::InvalidNumber:
      break;
  }
  return std::string(kInvalidNumber);
}

}  // namespace vardeln
