// Vardeln — MIT licence, see LICENSE.
#include "today_how.h"

#include <cmath>

#include "number_text.h"

namespace vardeln {
namespace {

// "× 381/1250", "× 5/9 − 160/9": a definition's arithmetic after the reading it applies to.
std::string toBaseArithmetic(const ExactDefinitionText& definition) {
  std::string text = "× " + definition.factor;
  if (definition.offset == "0") return text;
  if (definition.offset.starts_with('-')) return text + " − " + definition.offset.substr(1);
  return text + " + " + definition.offset;
}

// "B ÷ (381/1250)", "(B + 160/9) ÷ (5/9)": the base value back to the target's reading.
std::string fromBaseArithmetic(const ExactDefinitionText& definition) {
  const std::string divisor = definition.factor.find('/') == std::string::npos
                                  ? definition.factor
                                  : "(" + definition.factor + ")";
  if (definition.offset == "0") return "B ÷ " + divisor;
  const std::string offset = definition.offset.starts_with('-')
                                 ? " + " + definition.offset.substr(1)
                                 : " − " + definition.offset;
  return "(B" + offset + ") ÷ " + divisor;
}

}  // namespace

std::string todayHowToBase(const Category& category, const TodayArithmetic& arithmetic) {
  return "x = " + arithmetic.typed + " exactly as typed; to " + std::string(category.baseLabel()) +
         " by today's definition: B = x " + toBaseArithmetic(arithmetic.from);
}

std::string todayHowFromBase(const Category& category, const TodayArithmetic& arithmetic) {
  const double error = arithmetic.roundingError;
  const std::string rounding = error == 0.0        ? "a double holds it exactly"
                               : std::isinf(error) ? "past the largest double"
                                                   : "rounded once, off by " + formatDouble(error);
  return "from " + std::string(category.baseLabel()) +
         " by today's definition: result = " + fromBaseArithmetic(arithmetic.to) + " = " +
         arithmetic.exact + " exactly; " + rounding;
}

}  // namespace vardeln
