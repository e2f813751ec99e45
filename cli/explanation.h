// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>
#include <string_view>

#include "category.h"
#include "exit_status.h"
#include "quantity_conversion.h"
#include "rule_text.h"
#include "value_converter.h"

namespace vardeln::cli {

/// How one value's result was computed, as arithmetic a person reads: the two units and the
/// base unit, the source unit's to-base rule and the target unit's from-base rule, each with
/// the value in place of its variable and what it gave, then every shared constant they name
/// down to plain numbers, and today's definition of each unit with the rule's deviation from
/// it. A value that is no number, or a fault, is said in plain words, and
/// the rules still stand. Written in `script`: ASCII where the reader's character set is no
/// more. The value is read in `style`; the arithmetic is written in the C form.
struct Explanation {
  std::string text;
  ExitStatus status;
};

Explanation explain(const Category& category, std::size_t from, std::size_t to,
                    std::string_view value, ResultForm form, Script script,
                    const NumberStyle& style = {});

/// How a quantity with a compound unit on either side was computed: each part of a compound
/// source taken to the base unit and the parts added, largest first; a compound target's
/// smallest part computed from the base value and split into the parts by their steps.
Explanation explainQuantity(const Category& category, QuantityUnit from, QuantityUnit to,
                            std::string_view value, int denominator, Script script,
                            const NumberStyle& style = {});

/// How one value's result of the conversion asked was computed: by today's definitions as
/// explainToday says it, else between single units as explain says it, else as
/// explainQuantity does.
Explanation explainConversion(const ConversionRequest& request, std::string_view value,
                              ResultForm form, Script script);

}  // namespace vardeln::cli
