// Vardeln — MIT licence, see LICENSE.
// One recalculation from the window's four inputs to what happens to the result box.
#include <gtest/gtest.h>

#include <cfenv>
#include <string>

#include "categories.h"
#include "conversion.h"

namespace vardeln {
namespace {

using Kind = ConversionOutcome::Kind;

struct Recalculation {
  const char* what;
  const char* category;  // nullptr: no category item checked
  const char* input;
  const char* from;
  const char* to;
  Kind kind;
  const char* text;  // the new result text, or the fault's name
};

std::ostream& operator<<(std::ostream& out, const Recalculation& r) { return out << r.what; }

class Recalculations : public ::testing::TestWithParam<Recalculation> {};

TEST_P(Recalculations, DoWhatTheResultBoxShows) {
  const Recalculation& r = GetParam();
  const Category* category = r.category ? categoryByName(r.category) : nullptr;
  const ConversionOutcome outcome = runConversion(category, r.input, r.from, r.to);
  ASSERT_EQ(outcome.kind, r.kind);
  if (outcome.kind == Kind::Write) {
    EXPECT_EQ(outcome.text, r.text);
  } else if (outcome.kind == Kind::Fault) {
    EXPECT_EQ(faultName(outcome.fault), r.text);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Procedure, Recalculations, ::testing::Values(
    Recalculation{"letters are not a number",            "area",   "abc",   "Acres", "Acres",  Kind::Write, "Invalid Number"},
    Recalculation{"letters with no category checked",    nullptr,  "abc",   "Acres", "Acres",  Kind::Write, "Invalid Number"},
    Recalculation{"the empty box is not a number",       "length", "",      "Feet",  "Meters", Kind::Write, "Invalid Number"},
    Recalculation{"a number with no category checked",   nullptr,  "1",     "Acres", "Acres",  Kind::LeaveUnchanged, ""},
    Recalculation{"no source unit: target rule of 0",    "area",   "5",     "",      "Acres",  Kind::Write, "0"},
    Recalculation{"no source unit: Fahrenheit of 0",     "temperature", "5", "",     "Fahrenheit", Kind::Write, "32"},
    Recalculation{"no source unit: Kelvin of 0",         "temperature", "5", "",     "Kelvin", Kind::Write, "273.15"},
    Recalculation{"no target unit leaves the result",    "area",   "5",     "Acres", "",       Kind::LeaveUnchanged, ""},
    Recalculation{"labels compare case-sensitively",     "area",   "5",     "Acres", "acres",  Kind::LeaveUnchanged, ""},
    Recalculation{"a label of another category",         "area",   "5",     "Acres", "Feet",   Kind::LeaveUnchanged, ""},
    Recalculation{"start-up: 0 Acres to Acres",          "area",   "0",     "Acres", "Acres",  Kind::Write, "0"},
    Recalculation{"15 digits of a foot",                 "length", "1",     "Feet",  "Meters", Kind::Write, "0.3047999902464"},
    Recalculation{"exponent form for large results",     "area",   "1",     "Meters Square", "Barn", Kind::Write, "1E+28"},
    Recalculation{"exponent form for small results",     "length", "1.5",   "Angstrom", "Meters", Kind::Write, "1.5E-10"},
    Recalculation{"negative zero shows as 0",            "area",   "-0",    "Acres", "Acres",  Kind::Write, "0"},
    Recalculation{"same unit still passes through B",    "length", "3",     "Feet",  "Feet",   Kind::Write, "3"},
    Recalculation{"blanks around the number",            "area",   " 1\t",  "Hectares", "Ares", Kind::Write, "100"},
    Recalculation{"to-base beyond range: Kilometers",    "length", "1e308", "Kilometers", "Meters", Kind::Fault, "Overflow"},
    Recalculation{"to-base beyond range without target", "length", "1e308", "Kilometers", "",  Kind::Fault, "Overflow"},
    Recalculation{"to-base beyond range: Miles Square",  "area",   "1e303", "Miles Square", "Acres", Kind::Fault, "Overflow"},
    Recalculation{"from-base beyond range is infinity",  "area",   "1e300", "Meters Square", "Shed", Kind::Write, "Infinity"},
    Recalculation{"negative infinity",                   "area",   "-1e300", "Meters Square", "Shed", Kind::Write, "-Infinity"},
    Recalculation{"to-base below range becomes 0",       "area",   "1e-300", "Barn", "Meters Square", Kind::Write, "0"},
    Recalculation{"a number beyond the double range",    "area",   "1e400", "Acres", "Acres",  Kind::Write, "Invalid Number"},
    Recalculation{"a number below the double range",     "area",   "1e-400", "Acres", "Acres", Kind::Write, "0"}),
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

double throughFlags(Formula formula, double x, int& flags) {
  // Called through a volatile pointer so the compiler cannot move the arithmetic across
  // the flag calls.
  Formula volatile opaque = formula;
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
        const double base = throughFlags(rule.toBase, x, flags);
        EXPECT_EQ(storedValueStatus(base), flagsFault(flags, true))
            << category.names().name << " to base: " << rule.label << " of " << x;
        if (storedValueStatus(base) != FloatingPointFault::None) continue;
        const double shown = throughFlags(rule.fromBase, x, flags);
        EXPECT_EQ(shownValueStatus(shown), flagsFault(flags, false))
            << category.names().name << " from base: " << rule.label << " of " << x;
      }
    }
  }
}

}  // namespace
}  // namespace vardeln
