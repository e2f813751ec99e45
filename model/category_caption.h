// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <string>

namespace vardeln {

/// What every front end shows for the category at `index` (below kCategoryCount) in its list
/// of categories: its id with a capital first letter, "Area", "Power". A view may add an
/// access key of its own.
std::string categoryCaption(std::size_t index);

}  // namespace vardeln
