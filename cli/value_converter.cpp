// Vardeln — MIT licence, see LICENSE.
#include "value_converter.h"

#include <charconv>

#include "conversion.h"
#include "fp_status.h"

namespace vardeln::cli {

ValueConverter::ValueConverter(const Category& category, std::size_t from, std::size_t to,
                               ResultForm form)
    : category_(category), from_(from), to_(to), form_(form) {}

ConvertedValue ValueConverter::convert(std::string_view valueText) {
  const Conversion converted = vardeln::convert(category_, from_, to_, valueText);
  switch (converted.outcome) {
    case Conversion::Outcome::InvalidNumber:
      return {kInvalidNumber, ExitStatus::InvalidNumber};
    case Conversion::Outcome::Fault:
      return {faultName(converted.fault), ExitStatus::Fault};
    case Conversion::Outcome::Result:
      break;
  }
  // std::to_chars writes infinities as "inf" and "-inf", which the exact form keeps.
  const char* end = form_ == ResultForm::Exact
                        ? std::to_chars(text_, text_ + sizeof text_, converted.result).ptr
                        : formatDouble(converted.result, text_);
  return {std::string_view(text_, static_cast<std::size_t>(end - text_)), ExitStatus::Success};
}

}  // namespace vardeln::cli
