// Vardeln — MIT licence, see LICENSE.
#include "today_conversion.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "compound_quantity.h"
#include "number_text.h"
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

std::string_view trimBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\n\r\v\f";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

ExactDefinitionText definitionText(const ExactDefinition& definition) {
  return {fractionText(definition.factor), fractionText(definition.offset)};
}

// A part's number as the shortest decimal that reads back to its double.
Exact shortestDecimal(double value) {
  char text[kMaxFormattedLength];
  const char* end = std::to_chars(text, text + sizeof text, value).ptr;
  return exactDecimal({text, static_cast<std::size_t>(end - text)}).value();
}

}  // namespace

TodayConverter::TodayConverter(const Category& category, QuantityUnit from, QuantityUnit to)
    : category_(category), in_{Exact(1), Exact(0)} {
  if (from.compound) {
    compoundSource_ = from.index;
    for (const CompoundPart& part : category.compoundUnits()[from.index].parts) {
      partFactors_.push_back(take(category, part.unit).factor);
    }
  } else {
    in_ = take(category, from.index);
  }
  out_ = take(category, to.compound ? category.compoundUnits()[to.index].parts.back().unit
                                    : to.index);
  if (!refusal_.empty()) return;
  scale_ = in_.factor / out_.factor;
  shift_ = (in_.offset - out_.offset) / out_.factor;
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
      readCompoundQuantity(category_, unit, typedText);
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
                               QuantityUnit from, QuantityUnit to, TodayDetail detail) {
  return TodayConverter(category, from, to).convert(typedText, detail);
}

}  // namespace vardeln
