// Vardeln — MIT licence, see LICENSE.
#include "utf8_sequence.h"

namespace vardeln {

Utf8Sequence utf8Sequence(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  // The second byte's range depends on the lead: it rules out overlong forms, surrogates
  // and code points beyond U+10FFFF.
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  std::size_t taken = 1;
  for (; taken < length && taken < text.size(); ++taken) {
    const auto byte = static_cast<unsigned char>(text[taken]);
    if (byte < low || byte > high) break;
    low = 0x80;
    high = 0xBF;
  }
  return {length, taken};
}

}  // namespace vardeln
