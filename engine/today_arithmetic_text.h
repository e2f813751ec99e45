// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>

#include "today_conversion.h"

namespace vardeln {

/// The words of a conversion's arithmetic by today's definitions, written once for every
/// front end that shows it (the command line's --explain --today, the converter's How).

/// The source's definition taking the typed reading x to the base unit: "B = x × 381/1250",
/// "B = x × 5/9 − 160/9"; a rounded factor says so: "B = x × …/… (648000/pi au, rounded to
/// 50 digits)".
std::string todayToBaseText(const TodayArithmetic& arithmetic);

/// The target's definition taking the base value back, a fraction divisor in brackets so
/// that it reads in the usual order: "result = B ÷ (381/1250)", "result = (B + 160/9) ÷
/// (5/9)", "result = B ÷ 1".
std::string todayFromBaseText(const TodayArithmetic& arithmetic);

/// The result as a fraction, "381/12500"; with a rounded definition the fraction of the
/// rounded definitions and how far the true result may lie from it: "… ± 4.0000000000000005e-34".
std::string todayResultText(const TodayArithmetic& arithmetic);

/// What rounding the result to a double did: "the exact result itself", "the nearest double
/// (double − exact = 1.4876988529977098e-19)", or with a rounded definition that the double
/// is the nearest for every value the bounds allow, or that the bounds leave it undecided.
std::string todayRoundingText(const TodayArithmetic& arithmetic);

}  // namespace vardeln
