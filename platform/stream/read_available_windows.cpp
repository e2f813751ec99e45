// Vardeln — MIT licence, see LICENSE.
#include <io.h>

#include <climits>

#include "read_available.h"

namespace vardeln {

// The C run-time's _read returns what a pipe, a file or a console line holds now, waiting
// only while there is nothing; in binary mode it passes every byte unchanged. A pipe whose
// writer has gone reads as the end of the input.
ReadAvailable readAvailable(std::FILE* stream, char* into, std::size_t room) {
  const unsigned int asked = room < INT_MAX ? static_cast<unsigned int>(room) : INT_MAX;
  const int got = _read(_fileno(stream), into, asked);
  if (got >= 0) return {static_cast<std::size_t>(got), false};
  return {0, true};
}

}  // namespace vardeln
