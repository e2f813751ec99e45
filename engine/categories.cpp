// Vardeln — MIT licence, see LICENSE.
#include "categories.h"

#include "tables/tables.h"

namespace vardeln {

const std::array<std::reference_wrapper<const Category>, kCategoryCount>& allCategories() {
  static const std::array<std::reference_wrapper<const Category>, kCategoryCount> categories{
      areaCategory(),     densityCategory(), energyCategory(),      forceCategory(),
      lengthCategory(),   massCategory(),    powerCategory(),       prefixCategory(),
      pressureCategory(), speedCategory(),   temperatureCategory(), timeCategory(),
      volumeCategory()};
  return categories;
}

std::span<const std::string_view> categoryIds() {
  static const std::array<std::string_view, kCategoryCount> ids = [] {
    std::array<std::string_view, kCategoryCount> collected;
    for (std::size_t i = 0; i < kCategoryCount; ++i) collected[i] = allCategories()[i].get().id();
    return collected;
  }();
  return ids;
}

std::optional<std::size_t> categoryIndex(std::string_view id) {
  for (std::size_t i = 0; i < allCategories().size(); ++i) {
    if (allCategories()[i].get().id() == id) return i;
  }
  return std::nullopt;
}

const Category* categoryById(std::string_view id) {
  const std::optional<std::size_t> index = categoryIndex(id);
  return index ? &allCategories()[*index].get() : nullptr;
}

}  // namespace vardeln
