// Vardeln — MIT licence, see LICENSE.
#include "today_explanation.h"

#include <cmath>

#include "ascii_text.h"
#include "conversion.h"
#include "quoted_name.h"
#include "today.h"
#include "today_conversion.h"
#include "value_converter.h"

namespace vardeln::cli {
namespace {

// " + 45967/180" (added) or " − 45967/180" (taken away), or nothing for no offset.
std::string offsetText(const std::string& offset, bool added) {
  if (offset == "0") return "";
  const bool plus = added != offset.starts_with('-');
  return (plus ? " + " : " \u2212 ") + (offset.starts_with('-') ? offset.substr(1) : offset);
}

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
    text.append("  to base:   B = x \u00d7 ").append(arithmetic->from.factor);
    text.append(offsetText(arithmetic->from.offset, true)).push_back('\n');
    const std::string shifted = std::string("B").append(offsetText(arithmetic->to.offset, false));
    text.append("  from base: result = ");
    text.append(shifted == "B" ? shifted : "(" + shifted + ")");
    text.append(" \u00f7 ").append(arithmetic->to.factor).push_back('\n');
    text.append("  exact:     result = ").append(arithmetic->exact).push_back('\n');
    text.append("  rounded:   result = ").append(exactText(conversion.result));
    if (to.compound) {
      const CompoundUnit& unit = category.compoundUnits()[to.index];
      text.append(" ").append(category.rules()[unit.parts.back().unit].label);
    }
    text.append(arithmetic->roundingError == 0.0
                    ? ", the exact result itself\n"
                    : ", the nearest double (double \u2212 exact = " +
                          exactText(arithmetic->roundingError) + ")\n");
    if (std::isinf(conversion.result)) status = ExitStatus::Fault;
    if (!conversion.measured.empty())
      text.append("  note: ").append(conversion.measured).push_back('\n');
  } else {
    text.append(quotedName(value)).append(" is not a number (").append(kInvalidNumber);
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
