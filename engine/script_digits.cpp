// Vardeln — MIT licence, see LICENSE.
#include "script_digits.h"

#include <algorithm>
#include <array>

#include "number_text.h"

namespace vardeln {
namespace {

// The zero of each script whose ten digits the converter reads; each script's digits follow
// its zero in the order 0 to 9, as Unicode places every run of decimal digits.
constexpr std::array<char32_t, 6> kZeros = {0x0660, 0x06F0, 0x0966, 0x09E6, 0x0A66, 0x0AE6};

// The code point of a two- or three-byte UTF-8 sequence at the start of `text`, with its
// length, where it is one of those digits; every such digit is below U+0B00.
struct ScriptDigit {
  char32_t zero = 0;
  int value = -1;
  std::size_t length = 1;
};

ScriptDigit scriptDigitAt(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const auto continues = [&](std::size_t i) { return i < text.size() && (byte(i) & 0xC0) == 0x80; };
  char32_t code = 0;
  std::size_t length = 0;
  if ((byte(0) & 0xE0) == 0xC0 && continues(1)) {
    code = (char32_t{byte(0)} & 0x1F) << 6 | (byte(1) & 0x3F);
    length = 2;
  } else if (byte(0) == 0xE0 && continues(1) && byte(1) >= 0xA0 && continues(2)) {  // not overlong
    code = (char32_t{byte(1)} & 0x3F) << 6 | (byte(2) & 0x3F);
    length = 3;
  }
  for (const char32_t zero : kZeros) {
    if (code >= zero && code <= zero + 9) return {zero, static_cast<int>(code - zero), length};
  }
  return {};
}

}  // namespace

bool hasNonAscii(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

std::optional<std::string> scriptDigitsAsAscii(std::string_view text) {
  std::string ascii;
  ascii.reserve(text.size());
  char32_t script = 0;
  bool asciiDigit = false;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (static_cast<unsigned char>(c) < 0x80) {
      asciiDigit = asciiDigit || isDigit(c);
      ascii += c;
      ++i;
      continue;
    }
    const ScriptDigit digit = scriptDigitAt(text.substr(i));
    if (digit.value < 0) {
      ascii += c;
      ++i;
      continue;
    }
    if (script != 0 && script != digit.zero) return std::nullopt;
    script = digit.zero;
    ascii += static_cast<char>('0' + digit.value);
    i += digit.length;
  }
  if (script == 0 || asciiDigit) return std::nullopt;
  return ascii;
}

std::string_view inAsciiDigits(std::string_view text, std::optional<std::string>& ascii) {
  if (hasNonAscii(text)) ascii = scriptDigitsAsAscii(text);
  return ascii ? std::string_view(*ascii) : text;
}

}  // namespace vardeln
