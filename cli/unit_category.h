// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "category.h"

namespace vardeln::cli {

/// The category a request's units settle where the request leaves it out, or why they
/// settle none.
struct SettledCategory {
  const Category* category = nullptr;
  std::string problem;  ///< the one-line message, when no category is settled
};

/// The one category in which every typed unit names a unit or several ("ft" and "m": length).
/// Where typed units fit several categories, the message lists them. Where one fits no
/// category, the others' one category is still taken, so the unit that fits none is then
/// reported with the closest names there; otherwise the message names it. Units that each fit
/// a category but share none are named with theirs: `"lb" is mass, "N" is force: no
/// conversion between them`.
SettledCategory settleCategory(std::span<const std::string_view> typedUnits);

/// The categories a typed unit names a unit of, for a refusal in another: `"Acres" is
/// area`, `"ton" is mass or volume`; empty where it names none.
std::string unitCategoriesText(std::string_view typedUnit);

}  // namespace vardeln::cli
