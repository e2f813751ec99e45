// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QLocale>

#include "number_style.h"

namespace vardeln {

/// The style in which a user of `locale` writes numbers: its decimal mark, and its grouping
/// (thousands or Indian) when its group mark is one the converter reads. Results are written
/// ungrouped, as the window has always shown them; the C locale is the converter's own form.
NumberStyle numberStyleOf(const QLocale& locale);

}  // namespace vardeln
