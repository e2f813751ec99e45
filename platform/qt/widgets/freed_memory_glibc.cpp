// Vardeln — MIT licence, see LICENSE.
#include <malloc.h>

#include "freed_memory.h"

namespace vardeln {

void returnFreedMemory() { malloc_trim(0); }

}  // namespace vardeln
