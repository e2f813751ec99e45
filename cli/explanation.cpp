// Vardeln — MIT licence, see LICENSE.
#include "explanation.h"

#include "conversion.h"
#include "number_text.h"
#include "quoted_name.h"
#include "rule_text.h"

namespace vardeln::cli {
namespace {

// The rule's lines start after a label of this width, and what each rule gave stands under it.
constexpr std::string_view kToBase = "  to base:   ";
constexpr std::string_view kFromBase = "  from base: ";
constexpr std::string_view kUnderRule = "             ";

std::string exactText(double value) {
  char text[kMaxFormattedLength];
  return std::string(writeExact(value, text));
}

void appendRule(std::string& out, std::string_view label, const std::string& rule,
                const Rule& compiled) {
  out.append(label).append(rule);
  if (const std::string where = whereText(compiled); !where.empty()) out.append("     ").append(where);
  out.push_back('\n');
}

void appendValue(std::string& out, std::string_view variable, std::string_view value) {
  out.append(kUnderRule).append(variable).append(" = ").append(value).push_back('\n');
}

}  // namespace

Explanation explain(const Category& category, std::size_t from, std::size_t to,
                    std::string_view value, ResultForm form) {
  const UnitRule& source = category.rules()[from];
  const UnitRule& target = category.rules()[to];
  const Conversion conversion = convert(category, from, to, value);
  const bool toBaseFault =
      conversion.outcome == Conversion::Outcome::Fault && storedValueStatus(conversion.base) !=
                                                              FloatingPointFault::None;

  std::string text;
  text.append(source.label).append(" \u2192 ").append(target.label);
  text.append(" (").append(category.id()).append(", base unit ");
  text.append(category.baseLabel()).append(")\n");

  appendRule(text, kToBase, toBaseText(source), source.toBase);
  if (conversion.outcome != Conversion::Outcome::InvalidNumber) {
    appendValue(text, "B", toBaseFault ? faultName(conversion.fault) : exactText(conversion.base));
  }
  appendRule(text, kFromBase, fromBaseText(target), target.fromBase);
  switch (conversion.outcome) {
    case Conversion::Outcome::Result:
      appendValue(text, "result", form == ResultForm::Exact ? exactText(conversion.result)
                                                            : resultText(conversion));
      return {text, statusOf(conversion)};
    case Conversion::Outcome::Fault:
      if (!toBaseFault) appendValue(text, "result", faultName(conversion.fault));
      text.append("The floating-point fault ").append(faultName(conversion.fault));
      text.append(" stopped the conversion.\n");
      return {text, ExitStatus::Fault};
    case Conversion::Outcome::InvalidNumber:
      break;
  }
  text.append(quotedName(value)).append(" is not a number: ").append(kInvalidNumber);
  text.push_back('\n');
  return {text, ExitStatus::InvalidNumber};
}

}  // namespace vardeln::cli
