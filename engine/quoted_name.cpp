// Vardeln — MIT licence, see LICENSE.
#include "quoted_name.h"

#include "utf8_sequence.h"

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
  for (std::size_t i = 0; i < shown.size();) {
    const auto byte = static_cast<unsigned char>(shown[i]);
    if (byte >= 0x20 && byte < 0x7F) {
      text += shown[i++];
      continue;
    }
    // A C1 control (U+0080..U+009F, the 8-bit CSI among them) and bytes that are no UTF-8
    // (which an 8-bit terminal reads as C1 controls) are as unsafe as a C0 control.
    const Utf8Sequence sequence =
        isUtf8Lead(byte) ? utf8Sequence(shown.substr(i)) : Utf8Sequence{1, 1};
    const bool wellFormed = sequence.length > 1 && sequence.wellFormed == sequence.length;
    const bool c1 = wellFormed && byte == 0xC2 && static_cast<unsigned char>(shown[i + 1]) < 0xA0;
    if (wellFormed && !c1) {
      text += shown.substr(i, sequence.length);
    } else {
      text += '?';
    }
    i += sequence.wellFormed;
  }
  text += '"';
  if (shown.size() < name.size()) {
    text += "... (" + std::to_string(name.size()) + " bytes)";
  }
  return text;
}

}  // namespace vardeln
