// Vardeln — MIT licence, see LICENSE.
// Text to double and back through the C++ library's own conversions, which know no locale.
#include <charconv>

#include "decimal_text.h"

namespace vardeln {

DecimalReading readDecimal(std::string_view text, double& value) {
  if (!hasDecimalCharacters(text)) return DecimalReading::Malformed;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) return DecimalReading::OutOfRange;
  if (error != std::errc() || end != text.data() + text.size()) return DecimalReading::Malformed;
  return DecimalReading::Value;
}

char* writeDecimal(double value, int significantDigits, char* out) {
  return std::to_chars(out, out + kMaxDecimalLength, value, std::chars_format::general,
                       significantDigits)
      .ptr;
}

char* writeDecimal(double value, DecimalForm form, int decimals, char* out) {
  const auto format =
      form == DecimalForm::Fixed ? std::chars_format::fixed : std::chars_format::scientific;
  return std::to_chars(out, out + kMaxFormDecimalLength, value, format, decimals).ptr;
}

char* writeShortest(double value, char* out) {
  return std::to_chars(out, out + kMaxDecimalLength, value).ptr;
}

}  // namespace vardeln
