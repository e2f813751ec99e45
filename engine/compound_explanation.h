// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>

#include "category.h"

namespace vardeln {

/// The table's rule of a compound unit's part.
const UnitRule& partRule(const Category& category, const CompoundPart& part);

/// How a quantity in a compound unit is read: "Feet and Inches counts its parts in Inches
/// (1 Feet = 12 Inches)", the smallest part's rule then taking the count to the base unit.
std::string compoundReadingText(const Category& category, const CompoundUnit& unit);

/// How a quantity in a compound unit is written once it is in the smallest part's unit:
/// "split into whole Feet of 12 Inches", the larger parts each taking the whole number of its
/// steps.
std::string compoundSplitText(const Category& category, const CompoundUnit& unit);

}  // namespace vardeln
