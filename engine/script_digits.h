// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vardeln {

/// The text with the digits of the user's script written as ASCII digits: Devanagari (१),
/// Bengali (১), Gurmukhi (੧), Gujarati (૧), Arabic-Indic (١) and Extended Arabic-Indic (۱).
/// Every other character stays as it is, the Arabic decimal and group marks too, as no
/// number style uses them. Nothing when the text has no such digit, or mixes the digits of
/// two scripts (ASCII's included): a number is written in one script.
std::optional<std::string> scriptDigitsAsAscii(std::string_view text);

/// The text with the digits of the user's script as ASCII's, kept in `ascii`; the text as it
/// stands where it has none or mixes two scripts.
std::string_view inAsciiDigits(std::string_view text, std::optional<std::string>& ascii);

/// Whether the text has a byte beyond ASCII, the only place where such a digit can be: the
/// readers ask this before they look for one, so that plain text costs them nothing more.
bool hasNonAscii(std::string_view text);

}  // namespace vardeln
