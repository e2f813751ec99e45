// Vardeln — MIT licence, see LICENSE.
#include "value_converter.h"

#include "conversion.h"
#include "decimal_text.h"

namespace vardeln::cli {

ExitStatus statusOf(const Conversion& conversion) {
  switch (conversion.outcome) {
    case Conversion::Outcome::InvalidNumber:
      return ExitStatus::InvalidNumber;
    case Conversion::Outcome::Fault:
      return ExitStatus::Fault;
    case Conversion::Outcome::Result:
      break;
  }
  return isInfiniteResult(conversion) ? ExitStatus::Fault : ExitStatus::Success;
}

// std::to_chars writes infinities as "inf" and "-inf", which the exact form keeps.
std::string_view writeExact(double value, char* buffer) {
  return {buffer, static_cast<std::size_t>(writeShortest(value, buffer) - buffer)};
}

ValueConverter::ValueConverter(const Category& category, QuantityUnit from, QuantityUnit to,
                               ResultForm form, int denominator, const NumberStyle& style,
                               Definitions definitions)
    : category_(category),
      from_(from),
      to_(to),
      form_(form),
      denominator_(denominator),
      style_(style) {
  if (definitions == Definitions::Today) today_.emplace(category, from, to, style);
}

// The shown text of a conversion in the style, written into `buffer` (kMaxStyledLength).
std::string_view ValueConverter::shownText(const Conversion& conversion) {
  if (conversion.outcome != Conversion::Outcome::Result) return writeResultText(conversion, text_);
  return {text_, static_cast<std::size_t>(formatDouble(conversion.result, style_, text_) - text_)};
}

namespace {

// A conversion by today's definitions as the tables' conversions are given, to be written
// the same way.
Conversion asConversion(const TodayConversion& today) {
  Conversion conversion;
  if (today.outcome == TodayConversion::Outcome::Result) {
    conversion.outcome = Conversion::Outcome::Result;
    conversion.result = today.result;
  }
  return conversion;
}

}  // namespace

ConvertedForms ValueConverter::convertToday(std::string_view valueText, bool exactToo) {
  const TodayConversion today = today_->convert(valueText);
  if (today.outcome == TodayConversion::Outcome::NoDefinitionToday) {
    compoundText_ = kNoDefinitionToday;
    return {ExitStatus::UsageError, compoundText_, "", false, std::nullopt};
  }
  const Conversion conversion = asConversion(today);
  compoundText_ = shownText(conversion);
  ConvertedForms forms{statusOf(conversion), compoundText_,
                       exactToo && conversion.outcome == Conversion::Outcome::Result
                           ? writeExact(conversion.result, exactText_)
                           : "",
                       isInfiniteResult(conversion), std::nullopt};
  if (to_.compound && forms.status == ExitStatus::Success) {
    // The window splits a base value: the smallest part's own rule gives the one whose
    // quantity in that part is the result, to within the digits a split shows.
    const CompoundUnit& unit = category_.compoundUnits()[to_.index];
    const double base = category_.rules()[unit.parts.back().unit].toBase(today.result);
    CompoundQuantity quantity = writeCompoundQuantity(category_, unit, base, denominator_, style_);
    compoundText_ = std::move(quantity.text);
    parts_ = std::move(quantity.parts);
    rounding_ = std::move(quantity.roundingNote);
    forms.shown = compoundText_;
    forms.compound = CompoundParts{parts_, rounding_};
  }
  return forms;
}

ConvertedForms ValueConverter::convertCompound(std::string_view valueText, bool exactToo) {
  QuantityConversion converted =
      convertQuantity(category_, from_, to_, valueText, denominator_, style_);
  const Conversion& conversion = converted.conversion;
  // A single unit's result is written as the tables' results are, a compound one's kept.
  std::string_view shown;
  if (converted.compound) {
    compoundText_ = std::move(converted.compound->text);
    shown = compoundText_;
  } else {
    shown = shownText(conversion);
  }
  ConvertedForms forms{statusOf(conversion), shown,
                       exactToo && conversion.outcome == Conversion::Outcome::Result
                           ? writeExact(conversion.result, exactText_)
                           : "",
                       isInfiniteResult(conversion), std::nullopt};
  if (converted.compound) {
    parts_ = converted.compound->parts;
    rounding_ = converted.compound->roundingNote;
    forms.compound = CompoundParts{parts_, rounding_};
  }
  return forms;
}

// The one form asked for of a single unit's result, written alone.
ConvertedValue ValueConverter::writtenValue(const Conversion& converted) {
  const ExitStatus status = statusOf(converted);
  const bool infinite = isInfiniteResult(converted);
  if (form_ == ResultForm::Exact && (status == ExitStatus::Success || infinite)) {
    return {writeExact(converted.result, text_), status, infinite};
  }
  return {shownText(converted), status, infinite};
}

ConvertedValue ValueConverter::convert(std::string_view valueText) {
  if (today_ && !to_.compound) {
    const TodayConversion today = today_->convert(valueText);
    if (today.outcome == TodayConversion::Outcome::NoDefinitionToday) {
      return {kNoDefinitionToday, ExitStatus::UsageError, false};
    }
    return writtenValue(asConversion(today));
  }
  if (today_ || from_.compound || to_.compound) {
    // Only a single unit's result is written in the exact form.
    const bool exactToo = form_ == ResultForm::Exact && !to_.compound;
    const ConvertedForms forms =
        today_ ? convertToday(valueText, exactToo) : convertCompound(valueText, exactToo);
    // A plain line says what rounding the last part did after the quantity.
    if (forms.compound && !forms.compound->rounding.empty()) {
      compoundText_ += " (" + rounding_ + ")";
    }
    const bool exact = exactToo && (forms.status == ExitStatus::Success || forms.infinite);
    const std::string_view shown = forms.compound ? std::string_view(compoundText_) : forms.shown;
    return {exact ? forms.exact : shown, forms.status, forms.infinite};
  }
  return writtenValue(vardeln::convert(category_, from_.index, to_.index, valueText, style_));
}

ConvertedForms ValueConverter::convertBothForms(std::string_view valueText) {
  if (today_) return convertToday(valueText);
  if (from_.compound || to_.compound) return convertCompound(valueText);
  const Conversion converted =
      vardeln::convert(category_, from_.index, to_.index, valueText, style_);
  const std::string_view exact = converted.outcome == Conversion::Outcome::Result
                                     ? writeExact(converted.result, exactText_)
                                     : "";
  return {statusOf(converted), shownText(converted), exact, isInfiniteResult(converted),
          std::nullopt};
}

}  // namespace vardeln::cli
