// Vardeln — MIT licence, see LICENSE.
#include <langinfo.h>

#include <clocale>
#include <string_view>

#include "console.h"

namespace vardeln {

// A POSIX stream never translates its bytes.
void useStandardStreamsAsBytes() {}

// The locale's character set says (LC_ALL, LC_CTYPE, LANG). The C locale is restored at
// once: numbers and names are read the same in every locale.
bool terminalShowsUtf8() {
  std::setlocale(LC_CTYPE, "");
  const bool utf8 = std::string_view(nl_langinfo(CODESET)) == "UTF-8";
  std::setlocale(LC_CTYPE, "C");
  return utf8;
}

}  // namespace vardeln
