// Vardeln — MIT licence, see LICENSE.
#include "locale_script.h"

#include <langinfo.h>

#include <clocale>
#include <string_view>

namespace vardeln::cli {

// The C locale is restored at once: numbers and names are read the same in every locale.
Script localeScript() {
  std::setlocale(LC_CTYPE, "");
  const bool utf8 = std::string_view(nl_langinfo(CODESET)) == "UTF-8";
  std::setlocale(LC_CTYPE, "C");
  return utf8 ? Script::Unicode : Script::Ascii;
}

}  // namespace vardeln::cli
