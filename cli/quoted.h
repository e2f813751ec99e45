// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vardeln::cli {

/// How much of a name a message repeats: enough to recognise any real label.
inline constexpr std::size_t kQuotedNameLimit = 64;

/// A name in double quotes for a one-line message. Control characters (a line feed in a
/// mistyped argument, a terminal escape) show as "?" so the message stays one plain line,
/// and a name longer than kQuotedNameLimit bytes is cut there, marked with "..." and its
/// length, so a pasted megabyte does not flood the terminal.
std::string quoted(std::string_view name);

}  // namespace vardeln::cli
