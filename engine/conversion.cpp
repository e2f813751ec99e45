// Vardeln — MIT licence, see LICENSE.
#include "conversion.h"

#include "number_text.h"

namespace vardeln {

const UnitRule* findRule(const Category& category, std::string_view label) {
  for (const UnitRule* rule : category.rulesInTestOrder()) {
    if (rule->label == label) return rule;
  }
  return nullptr;
}

BaseConversion convertThroughBase(const UnitRule* source, const UnitRule* target, double x) {
  double baseValue = 0.0;
  if (source != nullptr) {
    baseValue = source->toBase(x);
    if (const FloatingPointFault fault = storedValueStatus(baseValue);
        fault != FloatingPointFault::None) {
      return {BaseConversion::Kind::Fault, 0.0, fault};
    }
  }
  if (target == nullptr) return {};

  const double result = target->fromBase(baseValue);
  if (const FloatingPointFault fault = shownValueStatus(result);
      fault != FloatingPointFault::None) {
    return {BaseConversion::Kind::Fault, 0.0, fault};
  }
  return {BaseConversion::Kind::Value, result, FloatingPointFault::None};
}

ConversionOutcome runConversion(const Category* checked, std::string_view inputText,
                                std::string_view sourceUnit, std::string_view targetUnit) {
  const std::optional<double> x = parseNumber(inputText);
  if (!x) return {ConversionOutcome::Kind::Write, std::string(kInvalidNumber)};
  if (checked == nullptr) return {};

  const BaseConversion converted =
      convertThroughBase(findRule(*checked, sourceUnit), findRule(*checked, targetUnit), *x);
  switch (converted.kind) {
    case BaseConversion::Kind::Value:
      return {ConversionOutcome::Kind::Write, formatDouble(converted.value)};
    case BaseConversion::Kind::Fault:
      return {ConversionOutcome::Kind::Fault, {}, converted.fault};
    case BaseConversion::Kind::NoTarget:
      break;
  }
  return {};
}

}  // namespace vardeln
