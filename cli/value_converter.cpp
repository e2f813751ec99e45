// Vardeln — MIT licence, see LICENSE.
#include "value_converter.h"

#include <charconv>

#include "conversion.h"

namespace vardeln::cli {

ExitStatus statusOf(const Conversion& conversion) {
  switch (conversion.outcome) {
    case Conversion::Outcome::InvalidNumber: return ExitStatus::InvalidNumber;
    case Conversion::Outcome::Fault: return ExitStatus::Fault;
    case Conversion::Outcome::Result: break;
  }
  return isInfiniteResult(conversion) ? ExitStatus::Fault : ExitStatus::Success;
}

// std::to_chars writes infinities as "inf" and "-inf", which the exact form keeps.
std::string_view writeExact(double value, char* buffer) {
  const char* end = std::to_chars(buffer, buffer + kMaxFormattedLength, value).ptr;
  return {buffer, static_cast<std::size_t>(end - buffer)};
}

ValueConverter::ValueConverter(const Category& category, std::size_t from, std::size_t to,
                               ResultForm form)
    : category_(category), from_(from), to_(to), form_(form) {}

ConvertedValue ValueConverter::convert(std::string_view valueText) {
  const Conversion converted = vardeln::convert(category_, from_, to_, valueText);
  const ExitStatus status = statusOf(converted);
  const bool infinite = isInfiniteResult(converted);
  if (form_ == ResultForm::Exact && (status == ExitStatus::Success || infinite)) {
    return {writeExact(converted.result, text_), status, infinite};
  }
  return {writeResultText(converted, text_), status, infinite};
}

ConvertedForms ValueConverter::convertBothForms(std::string_view valueText) {
  const Conversion converted = vardeln::convert(category_, from_, to_, valueText);
  const std::string_view exact = converted.outcome == Conversion::Outcome::Result
                                     ? writeExact(converted.result, exactText_)
                                     : "";
  return {statusOf(converted), writeResultText(converted, text_), exact,
          isInfiniteResult(converted)};
}

}  // namespace vardeln::cli
