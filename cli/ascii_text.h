// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>
#include <string_view>

namespace vardeln::cli {

/// UTF-8 text as plain ASCII, for a terminal whose character set has no more: the letters
/// and signs the tables and today's definitions use in their nearest ASCII ("Réaumur" as
/// "Reaumur", "—" as "-", "×" as "*"), anything else as "?".
std::string asciiText(std::string_view text);

}  // namespace vardeln::cli
