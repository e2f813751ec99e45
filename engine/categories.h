// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "category.h"

namespace vardeln {

inline constexpr std::size_t kCategoryCount = 13;

/// The thirteen categories in their fixed order, area first and volume last.
const std::array<std::reference_wrapper<const Category>, kCategoryCount>& allCategories();

/// The thirteen ids in the same order ("area" first), for matching a typed name among them.
std::span<const std::string_view> categoryIds();

/// The index of the category whose id is exactly `id` ("length").
std::optional<std::size_t> categoryIndex(std::string_view id);

/// The category whose id is exactly `id`, or nullptr.
const Category* categoryById(std::string_view id);

}  // namespace vardeln
