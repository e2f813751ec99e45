// Vardeln — MIT licence, see LICENSE.
#pragma once

namespace vardeln {

/// Hands back to the system the memory the program has freed but its allocator still holds.
/// Reading megabytes from the clipboard leaves tens of megabytes behind in glibc's heap,
/// which raises its own threshold for giving memory back after each large block it frees.
void returnFreedMemory();

}  // namespace vardeln
