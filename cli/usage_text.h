// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string_view>

namespace vardeln::cli {

/// What --help prints.
std::string_view usageText();

/// What --version prints: "vardeln-convert" and the release.
std::string_view versionText();

}  // namespace vardeln::cli
