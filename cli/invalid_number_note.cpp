// Vardeln — MIT licence, see LICENSE.
#include "invalid_number_note.h"

#include "compound_quantity.h"
#include "quoted_name.h"
#include "zero_group_note.h"

namespace vardeln::cli {

std::string invalidNumberNote(const ConversionRequest& request, std::string_view value) {
  const std::string refused = "Invalid Number: ";
  if (QuantityConverter(request).convert(value).kind == ConversionOutcome::Kind::OutOfRange) {
    return refused + quotedName(value) + " is beyond the numbers today's arithmetic takes (" +
           std::string(kExactRange) + ")";
  }
  const Category& category = *request.category;
  const QuantityUnit from = request.from;
  const NumberStyle& style = request.style;
  if (const std::optional<std::string> zeroGroup = zeroGroupNote(value, style)) {
    return refused + *zeroGroup;
  }
  if (!from.compound) return refused + quotedName(value) + " is no number";
  const CompoundUnit& unit = category.compoundUnits()[from.index];
  const std::string label(unit.label);
  // A word that names no part is what was not read; otherwise the quantity as a whole.
  if (const std::optional<std::string_view> word =
          unknownCompoundMark(category, unit, value, style)) {
    return refused + quotedName(*word) + " is no part of " + label;
  }
  if (const std::optional<std::string_view> number = unmarkedCompoundNumber(value, style)) {
    return refused + quotedName(*number) + " lacks its unit, where another number of " +
           quotedName(value) + " has one";
  }
  return refused + quotedName(value) + " is no quantity in " + label;
}

}  // namespace vardeln::cli
