// Vardeln — MIT licence, see LICENSE.
// Compares doubles to the last bit and prints them so that a one-bit slip is visible.
#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <string>

namespace vardeln::testing {

inline std::string shortest(double value) {
  char buffer[64];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

inline ::testing::AssertionResult sameDouble(double actual, double expected) {
  if (std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "got " << shortest(actual) << ", expected " << shortest(expected);
}

}  // namespace vardeln::testing
