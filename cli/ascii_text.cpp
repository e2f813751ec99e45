// Vardeln — MIT licence, see LICENSE.
#include "ascii_text.h"

#include <array>
#include <utility>

#include "utf8_sequence.h"

namespace vardeln::cli {
namespace {

// clang-format off
constexpr std::array<std::pair<std::string_view, std::string_view>, 16> kNearestAscii{{
    {"\u00E9", "e"},   {"\u00C9", "E"},   {"\u2014", "-"},  {"\u2013", "-"},
    {"\u2212", "-"},   {"\u2026", "..."}, {"\u221A", "sqrt"}, {"\u00F7", "/"},
    {"\u00D7", "*"},   {"\u00B7", "*"},   {"\u2248", "~"},  {"\u2192", "->"},
    {"\u00B5", "u"},   {"\u03BC", "u"},   {"\u00B0", "deg"}, {"\u00A0", " "},
}};
// clang-format on

}  // namespace

std::string asciiText(std::string_view text) {
  std::string ascii;
  ascii.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      ascii += text[i++];
      continue;
    }
    const Utf8Sequence sequence =
        isUtf8Lead(byte) ? utf8Sequence(text.substr(i)) : Utf8Sequence{1, 1};
    const std::string_view character = text.substr(i, sequence.wellFormed);
    std::string_view nearest = "?";
    for (const auto& [utf8, replacement] : kNearestAscii) {
      if (character == utf8) nearest = replacement;
    }
    ascii += nearest;
    i += sequence.wellFormed;
  }
  return ascii;
}

}  // namespace vardeln::cli
