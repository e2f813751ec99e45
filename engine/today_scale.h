// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <span>
#include <string_view>

namespace vardeln {

/// A unit whose scale today has its own zero (the temperatures), written by the build from
/// engine/tables/today_temperature.tsv: a reading x on it is factor × x + offset in the
/// category's base unit, both exact as today's table writes values (a decimal, or a quotient).
struct TodaysScale {
  std::string_view category;
  std::string_view label;
  std::string_view factor;
  std::string_view offset;
};

/// Every such unit; a unit not listed is factor × x, its factor today's value.
std::span<const TodaysScale> todaysScales();

}  // namespace vardeln
