// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>
#include <string_view>

namespace vardeln::cli {

/// A name in double quotes for a one-line message. Control characters (a line feed in a
/// mistyped argument, a terminal escape) show as "?" so the message stays one plain line.
std::string quoted(std::string_view name);

}  // namespace vardeln::cli
