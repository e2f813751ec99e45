// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vardeln::cli {

/// The most bytes a text of `size` bytes takes as a JSON string: six for each byte
/// (\u00XX) and the two quotes.
constexpr std::size_t jsonStringBound(std::size_t size) { return 6 * size + 2; }

/// Writes `text` as a JSON string in double quotes, valid JSON whatever the
/// bytes: quotes and backslashes are escaped, control characters written as \n, \t and the
/// like or \u00XX, and well-formed UTF-8 copied as it is. A byte sequence that is not
/// well-formed UTF-8 (a stray continuation byte, an unfinished or overlong sequence, an
/// encoded surrogate, a code point above U+10FFFF) becomes U+FFFD, one for each maximal
/// ill-formed part, as the Unicode Standard recommends and browsers and Python decode it.
///
/// `out` has room for jsonStringBound(text.size()) bytes; returns one past the last byte
/// written. Writes to a caller's buffer, so that a batch needs no memory per line.
char* writeJsonString(std::string_view text, char* out);

/// writeJsonString appended to a string.
void appendJsonString(std::string& json, std::string_view text);

}  // namespace vardeln::cli
