// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>
#include <string_view>

#include "category.h"
#include "fp_status.h"

namespace vardeln {

/// The text the result box shows for input that is not a number.
inline constexpr std::string_view kInvalidNumber = "Invalid Number";

/// A number taken through the base unit: the target unit's value, no target at all, or the
/// floating-point fault that stopped the run.
struct BaseConversion {
  enum class Kind { Value, NoTarget, Fault };
  Kind kind = Kind::NoTarget;
  double value = 0.0;
  FloatingPointFault fault = FloatingPointFault::None;
};

/// The rule whose label is exactly `label` (whole text, case-sensitive), tried in the
/// category's test order; nullptr when no rule has that label.
const UnitRule* findRule(const Category& category, std::string_view label);

/// Takes x through the base unit: B is the source rule's to-base value of x (0 when there is
/// no source rule), checked as a stored double; the result is the target rule's from-base
/// value of B, checked as a shown value. Without a target rule the run ends after the
/// to-base phase.
BaseConversion convertThroughBase(const UnitRule* source, const UnitRule* target, double x);

/// What one recalculation does to the result box.
struct ConversionOutcome {
  enum class Kind { Write, LeaveUnchanged, Fault };
  Kind kind = Kind::LeaveUnchanged;
  std::string text;                                     ///< the new result text, for Write
  FloatingPointFault fault = FloatingPointFault::None;  ///< what stopped the run, for Fault
};

/// One recalculation of the converter from its four inputs: the checked category (nullptr
/// when none is checked), the input box's text and the texts of the source and target unit
/// lists. Input that is not a number writes "Invalid Number" whatever the category; with no
/// category checked, or a target text that matches no rule, the result box stays as it is.
ConversionOutcome runConversion(const Category* checked, std::string_view inputText,
                                std::string_view sourceUnit, std::string_view targetUnit);

}  // namespace vardeln
