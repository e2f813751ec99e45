// Vardeln — MIT licence, see LICENSE.
#include "fp_status.h"

#include <cmath>

namespace vardeln {

FloatingPointFault storedValueStatus(double value) {
  if (std::isnan(value)) return FloatingPointFault::InvalidOperation;
  if (std::isinf(value)) return FloatingPointFault::Overflow;
  return FloatingPointFault::None;
}

FloatingPointFault shownValueStatus(double value) {
  return std::isnan(value) ? FloatingPointFault::InvalidOperation : FloatingPointFault::None;
}

}  // namespace vardeln
