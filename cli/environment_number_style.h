// Vardeln — MIT licence, see LICENSE.
#pragma once

#include "number_style.h"

namespace vardeln::cli {

/// The number style of the environment's LC_NUMERIC (LC_ALL, LC_NUMERIC, LANG), as the
/// window takes its locale's: the decimal mark, and the grouping (thousands or Indian) when
/// its group mark is one the converter reads; results are written ungrouped, as the window
/// shows them. The C locale, or one the system lacks, gives the converter's own form.
NumberStyle environmentNumberStyle();

}  // namespace vardeln::cli
