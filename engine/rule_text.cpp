// Vardeln — MIT licence, see LICENSE.
#include "rule_text.h"

#include <cctype>
#include <vector>

namespace vardeln {
namespace {

bool identifierCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The formula's text with the library's "std::" left out and its variable, written `from` in
// the code, named `to` as the table names it (b becomes B). Only whole identifiers are renamed.
std::string shown(std::string_view formula, char from, char to) {
  std::string text;
  for (std::size_t i = 0; i < formula.size();) {
    if (formula.substr(i).starts_with("std::")) {
      i += 5;
      continue;
    }
    const bool alone = formula[i] == from && (i == 0 || !identifierCharacter(formula[i - 1])) &&
                       (i + 1 == formula.size() || !identifierCharacter(formula[i + 1]));
    text.push_back(alone ? to : formula[i]);
    ++i;
  }
  return text;
}

// Whether the text names the identifier as a whole word.
bool names(std::string_view text, std::string_view identifier) {
  for (std::size_t at = text.find(identifier); at != std::string_view::npos;
       at = text.find(identifier, at + 1)) {
    const std::size_t end = at + identifier.size();
    if ((at == 0 || !identifierCharacter(text[at - 1])) &&
        (end == text.size() || !identifierCharacter(text[end]))) {
      return true;
    }
  }
  return false;
}

// The shared constants a rule names, in the order sharedConstants() lists them.
std::vector<SharedConstant> constantsIn(const Rule& rule) {
  std::vector<SharedConstant> named;
  for (const SharedConstant& constant : sharedConstants()) {
    if (names(rule.text, constant.name)) named.push_back(constant);
  }
  return named;
}

}  // namespace

std::string toBaseText(const UnitRule& unit) { return "B = " + shown(unit.toBase.text, 'x', 'x'); }

std::string fromBaseText(const UnitRule& unit) {
  return "result = " + shown(unit.fromBase.text, 'b', 'B');
}

std::string constantText(const SharedConstant& constant) {
  return std::string(constant.name) + " = " + shown(constant.definition, 'x', 'x');
}

std::string whereText(const Rule& rule) {
  std::string where;
  for (const SharedConstant& constant : constantsIn(rule)) {
    where += where.empty() ? "where " : ", ";
    where += constantText(constant);
  }
  return where;
}

}  // namespace vardeln
