// Vardeln — MIT licence, see LICENSE.
#include <unistd.h>

#include <cerrno>

#include "read_available.h"

namespace vardeln {

ReadAvailable readAvailable(std::FILE* stream, char* into, std::size_t room) {
  for (;;) {
    const ssize_t got = ::read(fileno(stream), into, room);
    if (got >= 0) return {static_cast<std::size_t>(got), false};
    // A signal that interrupted the wait is no end of the input.
    if (errno != EINTR) return {0, true};
  }
}

}  // namespace vardeln
