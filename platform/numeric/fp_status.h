// Vardeln — MIT licence, see LICENSE.
#pragma once

namespace vardeln {

/// The floating-point faults that stop a conversion run.
enum class FloatingPointFault { None, InvalidOperation, DivisionByZero, Overflow };

/// The fault a value reports when it is stored as a double: a value beyond the double range
/// is an overflow, a value that is not a number an invalid operation. Underflow and inexact
/// results are never faults.
///
/// Every rule divides only by non-zero constants and receives a finite operand, so an
/// infinity can only come from an overflow, never from a division by zero; the value alone
/// therefore gives the same outcome as the processor's flags would.
FloatingPointFault storedValueStatus(double value);

/// The fault a value reports when it is handed on to be shown rather than stored: an
/// infinity is no fault here, it is shown as such; a value that is not a number is an
/// invalid operation.
FloatingPointFault shownValueStatus(double value);

}  // namespace vardeln
