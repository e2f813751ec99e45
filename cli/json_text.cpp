// Vardeln — MIT licence, see LICENSE.
#include "json_text.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace vardeln::cli {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// What a byte needs when it starts a character: nothing (copied as it is), an escape, or
// a look at the bytes after it.
enum class ByteKind : std::uint8_t { Plain, Escape, MultiByte, Invalid };

constexpr std::array<ByteKind, 256> kByteKinds = [] {
  std::array<ByteKind, 256> kinds{};
  for (std::size_t byte = 0; byte < kinds.size(); ++byte) {
    if (byte < 0x20 || byte == '"' || byte == '\\') {
      kinds[byte] = ByteKind::Escape;
    } else if (byte < 0x80) {
      kinds[byte] = ByteKind::Plain;
    } else if (byte >= 0xC2 && byte <= 0xF4) {
      kinds[byte] = ByteKind::MultiByte;
    } else {
      kinds[byte] = ByteKind::Invalid;  // a continuation byte, an overlong lead, or beyond
    }
  }
  return kinds;
}();

void appendEscape(std::string& json, unsigned char byte) {
  switch (byte) {
    case '"':
      json += "\\\"";
      return;
    case '\\':
      json += "\\\\";
      return;
    case '\b':
      json += "\\b";
      return;
    case '\f':
      json += "\\f";
      return;
    case '\n':
      json += "\\n";
      return;
    case '\r':
      json += "\\r";
      return;
    case '\t':
      json += "\\t";
      return;
    default:
      break;
  }
  constexpr std::string_view kHexDigits = "0123456789abcdef";
  json += "\\u00";
  json += kHexDigits[byte >> 4];
  json += kHexDigits[byte & 0xF];
}

// The UTF-8 sequence a lead byte of C2..F4 at text[0] begins: how long it should be, and
// how many of its bytes are there and well-formed. When fewer are, those bytes are the
// maximal ill-formed part that one U+FFFD replaces.
struct Utf8Sequence {
  std::size_t length;
  std::size_t wellFormed;
};

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

}  // namespace

void appendJsonString(std::string& json, std::string_view text) {
  json += '"';
  std::size_t i = 0;
  while (i < text.size()) {
    // Runs of plain characters, the whole of an ordinary number, are copied at once.
    std::size_t plainEnd = i;
    while (plainEnd < text.size() &&
           kByteKinds[static_cast<unsigned char>(text[plainEnd])] == ByteKind::Plain) {
      ++plainEnd;
    }
    json.append(text, i, plainEnd - i);
    i = plainEnd;
    if (i == text.size()) break;

    const auto byte = static_cast<unsigned char>(text[i]);
    if (kByteKinds[byte] == ByteKind::Escape) {
      appendEscape(json, byte);
      ++i;
    } else if (kByteKinds[byte] == ByteKind::MultiByte) {
      const Utf8Sequence sequence = utf8Sequence(text.substr(i));
      if (sequence.wellFormed == sequence.length) {
        json.append(text, i, sequence.length);
      } else {
        json += kReplacementCharacter;
      }
      i += sequence.wellFormed;
    } else {
      json += kReplacementCharacter;
      ++i;
    }
  }
  json += '"';
}

}  // namespace vardeln::cli
