// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <string_view>

namespace vardeln {

/// The UTF-8 sequence a lead byte of C2..F4 at text[0] begins: how long it should be, and
/// how many of its bytes are there and well-formed. When fewer are, those bytes are the
/// maximal ill-formed part that one replacement stands for, as the Unicode Standard
/// recommends and browsers and Python decode it.
struct Utf8Sequence {
  std::size_t length;
  std::size_t wellFormed;
};
Utf8Sequence utf8Sequence(std::string_view text);

/// Whether a byte may start a multi-byte UTF-8 sequence (C2..F4).
constexpr bool isUtf8Lead(unsigned char byte) { return byte >= 0xC2 && byte <= 0xF4; }

}  // namespace vardeln
