// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vardeln {

/// How much of a name a message repeats: enough to recognise any real label.
inline constexpr std::size_t kQuotedNameLimit = 64;

/// A name a user gave, in double quotes, for a one-line message (the command line's errors, a
/// link's note). Control characters, C0 and C1 (a line feed in a mistyped argument, a terminal
/// escape), and each ill-formed part of the UTF-8 show as "?" so the message stays one plain
/// line, and a name longer than kQuotedNameLimit
/// bytes is cut there, marked with "..." and its length, so a pasted megabyte does not flood
/// the terminal or the page.
std::string quotedName(std::string_view name);

}  // namespace vardeln
