// Vardeln — MIT licence, see LICENSE.
#include "freed_memory.h"

namespace vardeln {

// Without glibc there is no standard way to ask; the allocator keeps to its own policy.
void returnFreedMemory() {}

}  // namespace vardeln
