// Vardeln — MIT licence, see LICENSE.
#pragma once

#include "rule_text.h"

namespace vardeln::cli {

/// The characters the user's terminal shows, as the locale's character set says (LC_ALL,
/// LC_CTYPE, LANG; always UTF-8 on Windows): the signs of arithmetic where it is UTF-8,
/// plain ASCII otherwise.
Script localeScript();

}  // namespace vardeln::cli
