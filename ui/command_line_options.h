// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <optional>

#include <QStringList>

namespace vardeln {

/// Answers --help and --version from the raw arguments, before the window system is
/// reached, so that both work without a display. Returns the exit status when one of them
/// was given (the program then ends), nothing otherwise.
std::optional<int> answerInformationOptions(int argc, const char* const* argv);

/// Checks what is left once Qt has taken its own options (-platform, -style, -stylesheet…):
/// the window takes no arguments of its own. Returns exit status 2 after naming the first
/// unknown option or stray argument on standard error, nothing when all is well.
std::optional<int> rejectUnknownArguments(const QStringList& remaining);

}  // namespace vardeln
