// Vardeln — MIT licence, see LICENSE.
#include <cstdio>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "console.h"
#include "locale_script.h"

int main(int argc, char** argv) {
  vardeln::useStandardStreamsAsBytes();
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const vardeln::cli::Streams streams{stdin, stdout, stderr, vardeln::cli::localeScript()};
  return static_cast<int>(vardeln::cli::runCommandLine(arguments, streams));
}
