// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>

#include "number_style.h"

namespace vardeln::cli {

/// The number style of the environment's LC_NUMERIC, and the name of that locale where the
/// system lacks it.
struct EnvironmentNumberStyle {
  NumberStyle style;
  std::string missingLocale;
};

/// The number style of the environment's LC_NUMERIC (LC_ALL, LC_NUMERIC, LANG), as the
/// window takes its locale's: the decimal mark, and the grouping (thousands or Indian) when
/// its group mark is one the converter reads; results are written ungrouped, as the window
/// shows them. The C locale, or one the system lacks, gives the converter's own form; a
/// locale the system lacks is named, so that the user learns why.
EnvironmentNumberStyle environmentNumberStyle();

}  // namespace vardeln::cli
