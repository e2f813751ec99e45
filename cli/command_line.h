// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <span>
#include <string_view>

#include "exit_status.h"
#include "streams.h"

namespace vardeln::cli {

/// The whole of vardeln-convert: reads the arguments (without the program's name), does
/// what they ask with the given streams, and says how the program ends.
ExitStatus runCommandLine(std::span<const std::string_view> arguments, const Streams& streams);

}  // namespace vardeln::cli
