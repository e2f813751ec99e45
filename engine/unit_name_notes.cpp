// Vardeln — MIT licence, see LICENSE.
#include "unit_name_notes.h"

#include <algorithm>

#include "case_folding.h"
#include "unit_name_form.h"

namespace vardeln {

std::string_view unitSizeNote(const Category& category, std::string_view label) {
  const std::vector<UnitSizeNote>& sizes = unitNameNotes().sizes;
  // The page's C++ library has no std::ranges algorithms.
  const auto row = std::find_if(sizes.begin(), sizes.end(), [&](const UnitSizeNote& size) {
    return size.categoryId == category.id() && size.label == label;
  });
  return row == sizes.end() ? std::string_view{} : row->note;
}

std::string unitSizeSentence(std::string_view name, std::string_view note) {
  return std::string(name) + " here is " + std::string(note);
}

const RefusedName* refusedName(const Category& category, std::string_view written,
                               bool ignoringCase) {
  // Compared in the normal form, as every other name is: "food  calories" is "food calories".
  const std::string form = normalUnitName(written);
  const std::string typed = ignoringCase ? foldCase(form) : form;
  for (const RefusedName& refused : unitNameNotes().refused) {
    if (refused.categoryId != category.id()) continue;
    if ((ignoringCase ? foldCase(refused.name) : std::string(refused.name)) == typed) {
      return &refused;
    }
  }
  return nullptr;
}

}  // namespace vardeln
