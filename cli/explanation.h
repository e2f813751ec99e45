// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>
#include <string_view>

#include "category.h"
#include "exit_status.h"
#include "value_converter.h"

namespace vardeln::cli {

/// How one value's result was computed, as lines for a person: the two units and the base
/// unit, the source unit's to-base rule and the target unit's from-base rule as their tables
/// write them, each shared constant with its definition, and the value each rule gave. A
/// value that is no number, or a fault, is said plainly, and the rules still stand.
struct Explanation {
  std::string text;
  ExitStatus status;
};

Explanation explain(const Category& category, std::size_t from, std::size_t to,
                    std::string_view value, ResultForm form);

}  // namespace vardeln::cli
