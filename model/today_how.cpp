// Vardeln — MIT licence, see LICENSE.
#include "today_how.h"

#include "today_arithmetic_text.h"

namespace vardeln {

std::string todayHowToBase(const Category& category, const TodayArithmetic& arithmetic) {
  return "x = " + arithmetic.typed + " exactly as typed; to " + std::string(category.baseLabel()) +
         " by today's definition: " + todayToBaseText(arithmetic);
}

std::string todayHowFromBase(const Category& category, const TodayArithmetic& arithmetic) {
  return "from " + std::string(category.baseLabel()) +
         " by today's definition: " + todayFromBaseText(arithmetic) + " = " +
         todayResultText(arithmetic) + (arithmetic.bound == 0.0 ? " exactly; " : "; ") +
         todayRoundingText(arithmetic);
}

}  // namespace vardeln
