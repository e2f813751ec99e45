// Vardeln — MIT licence, see LICENSE.
#include "quantity_converter.h"

#include <algorithm>
#include <cmath>

#include "decimal_text.h"

namespace vardeln {

// The platform's shortest writer spells infinities "inf" and "-inf", which the exact form keeps.
std::string_view writeExact(double value, char* buffer) {
  return {buffer, static_cast<std::size_t>(writeShortest(value, buffer) - buffer)};
}

bool hasDefinitionToday(const Category& category, QuantityUnit unit) {
  if (!unit.compound) return todaysDefinition(category, unit.index).standard();
  for (const CompoundPart& part : category.compoundUnits()[unit.index].parts) {
    if (!todaysDefinition(category, part.unit).standard()) return false;
  }
  return true;
}

std::string definitionsNoteToEveryUnit(const ConversionRequest& request, NoteDetail detail) {
  const Category& category = *request.category;
  if (request.definitions == Definitions::LegacyTables) {
    return farFromTodayNote(category, request.from, detail);
  }
  std::string note;
  for (const std::string_view label : quantityUnitLabels(category)) {
    ConversionRequest toUnit = request;
    toUnit.to = *quantityUnit(category, label);
    std::string_view notes = QuantityConverter(toUnit).measured();
    while (!notes.empty()) {
      const std::string_view one = notes.substr(0, notes.find("; "));
      notes.remove_prefix(std::min(notes.size(), one.size() + 2));
      if (note.find(one) != std::string::npos) continue;
      note.append(note.empty() ? "" : "; ").append(one);
    }
  }
  return note;
}

QuantityConverter::QuantityConverter(const ConversionRequest& request) : request_(request) {
  if (request.definitions == Definitions::Today) {
    today_.emplace(*request.category, request.from, request.to, request.style);
  }
}

std::string_view QuantityConverter::refusal() const {
  return today_ ? std::string_view(today_->refusal()) : std::string_view();
}

std::string_view QuantityConverter::measured() const {
  return today_ ? std::string_view(today_->measured()) : std::string_view();
}

std::string QuantityConverter::definitionsNote(NoteDetail detail) const {
  if (today_) return today_->measured();
  return farFromTodayNote(*request_.category, request_.from, request_.to, detail);
}

const ConversionOutcome& QuantityConverter::convert(std::string_view typedText, ResultTexts texts,
                                                    TodayDetail detail) {
  outcome_ = {};
  if (today_) {
    convertByToday(typedText, texts, detail);
  } else {
    convertByTables(typedText, texts);
  }
  return outcome_;
}

void QuantityConverter::writeShownResult(double value) {
  const char* end = formatDouble(value, request_.style, shownText_);
  outcome_.shown = {shownText_, static_cast<std::size_t>(end - shownText_)};
}

// A single result, or the fault or invalid number the tables' conversion gave.
void QuantityConverter::takeResult(const Conversion& conversion, ResultTexts texts, bool compound) {
  switch (conversion.outcome) {
    case Conversion::Outcome::InvalidNumber:
      outcome_.kind = ConversionOutcome::Kind::InvalidNumber;
      outcome_.shown = kInvalidNumber;
      return;
    case Conversion::Outcome::Fault:
      outcome_.kind = ConversionOutcome::Kind::Fault;
      outcome_.fault = conversion.fault;
      outcome_.shown = faultName(conversion.fault);
      return;
    case Conversion::Outcome::Result:
      break;
  }
  outcome_.kind = ConversionOutcome::Kind::Result;
  outcome_.value = conversion.result;
  outcome_.infinite = std::isinf(conversion.result);
  // A compound result's shown text is its parts, written by the caller.
  if (texts != ResultTexts::Exact && !compound) writeShownResult(conversion.result);
  if (texts != ResultTexts::Shown) outcome_.exact = writeExact(conversion.result, exactText_);
}

void QuantityConverter::takeCompound(const CompoundQuantity& quantity) {
  outcome_.shown = quantity.text;
  outcome_.compound = CompoundParts{quantity.parts, quantity.roundingNote};
}

void QuantityConverter::convertByTables(std::string_view typedText, ResultTexts texts) {
  const Category& category = *request_.category;
  if (!request_.from.compound && !request_.to.compound) {
    takeResult(vardeln::convert(category, request_.from.index, request_.to.index, typedText,
                                request_.style),
               texts);
    return;
  }
  convertQuantity(category, request_.from, request_.to, typedText, request_.denominator,
                  request_.style, quantity_);
  // A compound result is its parts; its value, the quantity in the smallest part's unit.
  takeResult(quantity_.conversion, texts, quantity_.compound.has_value());
  if (quantity_.compound) takeCompound(*quantity_.compound);
}

void QuantityConverter::convertByToday(std::string_view typedText, ResultTexts texts,
                                       TodayDetail detail) {
  TodayConversion today = today_->convert(typedText, detail);
  switch (today.outcome) {
    case TodayConversion::Outcome::NoDefinitionToday:
      outcome_.kind = ConversionOutcome::Kind::NoDefinitionToday;
      return;
    case TodayConversion::Outcome::InvalidNumber:
      outcome_.kind = ConversionOutcome::Kind::InvalidNumber;
      outcome_.shown = kInvalidNumber;
      return;
    case TodayConversion::Outcome::OutOfRange:
      outcome_.kind = ConversionOutcome::Kind::OutOfRange;
      outcome_.shown = kInvalidNumber;
      return;
    case TodayConversion::Outcome::Result:
      break;
  }
  arithmetic_ = std::move(today.arithmetic);
  outcome_.arithmetic = arithmetic_ ? &*arithmetic_ : nullptr;
  Conversion conversion;
  conversion.outcome = Conversion::Outcome::Result;
  conversion.result = today.result;
  // The result is in the compound target's smallest part's unit, and split there; an infinite
  // quantity has no parts and is shown as a single result is.
  if (!request_.to.compound || !std::isfinite(today.result)) {
    takeResult(conversion, texts);
    return;
  }
  const CompoundUnit& unit = request_.category->compoundUnits()[request_.to.index];
  if (!quantity_.compound) quantity_.compound.emplace();
  CompoundQuantity& quantity = *quantity_.compound;
  splitCompoundQuantity(*request_.category, unit, today.result, request_.denominator,
                        request_.style, quantity);
  conversion.result = quantity.inSmallestUnit;
  takeResult(conversion, texts, true);
  takeCompound(quantity);
}

}  // namespace vardeln
