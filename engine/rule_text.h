// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>

#include "category.h"
#include "constants.h"

namespace vardeln {

/// A unit's to-base rule as its table writes it, "B = x * FootInMetres": the very text the
/// rule was compiled from, with the library's std:: left out.
std::string toBaseText(const UnitRule& unit);

/// A unit's from-base rule as its table writes it, "result = B / 100".
std::string fromBaseText(const UnitRule& unit);

/// A shared constant with its definition as written, "FootInMetres = 1 / 3.28084".
std::string constantText(const SharedConstant& constant);

/// What the shared constants a rule names stand for, "where FootInMetres = 1 / 3.28084", or
/// the empty text when it names none.
std::string whereText(const Rule& rule);

}  // namespace vardeln
