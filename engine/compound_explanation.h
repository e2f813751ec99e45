// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>

#include "category.h"

namespace vardeln {

/// The table's rule of a compound unit's part.
const UnitRule& partRule(const Category& category, const CompoundPart& part);

/// How a quantity in a compound unit is read: "Feet and Inches adds its parts, largest
/// first".
std::string compoundReadingText(const CompoundUnit& unit);

/// How a quantity in a compound unit is written once it is in the smallest part's unit:
/// "split into whole Feet of 12 Inches", the larger parts each taking the whole number of its
/// steps.
std::string compoundSplitText(const Category& category, const CompoundUnit& unit);

}  // namespace vardeln
