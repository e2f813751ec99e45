// Vardeln — MIT licence, see LICENSE.
#include "quoted_name.h"

namespace vardeln {
namespace {

bool isUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The longest start of the name within the limit that does not split a UTF-8 character.
std::string_view shownPart(std::string_view name) {
  if (name.size() <= kQuotedNameLimit) return name;
  std::size_t cut = kQuotedNameLimit;
  while (cut > 0 && isUtf8Continuation(name[cut])) --cut;
  return name.substr(0, cut);
}

}  // namespace

std::string quotedName(std::string_view name) {
  const std::string_view shown = shownPart(name);
  std::string text = "\"";
  for (const char c : shown) {
    const auto byte = static_cast<unsigned char>(c);
    text += byte < 0x20 || byte == 0x7F ? '?' : c;
  }
  text += '"';
  if (shown.size() < name.size()) {
    text += "... (" + std::to_string(name.size()) + " bytes)";
  }
  return text;
}

}  // namespace vardeln
