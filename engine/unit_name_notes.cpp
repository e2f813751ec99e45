// Vardeln — MIT licence, see LICENSE.
#include "unit_name_notes.h"

#include <algorithm>

#include "case_folding.h"

namespace vardeln {

std::string_view unitSizeNote(const Category& category, std::string_view label) {
  const std::vector<UnitSizeNote>& sizes = unitNameNotes().sizes;
  const auto row = std::ranges::find_if(sizes, [&](const UnitSizeNote& size) {
    return size.categoryId == category.id() && size.label == label;
  });
  return row == sizes.end() ? std::string_view{} : row->note;
}

std::string unitSizeSentence(std::string_view name, std::string_view note) {
  return std::string(name) + " here is " + std::string(note);
}

const RefusedName* refusedName(const Category& category, std::string_view written,
                               bool ignoringCase) {
  const std::string folded = ignoringCase ? foldCase(written) : std::string(written);
  for (const RefusedName& refused : unitNameNotes().refused) {
    if (refused.categoryId != category.id()) continue;
    if (ignoringCase ? foldCase(refused.name) == folded : refused.name == written) return &refused;
  }
  return nullptr;
}

}  // namespace vardeln
