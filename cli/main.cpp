// Vardeln — MIT licence, see LICENSE.
#include <cstdio>
#include <string_view>
#include <vector>

#include "command_line.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  return static_cast<int>(vardeln::cli::runCommandLine(arguments, {stdin, stdout, stderr}));
}
