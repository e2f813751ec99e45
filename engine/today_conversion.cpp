// Vardeln — MIT licence, see LICENSE.
#include "today_conversion.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "compound_quantity.h"
#include "decimal_text.h"
#include "number_text.h"
#include "script_digits.h"
#include "today.h"
#include "today_scale.h"

namespace vardeln {

namespace {

// Every row's definition as exact fractions, in the order of todaysDefinitions(), read once:
// nothing for a row with no single definition today.
const std::vector<std::optional<ExactDefinition>>& exactDefinitions() {
  static const std::vector<std::optional<ExactDefinition>> definitions = [] {
    const auto rows = todaysDefinitions();
    std::vector<std::optional<ExactDefinition>> all;
    for (const TodaysDefinition& row : rows) {
      if (row.standard())
        all.push_back(ExactDefinition{exactTableValue(row.today).value(), Exact(0)});
      else
        all.emplace_back();
    }
    for (const TodaysScale& scale : todaysScales()) {
      for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].category != scale.category || rows[i].label != scale.label) continue;
        all[i] = ExactDefinition{exactTableValue(scale.factor).value(),
                                 exactTableValue(scale.offset).value()};
      }
    }
    return all;
  }();
  return definitions;
}

bool isMeasured(const TodaysDefinition& row) { return row.kind.starts_with("measured"); }

void appendNote(std::string& notes, const std::string& note) {
  if (!notes.empty()) notes += "; ";
  notes += note;
}

ExactDefinitionText definitionText(const ExactDefinition& definition) {
  return {fractionText(definition.factor), fractionText(definition.offset)};
}

constexpr std::uint64_t kExactInDouble = std::uint64_t{1} << 53;

// a × b where the product stays exact in a double.
std::optional<std::uint64_t> exactProduct(std::uint64_t a, std::uint64_t b) {
  if (b != 0 && a > kExactInDouble / b) return std::nullopt;
  return a * b;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A part's number as the shortest decimal that reads back to its double.
// (The page's C++ library writes no double with std::to_chars: the fewest of 15 to 17
// significant digits that read back serve, a part's number being finite.)
Exact shortestDecimal(double value) {
  char text[kMaxDecimalLength];
  for (int digits = kShownSignificantDigits;; ++digits) {
    const std::string_view written(
        text, static_cast<std::size_t>(writeDecimal(value, digits, text) - text));
    if (digits == 17 || parseNumber(written) == value) return exactDecimal(written).value();
  }
}

}  // namespace

TodayConverter::TodayConverter(const Category& category, QuantityUnit from, QuantityUnit to,
                               const NumberStyle& style)
    : category_(category), style_(style), in_{Exact(1), Exact(0)} {
  if (from.compound) {
    compoundSource_ = from.index;
    for (const CompoundPart& part : category.compoundUnits()[from.index].parts) {
      partFactors_.push_back(take(category, part.unit).factor);
    }
  } else {
    in_ = take(category, from.index);
  }
  out_ =
      take(category, to.compound ? category.compoundUnits()[to.index].parts.back().unit : to.index);
  if (!refusal_.empty()) return;
  scale_ = in_.factor / out_.factor;
  shift_ = (in_.offset - out_.offset) / out_.factor;
  const boost::multiprecision::cpp_int p = boost::multiprecision::numerator(scale_);
  const boost::multiprecision::cpp_int q = boost::multiprecision::denominator(scale_);
  if (shift_ == 0 && p > 0 && p < kExactInDouble && q < kExactInDouble) {
    quickScale_.emplace(p.convert_to<std::uint64_t>(), q.convert_to<std::uint64_t>());
  }
}

// Most numbers typed need no fractions: where the digits times the scale's numerator, and
// its denominator, each with the power of ten on its side, are whole numbers exact in a
// double, one division of the two is rounded once, by the floating-point standard, as the
// exact arithmetic rounds. Nothing where they are not.
std::optional<double> TodayConverter::quickResult(std::string_view number) const {
  if (!quickScale_) return std::nullopt;
  std::size_t i = 0;
  const bool negative = !number.empty() && number[0] == '-';
  if (!number.empty() && (number[0] == '-' || number[0] == '+')) ++i;
  std::uint64_t digits = 0;
  long exponent = 0;
  bool point = false;
  for (; i < number.size() && (isDigit(number[i]) || number[i] == '.'); ++i) {
    if (number[i] == '.') {
      point = true;
      continue;
    }
    if (digits >= kExactInDouble) return std::nullopt;
    digits = digits * 10 + static_cast<std::uint64_t>(number[i] - '0');
    if (point) --exponent;
  }
  if (i < number.size()) {  // an exponent: e or E, a sign and at most three digits
    if (number[i] != 'e' && number[i] != 'E') return std::nullopt;
    const std::string_view written = number.substr(i + 1);
    int value = 0;
    const auto [end, problem] = std::from_chars(written.data() + (written.starts_with('+') ? 1 : 0),
                                                written.data() + written.size(), value);
    if (problem != std::errc() || end != written.data() + written.size() || std::abs(value) > 999) {
      return std::nullopt;
    }
    exponent += value;
  }
  if (digits == 0) return 0.0;
  std::optional<std::uint64_t> n = exactProduct(digits, quickScale_->first);
  std::optional<std::uint64_t> d = quickScale_->second;
  for (; n && d && exponent > 0; --exponent) n = exactProduct(*n, 10);
  for (; n && d && exponent < 0; ++exponent) d = exactProduct(*d, 10);
  if (!n || !d) return std::nullopt;
  const double result = static_cast<double>(*n) / static_cast<double>(*d);
  return negative ? -result : result;
}

// The unit's definition today, and what its row says of it once: the refusal of a unit with
// no single definition (which has the base unit's in its place), the note of a measured one.
ExactDefinition TodayConverter::take(const Category& category, std::size_t unit) {
  const TodaysDefinition& row = todaysDefinition(category, unit);
  const std::string label(row.label);
  if (!row.standard()) {
    if (refusal_.find(label + " has") == std::string::npos) {
      appendNote(refusal_, label + " has no single definition today (" + std::string(row.kind) +
                               "): " + std::string(row.definition));
    }
    return {Exact(1), Exact(0)};
  }
  if (isMeasured(row) && measured_.find(label + " is") == std::string::npos) {
    std::string note =
        label + " is measured: " + std::string(row.today) + " " + std::string(category.baseLabel());
    if (row.uncertainty != "exact") note += ", uncertainty " + std::string(row.uncertainty);
    appendNote(measured_, note);
  }
  return *exactDefinitions()[&row - todaysDefinitions().data()];
}

std::optional<Exact> TodayConverter::typedValue(std::string_view typedText) const {
  if (!compoundSource_) {
    // parseNumber decides what is a number, so that both ways of converting accept the same
    // texts; a number it accepts is at most the largest double, so its exact value stays small.
    if (!isNumber(typedText)) return std::nullopt;
    return exactDecimal(trimBlanks(typedText)).value();
  }
  const CompoundUnit& unit = category_.compoundUnits()[*compoundSource_];
  const std::optional<CompoundReading> reading =
      readCompoundQuantity(category_, unit, typedText, style_);
  if (!reading) return std::nullopt;
  Exact sum(0);
  for (std::size_t k = 0; k < partFactors_.size(); ++k) {
    if (reading->parts[k]) sum += shortestDecimal(std::fabs(*reading->parts[k])) * partFactors_[k];
  }
  return reading->inSmallestUnit < 0 ? Exact(-sum) : sum;
}

TodayConversion TodayConverter::convert(std::string_view typedText, TodayDetail detail) const {
  TodayConversion conversion;
  if (!refusal_.empty()) {
    conversion.outcome = TodayConversion::Outcome::NoDefinitionToday;
    conversion.refusal = refusal_;
    return conversion;
  }
  conversion.measured = measured_;
  std::optional<std::string> ownForm;
  // The own form has ASCII's digits: a text of the user's script's is brought to it too.
  if (!compoundSource_ && (!(style_ == NumberStyle{}) || hasNonAscii(typedText))) {
    ownForm = ownFormText(typedText, style_);
    if (!ownForm) return conversion;
    typedText = *ownForm;
  }
  if (detail == TodayDetail::Result && !compoundSource_ && isNumber(typedText)) {
    if (const std::optional<double> quick = quickResult(trimBlanks(typedText))) {
      conversion.outcome = TodayConversion::Outcome::Result;
      conversion.result = *quick;
      return conversion;
    }
  }
  const std::optional<Exact> typed = typedValue(typedText);
  if (!typed) return conversion;
  const Exact exact = *typed * scale_ + shift_;
  conversion.outcome = TodayConversion::Outcome::Result;
  conversion.result = nearestDouble(exact);
  if (detail == TodayDetail::WithArithmetic) {
    const double error = std::isinf(conversion.result)
                             ? conversion.result
                             : nearestDouble(Exact(conversion.result) - exact);
    conversion.arithmetic = TodayArithmetic{fractionText(*typed), definitionText(in_),
                                            definitionText(out_), fractionText(exact), error};
  }
  return conversion;
}

TodayConversion convertByToday(const Category& category, std::string_view typedText,
                               QuantityUnit from, QuantityUnit to, TodayDetail detail,
                               const NumberStyle& style) {
  return TodayConverter(category, from, to, style).convert(typedText, detail);
}

}  // namespace vardeln
