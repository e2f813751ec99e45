// Vardeln — MIT licence, see LICENSE.
#include "invalid_number_note.h"

#include "quoted_name.h"

namespace vardeln::cli {

std::string invalidNumberNote(const Category& category, QuantityUnit from,
                              std::string_view value) {
  std::string note = "Invalid Number: " + quotedName(value);
  if (!from.compound) return note + " is no number";
  return note + " is no quantity in " + std::string(quantityUnitLabel(category, from));
}

}  // namespace vardeln::cli
