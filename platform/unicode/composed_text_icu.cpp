// Vardeln — MIT licence, see LICENSE.
// The composition by ICU, the Unicode library of Linux and the BSDs.
#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/stringpiece.h>

#include "composed_text.h"

namespace vardeln {

std::string composedText(std::string_view utf8) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status)) return std::string(utf8);
  std::string composed;
  icu::StringByteSink<std::string> sink(&composed, static_cast<int32_t>(utf8.size()));
  nfc->normalizeUTF8(0, icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())), sink,
                     nullptr, status);
  return U_SUCCESS(status) ? composed : std::string(utf8);
}

}  // namespace vardeln
