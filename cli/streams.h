// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstdio>

#include "rule_text.h"

namespace vardeln::cli {

/// Where the command line reads values and writes results and messages: the process's
/// standard streams, or files a test prepared; and the characters a person reads them in.
struct Streams {
  std::FILE* in;
  std::FILE* out;
  std::FILE* err;
  Script script = Script::Unicode;
};

}  // namespace vardeln::cli
