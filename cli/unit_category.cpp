// Vardeln — MIT licence, see LICENSE.
#include "unit_category.h"

#include <algorithm>
#include <vector>

#include "quoted_name.h"
#include "unit_name_match.h"

namespace vardeln::cli {
namespace {

using Categories = std::vector<const Category*>;

Categories categoriesOf(std::string_view typedUnit) {
  Categories categories;
  for (const CategoryUnitMatch& match : categoriesNamingUnit(typedUnit)) {
    categories.push_back(match.category);
  }
  return categories;
}

// The categories every list holds, in the categories' order.
Categories shared(const std::vector<Categories>& lists) {
  Categories common;
  for (const Category* category : lists.front()) {
    if (std::ranges::all_of(lists, [category](const Categories& list) {
          return std::ranges::find(list, category) != list.end();
        })) {
      common.push_back(category);
    }
  }
  return common;
}

std::string categoryIds(const Categories& categories) {
  std::string ids;
  for (const Category* category : categories) {
    ids.append(ids.empty() ? "" : " or ").append(category->id());
  }
  return ids;
}

std::string quotedUnits(std::span<const std::string_view> typedUnits) {
  std::string text;
  for (const std::string_view unit : typedUnits) {
    if (!text.empty()) text += " and ";
    text += quotedName(unit);
  }
  return text;
}

}  // namespace

SettledCategory settleCategory(std::span<const std::string_view> typedUnits) {
  std::vector<Categories> known;
  std::string_view fitsNone;
  for (const std::string_view unit : typedUnits) {
    Categories categories = categoriesOf(unit);
    if (categories.empty()) {
      if (fitsNone.empty()) fitsNone = unit;
    } else {
      known.push_back(std::move(categories));
    }
  }
  const Categories common = known.empty() ? Categories{} : shared(known);
  if (common.size() == 1) return {common.front(), {}};
  if (common.size() > 1 && fitsNone.empty()) {
    std::string ids;
    for (const Category* category : common) {
      ids += ids.empty() ? "" : ", ";
      ids += quotedName(category->id());
    }
    const char* fit = typedUnits.size() == 1 ? " fits" : " fit";
    return {nullptr, quotedUnits(typedUnits) + fit + " several categories: " + ids +
                         "; give CATEGORY before VALUE"};
  }
  if (!fitsNone.empty()) {
    return {nullptr, "unknown unit " + quotedName(fitsNone) + " in every category; see --list"};
  }
  // Each unit fits a category, but not the same one: each is named with its own.
  std::string kinds;
  for (std::size_t i = 0; i < typedUnits.size(); ++i) {
    kinds.append(kinds.empty() ? "" : ", ").append(quotedName(typedUnits[i]));
    kinds.append(" is ").append(categoryIds(known[i]));
  }
  return {nullptr, kinds + ": no conversion between them"};
}

std::string unitCategoriesText(std::string_view typedUnit) {
  const Categories categories = categoriesOf(typedUnit);
  if (categories.empty()) return {};
  return quotedName(typedUnit) + " is " + categoryIds(categories);
}

}  // namespace vardeln::cli
