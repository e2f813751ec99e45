// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <optional>

namespace vardeln {

/// Reads the program's arguments before the window system is reached, so that every answer
/// comes without a display: --help and --version are answered on standard output (status 0),
/// and an unknown option or a stray argument is refused on standard error (status 2). Qt's
/// own options (-platform NAME, -style NAME, -stylesheet FILE, -reverse...) are left for Qt.
/// Returns the exit status when the program ends here, nothing when the window may open.
std::optional<int> answerCommandLine(int argc, const char* const* argv);

}  // namespace vardeln
