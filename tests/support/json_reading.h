// Vardeln — MIT licence, see LICENSE.
// Reads back the JSON that vardeln-convert writes, strictly: a string with only the escapes
// JSON allows and well-formed UTF-8, and a one-line object whose values are strings, null
// or whole numbers. Written apart from the program's writer, so that each checks the other.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vardeln::testing {

// The code point of the well-formed UTF-8 character at text[0], and its length; nothing for
// a byte sequence that is not one.
inline std::optional<std::pair<char32_t, std::size_t>> utf8Character(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  const std::size_t length = lead < 0x80       ? 1
                             : lead >> 5 == 6  ? 2
                             : lead >> 4 == 14 ? 3
                             : lead >> 3 == 30 ? 4
                                               : 0;
  if (length == 0 || text.size() < length) return std::nullopt;
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if (byte(i) >> 6 != 2) return std::nullopt;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return std::nullopt;
  }
  return std::pair{code, length};
}

inline void appendUtf8(std::string& text, char32_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Reads a JSON string at the start of `json` and removes it from there; nothing when the
// text is not a valid JSON string of well-formed UTF-8. \u escapes of surrogates are
// refused, since the writer never needs them.
inline std::optional<std::string> readJsonString(std::string_view& json) {
  if (json.empty() || json.front() != '"') return std::nullopt;
  std::string text;
  std::size_t i = 1;
  while (i < json.size() && json[i] != '"') {
    const auto c = static_cast<unsigned char>(json[i]);
    if (c < 0x20) return std::nullopt;
    if (c != '\\') {
      const auto character = utf8Character(json.substr(i));
      if (!character) return std::nullopt;
      text.append(json.substr(i, character->second));
      i += character->second;
      continue;
    }
    if (++i == json.size()) return std::nullopt;
    const std::string_view simple = "\"\\/bfnrt";
    const std::string_view meaning = "\"\\/\b\f\n\r\t";
    if (const std::size_t at = simple.find(json[i]); at != std::string_view::npos) {
      text += meaning[at];
      ++i;
      continue;
    }
    if (json[i] != 'u' || json.size() < i + 5) return std::nullopt;
    char32_t code = 0;
    for (const char digit : json.substr(i + 1, 4)) {
      const std::size_t value =
          std::string_view("0123456789abcdef").find(static_cast<char>(digit | 0x20));
      if (value == std::string_view::npos) return std::nullopt;
      code = code * 16 + static_cast<char32_t>(value);
    }
    if (code >= 0xD800 && code <= 0xDFFF) return std::nullopt;
    appendUtf8(text, code);
    i += 5;
  }
  if (i == json.size()) return std::nullopt;
  json.remove_prefix(i + 1);
  return text;
}

// A value of a record: a string, or null (nothing), or a whole number as its digits.
using JsonRecord = std::map<std::string, std::optional<std::string>>;

// Reads a one-line JSON object of string, null and whole-number values; nothing when the line
// is anything else (a line feed inside, a missing quote, a trailing comma...).
inline std::optional<JsonRecord> readJsonRecord(std::string_view line) {
  JsonRecord record;
  if (line.size() < 2 || line.front() != '{') return std::nullopt;
  line.remove_prefix(1);
  while (!line.starts_with('}')) {
    if (!record.empty()) {
      if (!line.starts_with(',')) return std::nullopt;
      line.remove_prefix(1);
    }
    const std::optional<std::string> key = readJsonString(line);
    if (!key || !line.starts_with(':')) return std::nullopt;
    line.remove_prefix(1);
    if (line.starts_with("null")) {
      record[*key] = std::nullopt;
      line.remove_prefix(4);
    } else if (!line.empty() && line.front() >= '0' && line.front() <= '9') {
      const std::size_t digits = line.find_first_not_of("0123456789");
      record[*key] = std::string(line.substr(0, digits));
      line.remove_prefix(digits == std::string_view::npos ? line.size() : digits);
    } else {
      const std::optional<std::string> value = readJsonString(line);
      if (!value) return std::nullopt;
      record[*key] = *value;
    }
  }
  if (line != "}") return std::nullopt;
  return record;
}

}  // namespace vardeln::testing
