// Vardeln — MIT licence, see LICENSE.
#include "value_converter.h"

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

ExitStatus statusOf(const ConversionOutcome& outcome) {
  switch (outcome.kind) {
    case ConversionOutcome::Kind::InvalidNumber:
    case ConversionOutcome::Kind::OutOfRange:
      return ExitStatus::InvalidNumber;
    case ConversionOutcome::Kind::Fault:
      return ExitStatus::Fault;
    case ConversionOutcome::Kind::NoDefinitionToday:
      return ExitStatus::UsageError;
    case ConversionOutcome::Kind::Result:
      break;
  }
  return outcome.infinite ? ExitStatus::Fault : ExitStatus::Success;
}

ValueConverter::ValueConverter(const ConversionRequest& request, ResultForm form)
    : converter_(request), form_(form) {}

ConvertedValue ValueConverter::convert(std::string_view valueText) {
  // Only a single unit's result is written in the exact form.
  const bool exactForm = form_ == ResultForm::Exact && !converter_.request().to.compound;
  const ConversionOutcome& outcome =
      converter_.convert(valueText, exactForm ? ResultTexts::Exact : ResultTexts::Shown);
  const ExitStatus status = statusOf(outcome);
  if (outcome.kind == ConversionOutcome::Kind::NoDefinitionToday) {
    return {kNoDefinitionToday, status, false};
  }
  if (exactForm && outcome.kind == ConversionOutcome::Kind::Result) {
    return {outcome.exact, status, outcome.infinite};
  }
  // A plain line says what rounding the last part did after the quantity.
  if (outcome.compound && !outcome.compound->rounding.empty()) {
    withRounding_.assign(outcome.shown).append(" (").append(outcome.compound->rounding).append(")");
    return {withRounding_, status, outcome.infinite};
  }
  return {outcome.shown, status, outcome.infinite};
}

ConvertedForms ValueConverter::convertBothForms(std::string_view valueText) {
  const ConversionOutcome& outcome = converter_.convert(valueText, ResultTexts::Both);
  const std::string_view shown = outcome.kind == ConversionOutcome::Kind::NoDefinitionToday
                                     ? kNoDefinitionToday
                                     : outcome.shown;
  return {statusOf(outcome), shown, outcome.exact, outcome.infinite, outcome.compound};
}

}  // namespace vardeln::cli
