// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string_view>

#include "category.h"
#include "explanation.h"
#include "number_style.h"
#include "quantity_conversion.h"
#include "rule_text.h"

namespace vardeln::cli {

/// How one value's result by today's definitions was computed: the typed decimal as the
/// fraction it writes, the source unit's definition taking it to the base unit and the
/// target unit's taking it back, both as fractions, the exact result and what rounding it
/// once to a double changed; then each unit's definition today. A compound source's parts
/// are summed in the base unit first; a compound target's result is in its smallest part.
/// The value is read in `style`; the fractions and the rounded result are in the C form.
Explanation explainToday(const Category& category, QuantityUnit from, QuantityUnit to,
                         std::string_view value, Script script, const NumberStyle& style = {});

}  // namespace vardeln::cli
