// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "category.h"
#include "constants.h"

namespace vardeln {

/// The characters a rule is written in for a person: the signs of arithmetic (×, ÷, powers
/// as superscripts, √), or plain ASCII where the reader's character set has no more (*, /,
/// ^, sqrt).
enum class Script { Unicode, Ascii };

/// A unit's to-base rule as a person writes it, "x × FootInMetres": the very formula the rule
/// was compiled from, with its grouping, its constants as the table states them and powers
/// written as powers. `x` stands where the entered number does ("2 × FootInMetres").
std::string toBaseArithmetic(const UnitRule& unit, Script script, std::string_view x = "x");

/// A unit's from-base rule as a person writes it, "B ÷ 100", with `b` where the base value
/// stands.
std::string fromBaseArithmetic(const UnitRule& unit, Script script, std::string_view b = "B");

/// The rules as equations: "B = x × FootInMetres", "result = B ÷ 100".
std::string toBaseText(const UnitRule& unit, Script script);
std::string fromBaseText(const UnitRule& unit, Script script);

/// The shared constants the formulas name, and those their definitions name in turn, each
/// after the ones it is defined by, so that every name comes down to plain numbers.
std::vector<SharedConstant> constantsNamedBy(std::string_view formulas);

/// A shared constant with its definition and value, "FootInMetres = 1 ÷ 3.28084 =
/// 0.3047999902464003".
std::string constantText(const SharedConstant& constant, Script script);

/// What the shared constants a rule names stand for, "where FootInMetres = 1 ÷ 3.28084 =
/// 0.3047999902464003", or the empty text when it names none.
std::string whereText(const Rule& rule, Script script);
/// The same for the constants several formulas name, each once.
std::string whereText(std::string_view formulas, Script script);

}  // namespace vardeln
