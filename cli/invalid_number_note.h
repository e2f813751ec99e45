// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>
#include <string_view>

#include "quantity_converter.h"

namespace vardeln::cli {

/// What a refused value could not be read as, for standard error beside "Invalid Number":
/// Invalid Number: "abc" is no number; or, by today's definitions, that it is beyond the
/// numbers exact arithmetic takes. The value was read as the conversion asked reads it.
std::string invalidNumberNote(const ConversionRequest& request, std::string_view value);

}  // namespace vardeln::cli
