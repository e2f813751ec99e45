// Vardeln — MIT licence, see LICENSE.
#pragma once

namespace vardeln {

/// Makes the standard streams carry bytes unchanged, whatever the system: a carriage return
/// or a byte 0x1A read is data, and every line written ends in a line feed alone. Called once,
/// before anything is read or written.
void useStandardStreamsAsBytes();

/// Whether the terminal shows the program's output as UTF-8, so that the signs of
/// arithmetic may be written; otherwise the program writes plain ASCII.
bool terminalShowsUtf8();

}  // namespace vardeln
