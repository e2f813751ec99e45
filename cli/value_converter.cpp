// Vardeln — MIT licence, see LICENSE.
#include "value_converter.h"

#include <charconv>

#include "conversion.h"
#include "fp_status.h"

namespace vardeln::cli {
namespace {

std::string_view writeShown(double value, char* buffer) {
  const char* end = formatDouble(value, buffer);
  return {buffer, static_cast<std::size_t>(end - buffer)};
}

}  // namespace

// std::to_chars writes infinities as "inf" and "-inf", which the exact form keeps.
std::string_view writeExact(double value, char* buffer) {
  const char* end = std::to_chars(buffer, buffer + kMaxFormattedLength, value).ptr;
  return {buffer, static_cast<std::size_t>(end - buffer)};
}

ValueConverter::ValueConverter(const Category& category, std::size_t from, std::size_t to,
                               ResultForm form)
    : category_(category), from_(from), to_(to), form_(form) {}

ConvertedValue ValueConverter::convert(std::string_view valueText) {
  const Outcome result = outcome(valueText);
  if (result.status != ExitStatus::Success) return {result.text, result.status};
  const std::string_view text = form_ == ResultForm::Exact ? writeExact(result.value, text_)
                                                           : writeShown(result.value, text_);
  return {text, ExitStatus::Success};
}

ConvertedForms ValueConverter::convertBothForms(std::string_view valueText) {
  const Outcome result = outcome(valueText);
  if (result.status != ExitStatus::Success) return {result.status, result.text, {}};
  return {ExitStatus::Success, writeShown(result.value, text_),
          writeExact(result.value, exactText_)};
}

ValueConverter::Outcome ValueConverter::outcome(std::string_view valueText) const {
  const Conversion converted = vardeln::convert(category_, from_, to_, valueText);
  switch (converted.outcome) {
    case Conversion::Outcome::InvalidNumber:
      return {ExitStatus::InvalidNumber, 0.0, kInvalidNumber};
    case Conversion::Outcome::Fault:
      return {ExitStatus::Fault, 0.0, faultName(converted.fault)};
    case Conversion::Outcome::Result:
      break;
  }
  return {ExitStatus::Success, converted.result, {}};
}

}  // namespace vardeln::cli
