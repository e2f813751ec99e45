// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <cstdio>

namespace vardeln {

/// What one read gave: how many bytes, none at the end of the input or on an error.
struct ReadAvailable {
  std::size_t size = 0;
  bool failed = false;
};

/// Reads at most `room` bytes of what the stream has now, waiting only while it has nothing,
/// so that a line typed at a terminal or written by a coprocess is seen at once. The stream's
/// own buffer is passed by: it must not have been read through the C library before.
ReadAvailable readAvailable(std::FILE* stream, char* into, std::size_t room);

}  // namespace vardeln
