// Vardeln — MIT licence, see LICENSE.
// The numeric test and text-to-double, held against a reference written another way: a
// regular expression of the number grammar and the C library's strtod in the "C" locale.
#include <locale.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <regex>
#include <string>

#include "number_text.h"

namespace {

// Written so that every text has at most one way to match: std::regex searches depth-first,
// and a choice such as "[0-9]+\.?[0-9]*" would try every split of a long run of digits.
const std::regex& numberGrammar() {
  static const std::regex grammar(
      R"(^[ \t\n\r\v\f]*[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t\n\r\v\f]*$)",
      std::regex::ECMAScript | std::regex::optimize);
  return grammar;
}

// The text with the digits of one script of the user's (Devanagari, Bengali, Gurmukhi,
// Gujarati, Arabic-Indic, Extended Arabic-Indic) replaced by ASCII's, each digit found as its
// UTF-8 text; the text unchanged where it has none or mixes two scripts, ASCII included.
std::string withAsciiDigits(const std::string& text) {
  static const char* const kZeros[] = {"\u0660", "\u06F0", "\u0966", "\u09E6", "\u0A66", "\u0AE6"};
  std::string replaced = text;
  int scripts = text.find_first_of("0123456789") != std::string::npos ? 1 : 0;
  for (const char* zero : kZeros) {
    std::string digit = zero;
    bool found = false;
    for (char ascii = '0'; ascii <= '9'; ++ascii, ++digit.back()) {
      for (std::size_t at; (at = replaced.find(digit)) != std::string::npos; found = true) {
        replaced.replace(at, digit.size(), 1, ascii);
      }
    }
    scripts += found ? 1 : 0;
  }
  return scripts == 1 ? replaced : text;
}

std::optional<double> referenceNumber(const std::string& typed) {
  const std::string text = withAsciiDigits(typed);
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
    // The result box's text of every double reads back as a number: the four largest of each
    // sign, which fifteen digits rounded to nearest would show past the largest double, show
    // rounded toward zero.
    if (std::isfinite(value)) {
      const std::string shown = vardeln::formatDouble(value);
      require(vardeln::isNumber(shown), "a shown double is not a number");
      if (std::fabs(value) > 1.797693134862315e308) {
        require(shown == (value > 0 ? "1.79769313486231E+308" : "-1.79769313486231E+308"),
                "a double past the last one rounded to nearest shows some other text");
      }
    }
  }
  return 0;
}
