// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>
#include <string_view>

namespace vardeln::cli {

/// Appends `text` to `json` as a JSON string in double quotes, valid JSON whatever the
/// bytes: quotes and backslashes are escaped, control characters written as \n, \t and the
/// like or \u00XX, and well-formed UTF-8 copied as it is. A byte sequence that is not
/// well-formed UTF-8 (a stray continuation byte, an unfinished or overlong sequence, an
/// encoded surrogate, a code point above U+10FFFF) becomes U+FFFD, one for each maximal
/// ill-formed part, as the Unicode Standard recommends and browsers and Python decode it.
void appendJsonString(std::string& json, std::string_view text);

}  // namespace vardeln::cli
