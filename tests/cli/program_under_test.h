// Vardeln — MIT licence, see LICENSE.
// The program the process tests run: this build's vardeln-convert, or what the environment
// names instead (the Windows stage runs the Windows program under wine this way).
#pragma once

#include <cstdlib>

inline const char* programUnderTest() {
  const char* named = std::getenv("VARDELN_CONVERT");
  return named != nullptr ? named : VARDELN_CONVERT;
}
