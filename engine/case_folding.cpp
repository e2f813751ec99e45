// Vardeln — MIT licence, see LICENSE.
#include "case_folding.h"

namespace vardeln {
namespace {

// In UTF-8 the Latin-1 letters U+00C0–U+00FF are the lead byte 0xC3 and a second byte
// 0x80–0xBF; a capital and its small letter differ by 0x20 in that second byte.
constexpr unsigned char kLatin1Lead = 0xC3;
constexpr unsigned char kFirstCapital = 0x80;    // À
constexpr unsigned char kLastCapital = 0x9E;     // Þ
constexpr unsigned char kMultiplication = 0x97;  // ×, which has no small form

bool isFoldableLatin1Capital(unsigned char second) {
  return second >= kFirstCapital && second <= kLastCapital && second != kMultiplication;
}

}  // namespace

std::string foldCase(std::string_view text) {
  std::string folded(text);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    const auto c = static_cast<unsigned char>(folded[i]);
    if (c >= 'A' && c <= 'Z') {
      folded[i] = static_cast<char>(c + ('a' - 'A'));
    } else if (c == kLatin1Lead && i + 1 < folded.size()) {
      const auto second = static_cast<unsigned char>(folded[i + 1]);
      if (isFoldableLatin1Capital(second)) folded[i + 1] = static_cast<char>(second + 0x20);
      ++i;
    }
  }
  return folded;
}

}  // namespace vardeln
