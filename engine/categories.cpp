// Vardeln — MIT licence, see LICENSE.
#include "categories.h"

#include "tables/tables.h"

namespace vardeln {

const std::array<std::reference_wrapper<const Category>, 13>& allCategories() {
  static const std::array<std::reference_wrapper<const Category>, 13> categories{
      areaCategory(),   densityCategory(),  energyCategory(),   forceCategory(),
      lengthCategory(), massCategory(),     powerCategory(),    prefixCategory(),
      pressureCategory(), speedCategory(),  temperatureCategory(), timeCategory(),
      volumeCategory()};
  return categories;
}

const Category* categoryByMenuItem(std::string_view menuItem) {
  for (const Category& category : allCategories()) {
    if (category.names().menuItem == menuItem) return &category;
  }
  return nullptr;
}

const Category* categoryByName(std::string_view name) {
  for (const Category& category : allCategories()) {
    if (category.names().name == name) return &category;
  }
  return nullptr;
}

}  // namespace vardeln
