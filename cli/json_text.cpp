// Vardeln — MIT licence, see LICENSE.
#include "json_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "utf8_sequence.h"

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
    } else if (isUtf8Lead(static_cast<unsigned char>(byte))) {
      kinds[byte] = ByteKind::MultiByte;
    } else {
      kinds[byte] = ByteKind::Invalid;  // a continuation byte, an overlong lead, or beyond
    }
  }
  return kinds;
}();

// Eight bytes at a time: whether any of the bytes in `word` needs more than a copy (a
// control character, a quote, a backslash, a byte of a multi-byte character). Each test is
// exact for "any byte": a borrow can only mark a byte above one that is truly marked.
constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

constexpr bool anyByteBelow(std::uint64_t word, std::uint8_t limit) {
  return ((word - limit * kOnes) & ~word & kHighBits) != 0;
}

constexpr bool anyByteIs(std::uint64_t word, char c) {
  return anyByteBelow(word ^ (static_cast<std::uint8_t>(c) * kOnes), 1);
}

constexpr bool needsMoreThanCopy(std::uint64_t word) {
  return (word & kHighBits) != 0 || anyByteBelow(word, 0x20) || anyByteIs(word, '"') ||
         anyByteIs(word, '\\');
}

char* writeEscape(unsigned char byte, char* out) {
  *out++ = '\\';
  switch (byte) {
    case '"':
    case '\\':
      *out++ = static_cast<char>(byte);
      return out;
    case '\b':
      *out++ = 'b';
      return out;
    case '\f':
      *out++ = 'f';
      return out;
    case '\n':
      *out++ = 'n';
      return out;
    case '\r':
      *out++ = 'r';
      return out;
    case '\t':
      *out++ = 't';
      return out;
    default:
      break;
  }
  constexpr std::string_view kHexDigits = "0123456789abcdef";
  for (const char c : {'u', '0', '0', kHexDigits[byte >> 4], kHexDigits[byte & 0xF]}) *out++ = c;
  return out;
}

char* copy(std::string_view bytes, char* out) {
  std::memcpy(out, bytes.data(), bytes.size());
  return out + bytes.size();
}

}  // namespace

char* writeJsonString(std::string_view text, char* out) {
  *out++ = '"';
  std::size_t i = 0;
  while (i < text.size()) {
    // Plain characters, the whole of an ordinary number, are copied eight at a time and then
    // one by one: numbers are short, and a call to copy each run would cost more than that.
    for (std::uint64_t word; text.size() - i >= sizeof word; i += sizeof word) {
      std::memcpy(&word, text.data() + i, sizeof word);
      if (needsMoreThanCopy(word)) break;
      std::memcpy(out, &word, sizeof word);
      out += sizeof word;
    }
    while (i < text.size() && kByteKinds[static_cast<unsigned char>(text[i])] == ByteKind::Plain) {
      *out++ = text[i++];
    }
    if (i == text.size()) break;

    const auto byte = static_cast<unsigned char>(text[i]);
    if (kByteKinds[byte] == ByteKind::Escape) {
      out = writeEscape(byte, out);
      ++i;
    } else if (kByteKinds[byte] == ByteKind::MultiByte) {
      const Utf8Sequence sequence = utf8Sequence(text.substr(i));
      out = copy(sequence.wellFormed == sequence.length ? text.substr(i, sequence.length)
                                                        : kReplacementCharacter,
                 out);
      i += sequence.wellFormed;
    } else {
      out = copy(kReplacementCharacter, out);
      ++i;
    }
  }
  *out++ = '"';
  return out;
}

void appendJsonString(std::string& json, std::string_view text) {
  const std::size_t start = json.size();
  json.resize(start + jsonStringBound(text.size()));
  const char* end = writeJsonString(text, json.data() + start);
  json.resize(static_cast<std::size_t>(end - json.data()));
}

}  // namespace vardeln::cli
