// Vardeln — MIT licence, see LICENSE.
#include "locale_script.h"

#include "console.h"

namespace vardeln::cli {

Script localeScript() { return terminalShowsUtf8() ? Script::Unicode : Script::Ascii; }

}  // namespace vardeln::cli
