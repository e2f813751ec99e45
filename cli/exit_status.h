// Vardeln — MIT licence, see LICENSE.
#pragma once

namespace vardeln::cli {

/// How vardeln-convert ends. Scripts rely on these numbers; a larger one is the more serious.
enum class ExitStatus {
  Success = 0,        ///< every result, or the text asked for, was written
  InvalidNumber = 1,  ///< a value was not a number ("Invalid Number" was written)
  UsageError = 2,     ///< bad arguments, an unknown category or an unknown unit
  Fault = 3,          ///< a floating-point fault, or an infinite result (shown, no number)
  IoFailure = 4,      ///< standard input could not be read or standard output written
};

/// The more serious of two statuses.
constexpr ExitStatus worse(ExitStatus a, ExitStatus b) { return a < b ? b : a; }

}  // namespace vardeln::cli
