// Vardeln — MIT licence, see LICENSE.
#include "rule_text.h"

#include <cctype>

#include "decimal_text.h"
#include "number_text.h"

namespace vardeln {
namespace {

bool identifierCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

std::string exactText(double value) {
  char text[kMaxDecimalLength];
  return std::string(text, writeShortest(value, text));
}

// A written piece of a formula, and whether it reads as one whole, so that a power of it
// needs no parentheses.
struct Piece {
  std::string text;
  bool whole;
};

// Reads a formula as the tables write it in C++ (numbers, names, + - * /, parentheses,
// std::pow and std::sqrt) and writes it as a person does, keeping every parenthesis, so that
// the usual order of arithmetic gives the very grouping the rule computes with.
class Writer {
 public:
  Writer(std::string_view formula, char variable, std::string_view value, Script script)
      : formula_(formula), variable_(variable), value_(value), script_(script) {}

  std::string written() { return sum().text; }

 private:
  Piece sum() {
    Piece piece = product();
    while (next() == '+' || next() == '-') {
      const char sign = formula_[at_++];
      piece = {piece.text + ' ' + sign + ' ' + product().text, false};
    }
    return piece;
  }

  Piece product() {
    Piece piece = factor();
    while (next() == '*' || next() == '/') {
      const bool times = formula_[at_++] == '*';
      const std::string_view sign =
          script_ == Script::Ascii ? (times ? " * " : " / ") : (times ? " × " : " ÷ ");
      piece = {piece.text + std::string(sign) + factor().text, false};
    }
    return piece;
  }

  Piece factor() {
    if (next() == '(') {
      ++at_;
      Piece inner = sum();
      ++at_;  // ')'
      return {'(' + inner.text + ')', true};
    }
    if (next() == '-') {
      ++at_;
      return {'-' + factor().text, false};
    }
    const bool opensGroup = at_ == 0 || formula_[at_ - 1] == '(';
    const std::string word = token();
    if (word == "pow") return power();
    if (word == "sqrt") return root();
    if (word.size() == 1 && word[0] == variable_) {
      // A negative number after a sign is put in parentheses, as a person writes it.
      const bool bare = opensGroup || !value_.starts_with('-');
      return {bare ? std::string(value_) : '(' + std::string(value_) + ')', true};
    }
    // A whole number is written without the ".0" C++ needs to make it a double.
    if (word.ends_with(".0")) return {word.substr(0, word.size() - 2), true};
    return {word, true};
  }

  // std::pow(base, exponent): the base raised, its exponent a superscript.
  Piece power() {
    ++at_;  // '('
    const Piece base = sum();
    ++at_;  // ','
    const std::string exponent = sum().text;
    ++at_;  // ')'
    std::string text = base.whole ? base.text : '(' + base.text + ')';
    if (script_ == Script::Ascii) return {text + '^' + exponent, true};
    static constexpr std::string_view kDigits[] = {"⁰", "¹", "²", "³", "⁴",
                                                   "⁵", "⁶", "⁷", "⁸", "⁹"};
    for (const char c : exponent) text += c == '-' ? "⁻" : kDigits[c - '0'];
    return {text, true};
  }

  // std::sqrt(radicand): the square root sign before it.
  Piece root() {
    ++at_;  // '('
    const Piece radicand = sum();
    ++at_;  // ')'
    if (script_ == Script::Ascii) return {"sqrt(" + radicand.text + ')', true};
    return {"√" + (radicand.whole ? radicand.text : '(' + radicand.text + ')'), true};
  }

  // The next character that is not a space, without "std::".
  char next() {
    while (at_ < formula_.size() && formula_[at_] == ' ') ++at_;
    if (formula_.substr(at_).starts_with("std::")) at_ += 5;
    return at_ < formula_.size() ? formula_[at_] : '\0';
  }

  // A name or a number, with its exponent ("1.6021e-19").
  std::string token() {
    next();
    const std::size_t start = at_;
    while (at_ < formula_.size() && (identifierCharacter(formula_[at_]) || formula_[at_] == '.' ||
                                     ((formula_[at_] == '+' || formula_[at_] == '-') &&
                                      formula_[at_ - 1] == 'e' && isDigit(formula_[start])))) {
      ++at_;
    }
    return std::string(formula_.substr(start, at_ - start));
  }

  std::string_view formula_;
  char variable_;
  std::string_view value_;
  Script script_;
  std::size_t at_ = 0;
};

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

}  // namespace

// The rules are written in x (to base) and b (from base) in the tables' code.
std::string toBaseArithmetic(const UnitRule& unit, Script script, std::string_view x) {
  return Writer(unit.toBase.text, 'x', x, script).written();
}

std::string fromBaseArithmetic(const UnitRule& unit, Script script, std::string_view b) {
  return Writer(unit.fromBase.text, 'b', b, script).written();
}

std::string toBaseText(const UnitRule& unit, Script script) {
  return "B = " + toBaseArithmetic(unit, script);
}

std::string fromBaseText(const UnitRule& unit, Script script) {
  return "result = " + fromBaseArithmetic(unit, script);
}

// A constant is defined only by those listed before it, so one pass from the last finds all.
std::vector<SharedConstant> constantsNamedBy(std::string_view formulas) {
  std::string named(formulas);
  std::vector<SharedConstant> constants;
  const auto& all = sharedConstants();
  for (auto constant = all.rbegin(); constant != all.rend(); ++constant) {
    if (!names(named, constant->name)) continue;
    named.append(" ").append(constant->definition);
    constants.insert(constants.begin(), *constant);
  }
  return constants;
}

std::string constantText(const SharedConstant& constant, Script script) {
  return std::string(constant.name) + " = " +
         Writer(constant.definition, '\0', {}, script).written() + " = " +
         exactText(constant.value);
}

std::string whereText(const Rule& rule, Script script) { return whereText(rule.text, script); }

std::string whereText(std::string_view formulas, Script script) {
  std::string where;
  for (const SharedConstant& constant : constantsNamedBy(formulas)) {
    where += where.empty() ? "where " : ", ";
    where += constantText(constant, script);
  }
  return where;
}

}  // namespace vardeln
