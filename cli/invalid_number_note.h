// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>
#include <string_view>

#include "category.h"
#include "number_style.h"
#include "quantity_conversion.h"

namespace vardeln::cli {

/// What a refused value could not be read as, for standard error beside "Invalid Number":
/// Invalid Number: "abc" is no number. The value was read under `style`.
std::string invalidNumberNote(const Category& category, QuantityUnit from, std::string_view value,
                              const NumberStyle& style);

}  // namespace vardeln::cli
