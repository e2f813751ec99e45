// Vardeln — MIT licence, see LICENSE.
#include "explanation.h"

#include <limits>

#include "conversion.h"
#include "number_text.h"
#include "quoted_name.h"
#include "rule_text.h"
#include "today.h"

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

}  // namespace

Explanation explain(const Category& category, std::size_t from, std::size_t to,
                    std::string_view value, ResultForm form, Script script) {
  const UnitRule& source = category.rules()[from];
  const UnitRule& target = category.rules()[to];
  const Conversion conversion = convert(category, from, to, value);
  const bool converted = conversion.outcome != Conversion::Outcome::InvalidNumber;
  const bool toBaseFault = conversion.outcome == Conversion::Outcome::Fault &&
                           storedValueStatus(conversion.base) != FloatingPointFault::None;

  std::string text;
  text.append(source.label).append(script == Script::Ascii ? " -> " : " \u2192 ");
  text.append(target.label).append(" (").append(category.id()).append(", base unit ");
  text.append(category.baseLabel()).append(")\n");

  Equation toBase(text, kToBase, "B", toBaseArithmetic(source, script));
  if (converted) toBase.step("=", toBaseArithmetic(source, script, exactText(*parseNumber(value))));
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
      fromBase.step(script == Script::Ascii ? "~" : "\u2248", resultText(conversion));
    }
  } else if (conversion.outcome == Conversion::Outcome::Fault && !toBaseFault) {
    text.append(faultWords("result", conversion.fault));
  }

  std::string_view where = kWhere;
  for (const SharedConstant& constant : constantsNamedBy(std::string(source.toBase.text) + " " +
                                                         std::string(target.fromBase.text))) {
    text.append(where).append(constantText(constant, script)).push_back('\n');
    where = kUnderWhere;
  }

  // Today's definition of each unit, and how far the table's rule is from it.
  for (const std::size_t unit : {from, to}) {
    if (unit == to && to == from) break;
    text.append(kToday).append(todayText(category, unit)).push_back('\n');
  }

  if (!converted) {
    text.append(quotedName(value)).append(" is not a number (").append(kInvalidNumber);
    text.append("), so nothing stands in place of x.\n");
  }
  return {text, statusOf(conversion)};
}

}  // namespace vardeln::cli
