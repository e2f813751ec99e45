// Vardeln — MIT licence, see LICENSE.
#include "today_arithmetic_text.h"

#include <cmath>

#include "decimal_text.h"

namespace vardeln {
namespace {

std::string shortestText(double value) {
  char text[kMaxDecimalLength];
  return std::string(text, writeShortest(value, text));
}

// " (648000/pi au, rounded to 50 digits)" of a rounded definition, else nothing.
std::string roundedNote(const ExactDefinitionText& definition) {
  return definition.rounded.empty() ? "" : " (" + definition.rounded + ")";
}

// " + 160/9" or " − 160/9", the offset's sign as given, or nothing for no offset.
std::string offsetText(const std::string& offset, bool added) {
  if (offset == "0") return "";
  const bool plus = added != offset.starts_with('-');
  return (plus ? " + " : " − ") + (offset.starts_with('-') ? offset.substr(1) : offset);
}

}  // namespace

std::string todayToBaseText(const TodayArithmetic& arithmetic) {
  return "B = x × " + arithmetic.from.factor + offsetText(arithmetic.from.offset, true) +
         roundedNote(arithmetic.from);
}

std::string todayFromBaseText(const TodayArithmetic& arithmetic) {
  const ExactDefinitionText& to = arithmetic.to;
  const std::string shifted = "B" + offsetText(to.offset, false);
  const bool fraction = to.factor.find('/') != std::string::npos;
  return "result = " + (to.offset == "0" ? shifted : "(" + shifted + ")") + " ÷ " +
         (fraction ? "(" + to.factor + ")" : to.factor) + roundedNote(to);
}

std::string todayResultText(const TodayArithmetic& arithmetic) {
  if (arithmetic.bound == 0.0) return arithmetic.exact;
  return arithmetic.exact + " ± " + shortestText(arithmetic.bound);
}

std::string todayRoundingText(const TodayArithmetic& arithmetic) {
  const std::optional<double>& error = arithmetic.roundingError;
  if (error && std::isinf(*error)) return "past the largest double";
  if (arithmetic.exactItself) return "the exact result itself";
  if (!arithmetic.correctlyRounded) {
    return "the double nearest the rounded definitions' result: the true result lies within "
           "the bounds of a midpoint between two doubles, so it may be the nearest's neighbour";
  }
  std::string text = "the nearest double";
  if (!error) return text + ", for every value within the bounds";
  if (*error == 0.0) return text + " (double − exact is below half the smallest double)";
  return text + " (double − exact = " + shortestText(*error) + ")";
}

}  // namespace vardeln
