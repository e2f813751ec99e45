// Vardeln — MIT licence, see LICENSE.
// One entry of the golden table: a unit's rule in one direction at one input, with the
// double it gives and the fault the converter reports for it. Plain C++, so every build
// that ships the engine (native or WebAssembly) can read and check the table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "category.h"

namespace vardeln::golden {

enum class Direction { ToBase, FromBase };

/// A double's 64-bit pattern; the table stores values this way so that reading them back
/// needs no floating-point parsing and gives the same bits on every platform.
using Bits = std::uint64_t;

Bits bitsOf(double value);
double doubleOf(Bits bits);

/// The pattern as the table writes it: sixteen lower-case hexadecimal digits.
std::string hexBits(Bits bits);

/// What one rule gives at one input: the raw double (even when it is a fault) and the
/// converter's verdict on it, "ok", "overflow" or "invalid" ("division-by-zero" is never
/// produced by a value alone, but is read if it appears).
struct Outcome {
  Bits value = 0;
  std::string_view fault;
};

/// Applies the rule as a conversion does: the to-base value is judged as a stored value
/// (beyond the double range is an overflow), the from-base value as a shown one.
Outcome evaluate(const UnitRule& rule, Direction direction, double input);

/// Two outcomes agree when their faults agree and their bits are the same; any two values
/// that are not a number agree, since a NaN's payload differs between processors.
bool sameOutcome(const Outcome& a, const Outcome& b);

/// How many inputs a sweep takes a rule at.
inline constexpr int kSweepInputs = 2048;

/// The sweep's i-th input: a pseudo-random double built from integers only, so that every
/// platform makes the same one. Nine in ten lie between 2^-20 and 2^40, where people's
/// numbers are; the rest anywhere in the double range; either sign, every mantissa bit set
/// at random.
double sweepInput(int i);

/// A digest of what the rule gives, value and fault, at every sweep input: catches a change
/// of rounding that only some inputs show, such as a regrouped addition of offsets.
Bits sweepDigest(const UnitRule& rule, Direction direction);

std::string_view directionName(Direction direction);  // "to" or "from"
std::optional<Direction> directionNamed(std::string_view name);

/// The columns a line of the table is made of, as they are read. A sweep line has "sweep"
/// in place of the input and the digest in place of the value, and no fault column.
struct Entry {
  std::string category;
  std::string unit;
  Direction direction = Direction::ToBase;
  bool sweep = false;
  Bits input = 0;
  Outcome expected;
};

/// The checked columns of a line: category, unit, direction, input bits, value bits and
/// fault (or "sweep" and the digest), separated by tabs; the comment columns a writer
/// appends are left to it.
std::string checkedColumns(const Entry& entry);

/// Reads a line of the table; nothing for a line that is not an entry (comment, blank) and
/// an error text for one that is malformed.
struct ParsedLine {
  std::optional<Entry> entry;
  std::string error;
};
ParsedLine parseLine(std::string_view line);

/// The same double as C's "%.17g" writes it, for messages: enough digits to tell any two
/// doubles apart, with no dependency on the newer text conversions of the standard library.
std::string decimal(Bits bits);

}  // namespace vardeln::golden
