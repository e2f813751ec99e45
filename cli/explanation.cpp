// Vardeln — MIT licence, see LICENSE.
#include "explanation.h"

#include <cmath>
#include <limits>
#include <vector>

#include "ascii_text.h"
#include "compound_explanation.h"
#include "conversion.h"
#include "number_text.h"
#include "quoted_name.h"
#include "rule_text.h"
#include "today.h"
#include "today_explanation.h"

namespace vardeln::cli {
namespace {

// The rule's lines start after a label of this width; each equation goes on under its own
// equals sign.
constexpr std::string_view kToBase = "  to base:   ";
constexpr std::string_view kFromBase = "  from base: ";
constexpr std::string_view kWhere = "  where ";
constexpr std::string_view kUnderWhere = "        ";
constexpr std::string_view kToday = "  today: ";

std::string exactText(double value) {
  char text[kMaxFormattedLength];
  return std::string(writeExact(value, text));
}

// An equation and the steps that follow it, "B = x × 1000", "  = 2 × 1000", "  = 2000", each
// step left out where it would only repeat the one before.
class Equation {
 public:
  Equation(std::string& out, std::string_view label, std::string_view variable,
           const std::string& rule)
      : out_(out), last_(rule) {
    out_.append(label).append(variable).append(" = ").append(rule).push_back('\n');
    indent_.assign(label.size() + variable.size() + 1, ' ');
  }

  void step(std::string_view sign, const std::string& text) {
    if (text == last_) return;
    out_.append(indent_).append(sign).append(" ").append(text).push_back('\n');
    last_ = text;
  }

 private:
  std::string& out_;
  std::string indent_;
  std::string last_;
};

// What a value too large for a double is, in words.
std::string beyondWords(std::string_view variable) {
  return "  " + std::string(variable) + " is too large for a double, whose largest size is " +
         exactText(std::numeric_limits<double>::max());
}

// A fault as a person says it of the value it struck.
std::string faultWords(std::string_view variable, FloatingPointFault fault) {
  std::string words = "  " + std::string(variable);
  switch (fault) {
    case FloatingPointFault::Overflow:
      words = beyondWords(variable);
      break;
    case FloatingPointFault::DivisionByZero:
      words += " would need a division by zero";
      break;
    case FloatingPointFault::InvalidOperation:
    case FloatingPointFault::None:
      words += " has no value as a number";
      break;
  }
  return words + " (" + std::string(faultName(fault)) + "), so there is no result.\n";
}

// "where FootInMetres = …", each constant the formulas name, down to plain numbers.
void appendConstants(std::string& text, const std::string& formulas, Script script) {
  std::string_view where = kWhere;
  for (const SharedConstant& constant : constantsNamedBy(formulas)) {
    text.append(where).append(constantText(constant, script)).push_back('\n');
    where = kUnderWhere;
  }
}

// The labels and today's definitions are written in UTF-8; a terminal that shows no more
// than ASCII gets their nearest ASCII, as it gets the signs of arithmetic.
std::string inScript(std::string text, Script script) {
  return script == Script::Ascii ? asciiText(text) : text;
}

}  // namespace

Explanation explain(const Category& category, std::size_t from, std::size_t to,
                    std::string_view value, ResultForm form, Script script,
                    const NumberStyle& style) {
  const UnitRule& source = category.rules()[from];
  const UnitRule& target = category.rules()[to];
  const Conversion conversion = convert(category, from, to, value, style);
  const bool converted = conversion.outcome != Conversion::Outcome::InvalidNumber;
  const bool toBaseFault = conversion.outcome == Conversion::Outcome::Fault &&
                           storedValueStatus(conversion.base) != FloatingPointFault::None;

  std::string text;
  text.append(source.label).append(script == Script::Ascii ? " -> " : " \u2192 ");
  text.append(target.label).append(" (").append(category.id()).append(", base unit ");
  text.append(category.baseLabel()).append(")\n");

  Equation toBase(text, kToBase, "B", toBaseArithmetic(source, script));
  if (converted)
    toBase.step("=", toBaseArithmetic(source, script, exactText(*parseNumber(value, style))));
  if (toBaseFault) text.append(faultWords("B", conversion.fault));
  if (converted && !toBaseFault) toBase.step("=", exactText(conversion.base));

  Equation fromBase(text, kFromBase, "result", fromBaseArithmetic(target, script));
  if (converted && !toBaseFault) {
    fromBase.step("=", fromBaseArithmetic(target, script, exactText(conversion.base)));
  }
  if (isInfiniteResult(conversion)) {
    text.append(beyondWords("result")).append(", so it shows as ");
    text.append(resultText(conversion)).append(".\n");
  } else if (conversion.outcome == Conversion::Outcome::Result) {
    fromBase.step("=", exactText(conversion.result));
    if (form == ResultForm::Shown) {
      fromBase.step(script == Script::Ascii ? "~" : "\u2248", resultText(conversion, style));
    }
  } else if (conversion.outcome == Conversion::Outcome::Fault && !toBaseFault) {
    text.append(faultWords("result", conversion.fault));
  }

  appendConstants(text, std::string(source.toBase.text) + " " + std::string(target.fromBase.text),
                  script);

  // Today's definition of each unit, and how far the table's rule is from it.
  for (const std::size_t unit : {from, to}) {
    if (unit == to && to == from) break;
    text.append(kToday).append(todayText(category, unit)).push_back('\n');
  }

  if (!converted) {
    text.append(quotedName(value)).append(" is not a number (").append(kInvalidNumber);
    text.append("), so nothing stands in place of x.\n");
  }
  return {inScript(std::move(text), script), statusOf(conversion)};
}

Explanation explainQuantity(const Category& category, QuantityUnit from, QuantityUnit to,
                            std::string_view value, int denominator, Script script,
                            const NumberStyle& style) {
  const QuantityConversion converted =
      convertQuantity(category, from, to, value, denominator, style);
  const Conversion& conversion = converted.conversion;
  const bool read = conversion.outcome != Conversion::Outcome::InvalidNumber;
  std::string rules;  // the formulas used, for the constants they name

  std::string text(quantityUnitLabel(category, from));
  // Each unit's definition today, and how far the table's rules are from it, end every
  // explanation.
  const auto explained = [&] {
    text.append(kToday).append(todayText(category, from)).push_back('\n');
    if (from.index != to.index || from.compound != to.compound) {
      text.append(kToday).append(todayText(category, to)).push_back('\n');
    }
    return Explanation{inScript(std::move(text), script), statusOf(conversion)};
  };
  text.append(script == Script::Ascii ? " -> " : " \u2192 ")
      .append(quantityUnitLabel(category, to));
  text.append(" (").append(category.id()).append(", base unit ").append(category.baseLabel());
  text.append(")\n");
  if (!read) {
    text.append(quotedName(value)).append(" is not a quantity in ");
    text.append(quantityUnitLabel(category, from)).append(" (").append(kInvalidNumber);
    text.append(").\n");
    return explained();
  }

  if (from.compound) {
    // Read as the smallest part alone: "x = 5 × 12 + 7", then that unit's rule.
    const CompoundUnit& unit = category.compoundUnits()[from.index];
    const UnitRule& smallest = partRule(category, unit.parts.back());
    const std::vector<double> sizes = compoundSizes(category, unit);
    const auto& reading = converted.reading;
    text.append("  ").append(compoundReadingText(category, unit)).append(":\n");
    std::string sum;
    for (std::size_t k = 0; k < unit.parts.size(); ++k) {
      if (!reading->parts[k]) continue;
      sum.append(sum.empty() ? "" : " + ").append(exactText(std::fabs(*reading->parts[k])));
      if (k + 1 < unit.parts.size()) {
        sum.append(script == Script::Ascii ? " * " : " \u00d7 ").append(exactText(sizes[k]));
      }
    }
    Equation count(text, "    ", "x", reading->inSmallestUnit < 0 ? "-(" + sum + ")" : sum);
    count.step("=", exactText(reading->inSmallestUnit));
    Equation toBase(text, kToBase, "B", toBaseArithmetic(smallest, script));
    toBase.step("=", toBaseArithmetic(smallest, script, exactText(reading->inSmallestUnit)));
    if (conversion.outcome != Conversion::Outcome::Fault)
      toBase.step("=", exactText(conversion.base));
    rules.append(smallest.toBase.text).push_back(' ');
  } else {
    const UnitRule& rule = category.rules()[from.index];
    Equation toBase(text, kToBase, "B", toBaseArithmetic(rule, script));
    toBase.step("=", toBaseArithmetic(rule, script, exactText(*parseNumber(value, style))));
    if (conversion.outcome != Conversion::Outcome::Fault)
      toBase.step("=", exactText(conversion.base));
    rules.append(rule.toBase.text).push_back(' ');
  }
  if (conversion.outcome == Conversion::Outcome::Fault) {
    text.append(faultWords("B", conversion.fault));
    return explained();
  }

  if (!to.compound) {
    const UnitRule& rule = category.rules()[to.index];
    rules.append(rule.fromBase.text);
    Equation fromBase(text, kFromBase, "result", fromBaseArithmetic(rule, script));
    fromBase.step("=", fromBaseArithmetic(rule, script, exactText(conversion.base)));
    fromBase.step("=", exactText(conversion.result));
    fromBase.step(script == Script::Ascii ? "~" : "\u2248", resultText(conversion, style));
    appendConstants(text, rules, script);
    return explained();
  }
  const CompoundUnit& unit = category.compoundUnits()[to.index];
  const UnitRule& smallest = partRule(category, unit.parts.back());
  rules.append(smallest.fromBase.text);
  Equation fromBase(text, kFromBase, smallest.label, fromBaseArithmetic(smallest, script));
  fromBase.step("=", fromBaseArithmetic(smallest, script, exactText(conversion.base)));
  if (!converted.compound) {
    text.append(beyondWords(smallest.label)).append(", so it has no parts.\n");
    return explained();
  }
  fromBase.step("=", exactText(smallest.fromBase(conversion.base)));
  text.append("  ").append(compoundSplitText(category, unit));
  text.append(", from the 15 significant digits shown");
  if (denominator != 0) text.append(", to the nearest 1/").append(std::to_string(denominator));
  text.append("\n  = ").append(converted.compound->text).push_back('\n');
  if (!converted.compound->roundingNote.empty()) {
    text.append("  (").append(converted.compound->roundingNote).append(")\n");
  }
  appendConstants(text, rules, script);
  return explained();
}

Explanation explainConversion(const ConversionRequest& request, std::string_view value,
                              ResultForm form, Script script) {
  const Category& category = *request.category;
  if (request.definitions == Definitions::Today) {
    return explainToday(category, request.from, request.to, value, script, request.style);
  }
  if (!request.from.compound && !request.to.compound) {
    return explain(category, request.from.index, request.to.index, value, form, script,
                   request.style);
  }
  return explainQuantity(category, request.from, request.to, value, request.denominator, script,
                         request.style);
}

}  // namespace vardeln::cli
