// Vardeln — MIT licence, see LICENSE.
// The numeric test and text-to-double, held against a reference written another way: a
// regular expression of the number grammar and the C library's strtod in the "C" locale.
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <optional>
#include <regex>
#include <string>

#include "platform/numeric/number_text.h"

namespace {

const std::regex& numberGrammar() {
  static const std::regex grammar(
      R"(^[ \t\n\r\v\f]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t\n\r\v\f]*$)",
      std::regex::ECMAScript | std::regex::optimize);
  return grammar;
}

std::optional<double> referenceNumber(const std::string& text) {
  // std::regex's '$' would also match before a final line break; the grammar forbids any
  // character the regex does not name, so a NUL inside the text is simply not a number.
  if (text.find('\0') != std::string::npos) return std::nullopt;
  if (!std::regex_match(text, numberGrammar())) return std::nullopt;
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  const double value = strtod_l(text.c_str(), nullptr, cLocale);
  if (std::isinf(value)) return std::nullopt;  // beyond the double range
  return value;
}

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<double> ours = vardeln::parseNumber(text);
  const std::optional<double> reference = referenceNumber(text);
  require(ours.has_value() == reference.has_value(), "numeric test disagrees with the grammar");
  if (ours) {
    require(std::isfinite(*ours), "an accepted text reads as a non-finite double");
    require(sameBits(*ours, *reference), "text to double disagrees with strtod");
  }

  if (size == sizeof(double)) {
    double value;
    std::memcpy(&value, data, sizeof value);
    // The result box's text of a double reads back as a number, unless rounding it to
    // fifteen digits carried it past the largest double.
    if (std::isfinite(value) && std::fabs(value) <= 1.797693134862315e308) {
      require(vardeln::isNumber(vardeln::formatDouble(value)), "a shown double is not a number");
    }
  }
  return 0;
}
