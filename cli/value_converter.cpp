// Vardeln — MIT licence, see LICENSE.
#include "value_converter.h"

#include <charconv>

#include "conversion.h"
#include "fp_status.h"

namespace vardeln::cli {

ValueConverter::ValueConverter(const UnitRule& from, const UnitRule& to, ResultForm form)
    : from_(from), to_(to), form_(form) {}

ConvertedValue ValueConverter::convert(std::string_view valueText) {
  const std::optional<double> x = parseNumber(valueText);
  if (!x) return {kInvalidNumber, ExitStatus::InvalidNumber};

  const BaseConversion converted = convertThroughBase(&from_, &to_, *x);
  if (converted.kind == BaseConversion::Kind::Fault) {
    return {faultName(converted.fault), ExitStatus::Fault};
  }
  // std::to_chars writes infinities as "inf" and "-inf", which the exact form keeps.
  const char* end = form_ == ResultForm::Exact
                        ? std::to_chars(text_, text_ + sizeof text_, converted.value).ptr
                        : formatDouble(converted.value, text_);
  return {std::string_view(text_, static_cast<std::size_t>(end - text_)), ExitStatus::Success};
}

}  // namespace vardeln::cli
