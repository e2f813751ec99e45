// Vardeln — MIT licence, see LICENSE.
#include "today_explanation.h"

#include <cmath>

#include "ascii_text.h"
#include "conversion.h"
#include "quoted_name.h"
#include "today.h"
#include "today_arithmetic_text.h"
#include "today_conversion.h"
#include "value_converter.h"

namespace vardeln::cli {
namespace {

std::string exactText(double value) {
  char text[kMaxFormattedLength];
  return std::string(writeExact(value, text));
}

}  // namespace

Explanation explainToday(const Category& category, QuantityUnit from, QuantityUnit to,
                         std::string_view value, Script script, const NumberStyle& style) {
  const TodayConversion conversion =
      convertByToday(category, value, from, to, TodayDetail::WithArithmetic, style);
  std::string text(quantityUnitLabel(category, from));
  text.append(" \u2192 ").append(quantityUnitLabel(category, to)).append(" (");
  text.append(category.id()).append(", base unit ").append(category.baseLabel());
  text.append("), by today's definitions\n");
  ExitStatus status = ExitStatus::Success;
  if (const auto& arithmetic = conversion.arithmetic) {
    text.append("  typed:     x = ").append(arithmetic->typed);
    text.append(from.compound ? " (the parts by today's definitions, in the base unit)\n"
                              : " (the decimal as written)\n");
    text.append("  to base:   ").append(todayToBaseText(*arithmetic)).push_back('\n');
    text.append("  from base: ").append(todayFromBaseText(*arithmetic)).push_back('\n');
    // A rounded definition bounds the result: it is written as what it is known to be.
    text.append(arithmetic->bound == 0.0 ? "  exact:     result = " : "  bounds:    result = ");
    text.append(todayResultText(*arithmetic)).push_back('\n');
    text.append("  rounded:   result = ").append(exactText(conversion.result));
    if (to.compound) {
      const CompoundUnit& unit = category.compoundUnits()[to.index];
      text.append(" ").append(category.rules()[unit.parts.back().unit].label);
    }
    text.append(", ").append(todayRoundingText(*arithmetic)).push_back('\n');
    if (std::isinf(conversion.result)) status = ExitStatus::Fault;
    if (!conversion.measured.empty())
      text.append("  note: ").append(conversion.measured).push_back('\n');
  } else {
    text.append(quotedName(value));
    if (conversion.outcome == TodayConversion::Outcome::OutOfRange) {
      text.append(" is beyond the numbers today's arithmetic takes (").append(kExactRange);
      text.append(", ").append(kInvalidNumber);
    } else {
      text.append(" is not a number (").append(kInvalidNumber);
    }
    text.append("), so nothing stands in place of x.\n");
    status = ExitStatus::InvalidNumber;
  }
  text.append("  today: ").append(todayText(category, from)).push_back('\n');
  if (from.index != to.index || from.compound != to.compound) {
    text.append("  today: ").append(todayText(category, to)).push_back('\n');
  }
  return {script == Script::Ascii ? asciiText(text) : text, status};
}

}  // namespace vardeln::cli
