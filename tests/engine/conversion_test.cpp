// Vardeln — MIT licence, see LICENSE.
// One conversion of a number text between two units, to the text the result shows.
#include "conversion.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <string>

#include "categories.h"

namespace vardeln {
namespace {

using Outcome = Conversion::Outcome;

struct Case {
  const char* what;
  const char* category;
  const char* input;
  const char* from;
  const char* to;
  Outcome outcome;
  const char* text;  // the result's text, "Invalid Number" or the fault's name
};

std::ostream& operator<<(std::ostream& out, const Case& c) { return out << c.what; }

class Conversions : public ::testing::TestWithParam<Case> {};

TEST_P(Conversions, GiveTheTextTheResultShows) {
  const Case& c = GetParam();
  const Category& category = *categoryById(c.category);
  const Conversion conversion =
      convert(category, *category.unitIndex(c.from), *category.unitIndex(c.to), c.input);
  EXPECT_EQ(conversion.outcome, c.outcome);
  EXPECT_EQ(resultText(conversion), c.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Procedure, Conversions, ::testing::Values(
    Case{"letters are not a number",            "area",   "abc",    "Acres", "Acres",              Outcome::InvalidNumber, "Invalid Number"},
    Case{"the empty box is not a number",       "length", "",       "Feet",  "Meters",             Outcome::InvalidNumber, "Invalid Number"},
    Case{"start-up: 0 Acres to Acres",          "area",   "0",      "Acres", "Acres",              Outcome::Result, "0"},
    Case{"15 digits of a foot",                 "length", "1",      "Feet",  "Meters",             Outcome::Result, "0.3047999902464"},
    Case{"exponent form for large results",     "area",   "1",      "Meters Square", "Barn",       Outcome::Result, "1E+28"},
    Case{"exponent form for small results",     "length", "1.5",    "Angstrom", "Meters",          Outcome::Result, "1.5E-10"},
    Case{"negative zero shows as 0",            "area",   "-0",     "Acres", "Acres",              Outcome::Result, "0"},
    Case{"same unit still passes through B",    "length", "3",      "Feet",  "Feet",               Outcome::Result, "3"},
    Case{"blanks around the number",            "area",   " 1\t",   "Hectares", "Ares",            Outcome::Result, "100"},
    Case{"to-base beyond range: Kilometers",    "length", "1e308",  "Kilometers", "Meters",        Outcome::Fault, "Overflow"},
    Case{"to-base beyond range: Miles Square",  "area",   "1e303",  "Miles Square", "Acres",       Outcome::Fault, "Overflow"},
    Case{"from-base beyond range is infinity",  "area",   "1e300",  "Meters Square", "Shed",       Outcome::Result, "Infinity"},
    Case{"negative infinity",                   "area",   "-1e300", "Meters Square", "Shed",       Outcome::Result, "-Infinity"},
    Case{"to-base below range becomes 0",       "area",   "1e-300", "Barn", "Meters Square",       Outcome::Result, "0"},
    Case{"a number beyond the double range",    "area",   "1e400",  "Acres", "Acres",              Outcome::InvalidNumber, "Invalid Number"},
    Case{"a number below the double range",     "area",   "1e-400", "Acres", "Acres",              Outcome::Result, "0"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });
// clang-format on

// The run judges faults by the values it computes. For every rule and inputs at the edges of
// the double range, that judgement must match what the processor's flags report.
FloatingPointFault flagsFault(int flags, bool stored) {
  if (flags & FE_INVALID) return FloatingPointFault::InvalidOperation;
  if (flags & FE_DIVBYZERO) return FloatingPointFault::DivisionByZero;
  if (stored && (flags & FE_OVERFLOW)) return FloatingPointFault::Overflow;
  return FloatingPointFault::None;
}

double throughFlags(double (*formula)(double), double x, int& flags) {
  // Called through a volatile pointer so the compiler cannot move the arithmetic across
  // the flag calls.
  double (*volatile opaque)(double) = formula;
  std::feclearexcept(FE_ALL_EXCEPT);
  const double value = opaque(x);
  flags = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  return value;
}

TEST(FaultJudgement, AgreesWithTheProcessorFlagsForEveryRule) {
  for (const Category& category : allCategories()) {
    for (const UnitRule& rule : category.rules()) {
      for (double x : {1.0, -1e300, 1.7e308, -1.7e308, 1e-310, 8e304}) {
        int flags = 0;
        const double base = throughFlags(rule.toBase.apply, x, flags);
        EXPECT_EQ(storedValueStatus(base), flagsFault(flags, true))
            << category.id() << " to base: " << rule.label << " of " << x;
        if (storedValueStatus(base) != FloatingPointFault::None) continue;
        const double shown = throughFlags(rule.fromBase.apply, x, flags);
        EXPECT_EQ(shownValueStatus(shown), flagsFault(flags, false))
            << category.id() << " from base: " << rule.label << " of " << x;
      }
    }
  }
}

}  // namespace
}  // namespace vardeln
