// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <array>
#include <functional>

#include "category.h"

namespace vardeln {

/// The thirteen categories in dispatch order: the order in which a conversion looks for the
/// checked one, which is also the order of the category menu.
const std::array<std::reference_wrapper<const Category>, 13>& allCategories();

/// The category of a menu item name such as "lengthMenu", or nullptr.
const Category* categoryByMenuItem(std::string_view menuItem);

/// The category of a command-line name such as "length", or nullptr. Exact match.
const Category* categoryByName(std::string_view name);

}  // namespace vardeln
