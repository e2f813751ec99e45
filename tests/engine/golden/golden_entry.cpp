// Vardeln — MIT licence, see LICENSE.
#include "golden_entry.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <vector>

#include "fp_status.h"

namespace vardeln::golden {
namespace {

constexpr std::string_view kFaultNames[] = {"ok", "overflow", "invalid", "division-by-zero"};

Bits faultIndex(std::string_view fault) {
  Bits index = 0;
  while (index < std::size(kFaultNames) && kFaultNames[index] != fault) ++index;
  return index;
}

std::string_view faultToken(FloatingPointFault fault) {
  switch (fault) {
    case FloatingPointFault::None:
      return kFaultNames[0];
    case FloatingPointFault::Overflow:
      return kFaultNames[1];
    case FloatingPointFault::InvalidOperation:
      return kFaultNames[2];
    case FloatingPointFault::DivisionByZero:
      return kFaultNames[3];
  }
  return kFaultNames[2];
}

// Exactly sixteen lower-case hexadecimal digits, as the writer puts them.
std::optional<Bits> readBits(std::string_view text) {
  if (text.size() != 16) return std::nullopt;
  Bits bits = 0;
  for (const char c : text) {
    int digit = 0;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else {
      return std::nullopt;
    }
    bits = (bits << 4) | static_cast<Bits>(digit);
  }
  return bits;
}

// splitmix64: a well-mixed 64-bit number for each index, the same on every platform, and
// a different one for every index.
std::uint64_t mixed(std::uint64_t index) {
  std::uint64_t z = index * 0x9E3779B97F4A7C15u + 0x9E3779B97F4A7C15u;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

std::vector<std::string_view> splitTabs(std::string_view line) {
  std::vector<std::string_view> columns;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    columns.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return columns;
}

}  // namespace

Bits bitsOf(double value) {
  Bits bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

double doubleOf(Bits bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::string hexBits(Bits bits) {
  std::string text(16, '0');
  for (auto digit = text.rbegin(); digit != text.rend(); ++digit, bits >>= 4) {
    *digit = "0123456789abcdef"[bits & 0xF];
  }
  return text;
}

Outcome evaluate(const UnitRule& rule, Direction direction, double input) {
  if (direction == Direction::ToBase) {
    const double value = rule.toBase(input);
    return {bitsOf(value), faultToken(storedValueStatus(value))};
  }
  const double value = rule.fromBase(input);
  return {bitsOf(value), faultToken(shownValueStatus(value))};
}

bool sameOutcome(const Outcome& a, const Outcome& b) {
  if (a.fault != b.fault) return false;
  if (std::isnan(doubleOf(a.value)) && std::isnan(doubleOf(b.value))) return true;
  return a.value == b.value;
}

double sweepInput(int i) {
  const std::uint64_t random = mixed(static_cast<std::uint64_t>(i));
  const Bits sign = random >> 63;
  const Bits mantissa = random & 0xFFFFFFFFFFFFFu;
  const std::uint64_t pick = (random >> 52) & 0x7FF;  // eleven bits left over
  const std::uint64_t exponentDraw = mixed(static_cast<std::uint64_t>(i) + 0x5EED) % 2046;
  // Biased exponents: 1003 .. 1063 is 2^-20 .. 2^40; 0 .. 2045 spans subnormals to the top.
  const Bits exponent = pick % 10 != 0 ? 1003 + exponentDraw % 61 : exponentDraw;
  return doubleOf((sign << 63) | (exponent << 52) | mantissa);
}

Bits sweepDigest(const UnitRule& rule, Direction direction) {
  // Each step is a one-to-one function of the digest so far, so a change of any single
  // value or fault always changes the digest.
  Bits digest = 0;
  for (int i = 0; i < kSweepInputs; ++i) {
    const Outcome outcome = evaluate(rule, direction, sweepInput(i));
    // Every NaN counts as the same, whatever payload the processor gave it.
    const bool nan = std::isnan(doubleOf(outcome.value));
    digest = mixed(digest ^ (nan ? 0x7FF8000000000000u : outcome.value));
    digest = mixed(digest ^ faultIndex(outcome.fault));
  }
  return digest;
}

std::string_view directionName(Direction direction) {
  return direction == Direction::ToBase ? "to" : "from";
}

std::optional<Direction> directionNamed(std::string_view name) {
  if (name == "to") return Direction::ToBase;
  if (name == "from") return Direction::FromBase;
  return std::nullopt;
}

std::string checkedColumns(const Entry& entry) {
  std::string line;
  for (const std::string_view column :
       {std::string_view(entry.category), std::string_view(entry.unit),
        directionName(entry.direction)}) {
    line.append(column).push_back('\t');
  }
  if (entry.sweep) return line.append("sweep\t").append(hexBits(entry.expected.value));
  line.append(hexBits(entry.input)).push_back('\t');
  line.append(hexBits(entry.expected.value)).push_back('\t');
  line.append(entry.expected.fault);
  return line;
}

ParsedLine parseLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.empty() || line.front() == '#') return {};

  const std::vector<std::string_view> columns = splitTabs(line);
  if (columns.size() < 5) return {std::nullopt, "fewer than five tab-separated columns"};
  const std::optional<Direction> direction = directionNamed(columns[2]);
  if (!direction) return {std::nullopt, "direction is neither \"to\" nor \"from\""};
  if (columns[3] == "sweep") {
    const std::optional<Bits> digest = readBits(columns[4]);
    if (!digest) return {std::nullopt, "sweep digest is not sixteen hexadecimal digits"};
    return {Entry{std::string(columns[0]), std::string(columns[1]), *direction, true, 0,
                  Outcome{*digest, {}}},
            {}};
  }
  if (columns.size() < 6) return {std::nullopt, "fewer than six tab-separated columns"};
  const std::optional<Bits> input = readBits(columns[3]);
  const std::optional<Bits> value = readBits(columns[4]);
  if (!input || !value) return {std::nullopt, "input or value is not sixteen hexadecimal digits"};
  std::string_view fault;
  for (const std::string_view name : kFaultNames) {
    if (columns[5] == name) fault = name;
  }
  if (fault.empty()) return {std::nullopt, "unknown fault \"" + std::string(columns[5]) + "\""};

  return {Entry{std::string(columns[0]), std::string(columns[1]), *direction, false, *input,
                Outcome{*value, fault}},
          {}};
}

std::string decimal(Bits bits) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", doubleOf(bits));
  return text;
}

}  // namespace vardeln::golden
