// Vardeln — MIT licence, see LICENSE.
// The numeric test, text to double and double to text, as the result box needs them.
#include "number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "exact_double.h"

namespace vardeln {
namespace {

struct Reading {
  std::string text;
  bool isNumber;
  double value;  // when it is one
};

std::ostream& operator<<(std::ostream& out, const Reading& r) {
  return out << '"' << r.text << '"';
}

class Readings : public ::testing::TestWithParam<Reading> {};

TEST_P(Readings, AcceptExactlyTheNumberGrammar) {
  const Reading& r = GetParam();
  const std::optional<double> value = parseNumber(r.text);
  ASSERT_EQ(value.has_value(), r.isNumber);
  EXPECT_EQ(isNumber(r.text), r.isNumber);
  if (value) {
    EXPECT_TRUE(testing::sameDouble(*value, r.value));
  }
}

constexpr double kMinSubnormal = std::numeric_limits<double>::denorm_min();

// clang-format off
INSTANTIATE_TEST_SUITE_P(NumericTest, Readings, ::testing::Values(
    Reading{"",        false, 0},  Reading{"abc",   false, 0},  Reading{"12abc",  false, 0},
    Reading{"1,5",     false, 0},  Reading{"0x10",  false, 0},  Reading{"inf",    false, 0},
    Reading{"nan",     false, 0},  Reading{"-inf",  false, 0},  Reading{"Infinity", false, 0},
    Reading{".",       false, 0},  Reading{"-",     false, 0},  Reading{"+",      false, 0},
    Reading{"1..2",    false, 0},  Reading{"1.2.3", false, 0},  Reading{"e5",     false, 0},
    Reading{"1e",      false, 0},  Reading{"1e+",   false, 0},  Reading{"1e5.5",  false, 0},
    Reading{"--1",     false, 0},  Reading{"+-1",   false, 0},  Reading{"1 2",    false, 0},
    Reading{"1\n2",    false, 0},  Reading{std::string("1\0", 2), false, 0},
    Reading{"\xEF\xBC\x91", false, 0},  // a full-width digit one
    Reading{"1e400",   false, 0},  Reading{"-1e309", false, 0}, Reading{"1e99999999999999999999", false, 0},
    Reading{"0",       true, 0},   Reading{"-0",    true, -0.0}, Reading{"+3",    true, 3},
    Reading{".5",      true, 0.5}, Reading{"5.",    true, 5},   Reading{"1e5",    true, 1e5},
    Reading{"1E5",     true, 1e5}, Reading{"1e+5",  true, 1e5}, Reading{"2.5e-3", true, 0.0025},
    Reading{" 42 ",    true, 42},  Reading{"\t\r\n7\n", true, 7}, Reading{"007",  true, 7},
    Reading{"\f7\v",   true, 7},   Reading{"\v-7\f", true, -7},
    Reading{"0.1",     true, 0.1}, Reading{"1.7976931348623157e308", true, std::numeric_limits<double>::max()},
    Reading{"1e-400",  true, 0},   Reading{"-1e-400", true, -0.0},
    Reading{"1e-310",  true, 1e-310}, Reading{"3e-324", true, kMinSubnormal},
    Reading{"0e99999999999999999999", true, 0},
    Reading{"0.000000000000000000000000000001e-99999999999999999999", true, 0},
    Reading{"1000000000000000000000000000000e-330", true, 1e-300}));
// clang-format on

TEST(NumericTest, ReadsAPastedTextOfManyMegabytes) {
  const std::string digits(8 << 20, '7');
  EXPECT_FALSE(isNumber(digits));  // 8 million digits lie beyond the double range
  EXPECT_FALSE(isNumber(digits + "x"));
  std::string zeros(8 << 20, '0');
  EXPECT_EQ(parseNumber(zeros + "12.5"), 12.5);
  EXPECT_EQ(parseNumber("0." + zeros + "1e8388610"), 10.0);
}

struct Showing {
  double value;
  const char* text;
};

std::ostream& operator<<(std::ostream& out, const Showing& s) { return out << s.text; }

class Showings : public ::testing::TestWithParam<Showing> {};

TEST_P(Showings, WriteFifteenSignificantDigits) {
  EXPECT_EQ(formatDouble(GetParam().value), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DoubleToText, Showings, ::testing::Values(
    Showing{0.0, "0"},                     Showing{-0.0, "0"},
    Showing{0.3047999902464003, "0.3047999902464"},
    Showing{1e28, "1E+28"},                Showing{1.5e-10, "1.5E-10"},
    Showing{37.324799999999996, "37.3248"}, Showing{1000.0000000000001, "1000"},
    Showing{123456789012345.0, "123456789012345"}, Showing{1234567890123456.0, "1.23456789012346E+15"},
    Showing{0.0001, "0.0001"},             Showing{0.00001, "1E-05"},
    Showing{-2.5, "-2.5"},                 Showing{1e100, "1E+100"},
    Showing{5e-324, "4.94065645841247E-324"},
    Showing{std::numeric_limits<double>::infinity(), "Infinity"},
    Showing{-std::numeric_limits<double>::infinity(), "-Infinity"}));
// clang-format on

}  // namespace
}  // namespace vardeln
