// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstdio>

namespace vardeln::cli {

/// Where the command line reads values and writes results and messages: the process's
/// standard streams, or files a test prepared.
struct Streams {
  std::FILE* in;
  std::FILE* out;
  std::FILE* err;
};

}  // namespace vardeln::cli
