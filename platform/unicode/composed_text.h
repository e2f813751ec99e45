// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>
#include <string_view>

namespace vardeln {

/// A well-formed UTF-8 text in Unicode's canonical composition (NFC), by the platform's own
/// Unicode library: "A" with a combining ring above, and the angstrom sign U+212B, both become
/// "Å" (U+00C5), so that a name reads the same however the keyboard or the page it was copied
/// from wrote it.
std::string composedText(std::string_view utf8);

}  // namespace vardeln
