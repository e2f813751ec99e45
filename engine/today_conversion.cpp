// Vardeln — MIT licence, see LICENSE.
#include "today_conversion.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "compound_quantity.h"
#include "number_text.h"
#include "script_digits.h"
#include "today.h"
#include "today_scale.h"

namespace vardeln {

namespace {

// Every row's definition as exact fractions, in the order of todaysDefinitions(), read once:
// nothing for a row with no single definition today. A value the table says is rounded
// ("648000/pi au, rounded to 50 digits") is known to half a unit in its last place.
const std::vector<std::optional<ExactDefinition>>& exactDefinitions() {
  static const std::vector<std::optional<ExactDefinition>> definitions = [] {
    const auto rows = todaysDefinitions();
    std::vector<std::optional<ExactDefinition>> all;
    for (const TodaysDefinition& row : rows) {
      if (!row.standard()) {
        all.emplace_back();
        continue;
      }
      ExactDefinition definition{exactTableValue(row.today).value(), Exact(0), Exact(0), {}};
      if (row.rounded()) {
        definition.bound = decimalLastPlace(row.today).value() / 2;
        definition.rounded = row.uncertainty;
      }
      all.push_back(definition);
    }
    for (const TodaysScale& scale : todaysScales()) {
      for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].category != scale.category || rows[i].label != scale.label) continue;
        all[i] = ExactDefinition{exactTableValue(scale.factor).value(),
                                 exactTableValue(scale.offset).value(),
                                 Exact(0),
                                 {}};
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
  return {fractionText(definition.factor), fractionText(definition.offset),
          std::string(definition.rounded)};
}

// A compound part's number as the exact value written: a decimal in the style, or a whole
// number and a fraction ("7 2/3" is 23/3); nothing beyond the exact range.
std::optional<Exact> exactPart(const CompoundReading::Written& written, const NumberStyle& style) {
  const std::size_t slash = written.number.find('/');
  if (slash == std::string_view::npos) {
    if (style == NumberStyle{}) return exactDecimal(written.number);
    const std::optional<std::string> ownForm = ownFormText(written.number, style);
    return ownForm ? exactDecimal(*ownForm) : std::nullopt;
  }
  const std::optional<Exact> whole = exactDecimal(written.whole.empty() ? "0" : written.whole);
  const std::optional<Exact> fraction = exactTableValue(written.number);
  if (!whole || !fraction) return std::nullopt;
  return *whole + *fraction;
}

}  // namespace

TodayConverter::TodayConverter(const Category& category, QuantityUnit from, QuantityUnit to,
                               const NumberStyle& style)
    : category_(category), style_(style), in_{Exact(1), Exact(0), Exact(0), {}} {
  if (from.compound) {
    compoundSource_ = from.index;
    for (const CompoundPart& part : category.compoundUnits()[from.index].parts) {
      parts_.push_back(take(category, part.unit));
      bounded_ = bounded_ || parts_.back().bound != 0;
    }
  } else {
    in_ = take(category, from.index);
  }
  out_ =
      take(category, to.compound ? category.compoundUnits()[to.index].parts.back().unit : to.index);
  if (!refusal_.empty()) return;
  bounded_ = bounded_ || in_.bound != 0 || out_.bound != 0;
  scale_ = in_.factor / out_.factor;
  shift_ = (in_.offset - out_.offset) / out_.factor;
  if (compoundSource_) return;
  if (shift_ != 0) {
    if (!bounded_) quickAffine_ = QuickAffine::of(scale_, shift_);
    return;
  }
  // The least and greatest scale the definitions' bounds allow (see resultBounds).
  quickScale_ = QuickScale::of((in_.factor - in_.bound) / (out_.factor + out_.bound),
                               (in_.factor + in_.bound) / (out_.factor - out_.bound));
}

// Most numbers typed need no big integers: 128-bit arithmetic decides their nearest double.
std::optional<double> TodayConverter::quickResult(std::string_view number) const {
  const std::optional<DecimalDigits> decimal = decimalDigits(number);
  if (!decimal) return std::nullopt;
  if (quickScale_) return quickScale_->times(*decimal);
  if (quickAffine_) return quickAffine_->of(*decimal);
  return std::nullopt;
}

// The unit's definition today, and what its row says of it once: the refusal of a unit with
// no single definition (which has the base unit's in its place), the note of a measured one.
ExactDefinition TodayConverter::take(const Category& category, std::size_t unit) {
  const TodaysDefinition& row = todaysDefinition(category, unit);
  const std::string label(row.label);
  const auto said = [unit](std::vector<std::size_t>& units) {
    if (std::find(units.begin(), units.end(), unit) != units.end()) return true;
    units.push_back(unit);
    return false;
  };
  if (!row.standard()) {
    if (!said(refused_)) {
      appendNote(refusal_, label + " has no single definition today (" + std::string(row.kind) +
                               "): " + std::string(row.definition));
    }
    return {Exact(1), Exact(0), Exact(0), {}};
  }
  if (isMeasured(row) && !said(measuredUnits_)) {
    std::string note =
        label + " is measured: " + std::string(row.today) + " " + std::string(category.baseLabel());
    if (row.uncertainty != "exact") note += ", uncertainty " + std::string(row.uncertainty);
    appendNote(measured_, note);
  }
  return *exactDefinitions()[&row - todaysDefinitions().data()];
}

TodayConverter::Typed TodayConverter::typedValue(std::string_view typedText) const {
  Typed typed;
  if (!compoundSource_) {
    // parseNumber decides what is a number, so that both ways of converting accept the same
    // texts, but for a decimal past the double range, whose exact value may well convert to
    // one ("2e308" mm is 2e305 m).
    const std::string_view number = trimBlanks(typedText);
    if (!isNumber(typedText) && !isDecimal(number)) return typed;
    typed.value = exactDecimal(number);
    typed.outOfRange = !typed.value;
    return typed;
  }
  const CompoundUnit& unit = category_.compoundUnits()[*compoundSource_];
  const std::optional<CompoundReading> reading =
      readCompoundQuantity(category_, unit, typedText, style_);
  if (!reading) return typed;
  Exact sum(0);
  for (std::size_t k = 0; k < parts_.size(); ++k) {
    if (!reading->parts[k]) continue;
    const std::optional<Exact> part = exactPart(reading->written[k], style_);
    if (!part) {
      typed.outOfRange = true;
      return typed;
    }
    sum += *part * parts_[k].factor;
    typed.bound += *part * parts_[k].bound;
  }
  typed.value = reading->inSmallestUnit < 0 ? Exact(-sum) : sum;
  return typed;
}

// The result is multilinear in the typed value, the source's factor and the reciprocal of
// the target's, so its least and greatest values over their bounds lie at the corners.
std::pair<Exact, Exact> TodayConverter::resultBounds(const Exact& typed,
                                                     const Exact& typedBound) const {
  std::optional<Exact> least;
  std::optional<Exact> greatest;
  for (const int t : {-1, 1}) {
    for (const int f : {-1, 1}) {
      for (const int g : {-1, 1}) {
        const Exact corner =
            ((typed + t * typedBound) * (in_.factor + f * in_.bound) + in_.offset - out_.offset) /
            (out_.factor + g * out_.bound);
        if (!least || corner < *least) least = corner;
        if (!greatest || corner > *greatest) greatest = corner;
      }
    }
  }
  return {*least, *greatest};
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
  // Every text decimalDigits reads is a decimal, which typedValue takes too.
  if (detail == TodayDetail::Result && !compoundSource_) {
    if (const std::optional<double> quick = quickResult(trimBlanks(typedText))) {
      conversion.outcome = TodayConversion::Outcome::Result;
      conversion.result = *quick;
      return conversion;
    }
  }
  const Typed typedValue = this->typedValue(typedText);
  if (!typedValue.value) {
    if (typedValue.outOfRange) conversion.outcome = TodayConversion::Outcome::OutOfRange;
    return conversion;
  }
  const Exact& typed = *typedValue.value;
  const Exact exact = typed * scale_ + shift_;
  conversion.outcome = TodayConversion::Outcome::Result;
  conversion.result = nearestDouble(exact);
  std::optional<std::pair<Exact, Exact>> bounds;
  bool correctlyRounded = true;
  if (bounded_) {
    bounds = resultBounds(typed, typedValue.bound);
    const double least = nearestDouble(bounds->first);
    correctlyRounded = least == nearestDouble(bounds->second);
    if (correctlyRounded) conversion.result = least;
  }
  if (detail == TodayDetail::WithArithmetic) {
    TodayArithmetic arithmetic;
    arithmetic.typed = fractionText(typed);
    arithmetic.from = definitionText(in_);
    arithmetic.to = definitionText(out_);
    arithmetic.exact = fractionText(exact);
    arithmetic.correctlyRounded = correctlyRounded;
    if (std::isinf(conversion.result)) {
      arithmetic.roundingError = conversion.result;
    } else if (!bounds) {
      arithmetic.exactItself = Exact(conversion.result) == exact;
      arithmetic.roundingError = nearestDouble(Exact(conversion.result) - exact);
    } else {
      const Exact halfWidth = (bounds->second - bounds->first) / 2;
      arithmetic.bound = std::nextafter(nearestDouble(halfWidth), HUGE_VAL);
      const double most = nearestDouble(Exact(conversion.result) - bounds->first);
      if (most == nearestDouble(Exact(conversion.result) - bounds->second)) {
        arithmetic.roundingError = most;
      }
    }
    conversion.arithmetic = std::move(arithmetic);
  }
  return conversion;
}

TodayConversion convertByToday(const Category& category, std::string_view typedText,
                               QuantityUnit from, QuantityUnit to, TodayDetail detail,
                               const NumberStyle& style) {
  return TodayConverter(category, from, to, style).convert(typedText, detail);
}

}  // namespace vardeln
