// Vardeln — MIT licence, see LICENSE.
// Texts nobody would type but anybody might paste: megabytes of random bytes, broken UTF-8,
// long runs of one character. Fixed seeds, so a failure can be repeated.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

namespace vardeln::testing {

inline constexpr std::size_t kMegabyte = std::size_t{1} << 20;

inline std::string randomBytes(std::size_t size) {
  std::mt19937_64 generator(20240517);
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; i += sizeof(std::uint64_t)) {
    const std::uint64_t word = generator();
    std::memcpy(bytes.data() + i, &word, std::min(sizeof word, size - i));
  }
  return bytes;
}

// Lead bytes without their continuation, continuations without a lead, overlong forms,
// encoded surrogates and bytes that never occur in UTF-8.
inline std::string invalidUtf8(std::size_t size) {
  const std::string pattern = "\xC3\x28\x80\xBF\xC0\xAF\xED\xA0\x80\xF8\x88\x80\x80\x80\xFE\xFF";
  std::string bytes;
  while (bytes.size() < size) bytes += pattern;
  return bytes;
}

inline std::string repeated(std::size_t count, char c) { return std::string(count, c); }

}  // namespace vardeln::testing
