// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>

#include "category.h"
#include "today_conversion.h"

namespace vardeln {

/// How a conversion by today's definitions is computed, as the converter's How lines say it,
/// in the words of today_arithmetic_text.h: the typed decimal and the source's definition
/// ("x = 1/10 exactly as typed; to Meters by today's definition: B = x × 381/1250"), then
/// the target's, the exact result and its one rounding ("from Meters by today's definition:
/// result = B ÷ 1 = 381/12500 exactly; the nearest double (double − exact =
/// 1.4876988529977098e-19)").
std::string todayHowToBase(const Category& category, const TodayArithmetic& arithmetic);
std::string todayHowFromBase(const Category& category, const TodayArithmetic& arithmetic);

}  // namespace vardeln
