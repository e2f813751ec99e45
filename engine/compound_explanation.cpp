// Vardeln — MIT licence, see LICENSE.
#include "compound_explanation.h"

#include "compound_quantity.h"
#include "number_text.h"

namespace vardeln {

const UnitRule& partRule(const Category& category, const CompoundPart& part) {
  return category.rules()[part.unit];
}

std::string compoundReadingText(const Category& category, const CompoundUnit& unit) {
  std::string text = std::string(unit.label) + " counts its parts in ";
  text.append(unit.parts.back().label).append(" (");
  for (std::size_t k = 0; k + 1 < unit.parts.size(); ++k) {
    if (k > 0) text += ", ";
    text.append("1 ").append(unit.parts[k].label).append(" = ");
    text.append(formatDouble(compoundStep(category, unit.parts[k], unit.parts[k + 1])));
    text.append(" ").append(unit.parts[k + 1].label);
  }
  return text + ")";
}

std::string compoundSplitText(const Category& category, const CompoundUnit& unit) {
  std::string text = "split into whole ";
  for (std::size_t k = 0; k + 1 < unit.parts.size(); ++k) {
    if (k > 0) text += ", ";
    text.append(unit.parts[k].label).append(" of ");
    text.append(formatDouble(compoundStep(category, unit.parts[k], unit.parts[k + 1])));
    text.append(" ").append(unit.parts[k + 1].label);
  }
  return text;
}

}  // namespace vardeln
