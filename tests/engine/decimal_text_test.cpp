// Vardeln — MIT licence, see LICENSE.
// The browser build reads and writes doubles through the C library; the desktop build through
// the C++ library. Both must give the same doubles and the same texts, to the last bit.
#include "decimal_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "exact_double.h"

namespace vardeln {
namespace {

// Unsigned decimals where rounding is hardest: the ends of the double range, ties between
// two doubles, subnormals, and digits far beyond the seventeen that matter.
std::vector<std::string> hardDecimals() {
  std::vector<std::string> texts = {"0",
                                    "0.",
                                    ".0",
                                    "000",
                                    "1",
                                    "5.",
                                    ".5",
                                    "0.1",
                                    "0.3",
                                    "1e0",
                                    "1E+0",
                                    "1e-0",
                                    "9007199254740992",
                                    "9007199254740993",
                                    "9007199254740995",
                                    "9007199254740993.0000001",
                                    "1.7976931348623157e308",
                                    "1.7976931348623158e308",
                                    "1.7976931348623159e308",
                                    "1e309",
                                    "2.2250738585072011e-308",
                                    "2.2250738585072012e-308",
                                    "2.2250738585072014e-308",
                                    "4.9406564584124654e-324",
                                    "2.4703282292062327e-324",
                                    "2.4703282292062328e-324",
                                    "1e-324",
                                    "3e-324",
                                    "1e-400",
                                    "1e400",
                                    "0e999999",
                                    "0.0000e-999999",
                                    "123456789012345678901234567890",
                                    "0.000000000000000000000000000000000001",
                                    "1000000000000000000000000000000e-330",
                                    "1.",
                                    "1e",
                                    "1e+",
                                    "e5",
                                    ".",
                                    "",
                                    "1.2.3",
                                    "1x",
                                    "0x10",
                                    "inf",
                                    "nan",
                                    " 1",
                                    "1 ",
                                    "+1",
                                    "-1"};
  const std::string longTie = "9007199254740993" + std::string(1000, '0');
  texts.push_back(longTie);
  texts.push_back(longTie + "1");
  texts.push_back("0." + std::string(5000, '0') + "1e5001");
  return texts;
}

std::string printed(const char* format, double value) {
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof buffer, format, value);
  return std::string(buffer, static_cast<std::size_t>(length));
}

// Finite doubles spread over the whole range: random bit patterns, so every exponent and
// every subnormal is as likely as 1.0.
std::vector<double> randomDoubles(std::size_t count) {
  std::mt19937_64 random(20261207);
  std::vector<double> values;
  while (values.size() < count) {
    const double value = std::bit_cast<double>(random() & ~(std::uint64_t{1} << 63));
    if (std::isfinite(value)) values.push_back(value);
  }
  return values;
}

// Doubles from 10^-7 to 10^21, evenly over the orders of magnitude: where typed numbers and
// shown results mostly lie, and where the portable path takes its quick exact way.
std::vector<double> everydayDoubles(std::size_t count) {
  std::mt19937_64 random(1234);
  std::uniform_real_distribution<double> order(-7.0, 21.0);
  std::vector<double> values;
  for (std::size_t i = 0; i < count; ++i) {
    values.push_back(std::pow(10.0, order(random)));
    values.push_back(std::nextafter(std::round(values.back()), 0.0));
    values.push_back(std::round(values.back() * 2) / 2);
  }
  return values;
}

// Decimals as a person might type them: a point anywhere, an exponent.
std::vector<std::string> randomDecimals(std::size_t count, int maxDigits, int maxExponent) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> digit(0, 9), length(1, maxDigits),
      exponent(-maxExponent, maxExponent);
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < count; ++i) {
    std::string text;
    const int n = length(random);
    for (int d = 0; d < n; ++d) text += static_cast<char>('0' + digit(random));
    text.insert(static_cast<std::size_t>(random() % (n + 1)), ".");
    if (random() % 2) text += "e" + std::to_string(exponent(random));
    texts.push_back(text);
  }
  return texts;
}

void expectSameReading(const std::string& text) {
  double fromLibrary = -1.0;
  double fromPortable = -1.0;
  const DecimalReading library = readDecimal(text, fromLibrary);
  const DecimalReading portable = readDecimalPortable(text, fromPortable);
  ASSERT_EQ(static_cast<int>(portable), static_cast<int>(library)) << '"' << text << '"';
  if (library == DecimalReading::Value) {
    EXPECT_TRUE(testing::sameDouble(fromPortable, fromLibrary)) << '"' << text << '"';
  }
}

void expectSameWriting(double value, int digits = 15) {
  char fromLibrary[kMaxDecimalLength];
  char fromPortable[kMaxDecimalLength];
  const std::string library(fromLibrary, writeDecimal(value, digits, fromLibrary));
  const std::string portable(fromPortable, writeDecimalPortable(value, digits, fromPortable));
  ASSERT_EQ(portable, library) << testing::shortest(value) << " to " << digits << " digits";
}

TEST(PortableDecimalText, ReadsHardDecimalsAsTheLibraryDoes) {
  for (const std::string& text : hardDecimals()) expectSameReading(text);
}

TEST(PortableDecimalText, ReadsTypedDecimalsAsTheLibraryDoes) {
  for (const std::string& text : randomDecimals(100000, 25, 340)) expectSameReading(text);
  for (const std::string& text : randomDecimals(100000, 16, 30)) expectSameReading(text);
}

TEST(PortableDecimalText, ReadsEveryDoubleBackFromItsPrintedForms) {
  for (double value : randomDoubles(50000)) {
    expectSameReading(printed("%.17g", value));
    expectSameReading(printed("%.15g", value));
    expectSameReading(printed("%.25e", value));
    expectSameReading(testing::shortest(value));
  }
}

TEST(PortableDecimalText, WritesFifteenDigitsAsTheLibraryDoes) {
  const double edges[] = {0.0, 1.0, 0.1, 1e15, 1e14, 999999999999999.0, 999999999999999.5,
                          9.999999999999995e14, 1e-4, 1e-5, 0.00009999999999999999,
                          123456789012345678.0, std::numeric_limits<double>::max(),
                          std::numeric_limits<double>::min(),
                          std::numeric_limits<double>::denorm_min(), 5e-324, 0.5, 2.5e-300,
                          // ties at the fifteenth digit, to even and away from it
                          100000000000000.5, 100000000000001.5, 999999999999999.5,
                          1000000000000005.0, 1000000000000015.0, 1e-5, 9.999999999999999e-6,
                          18446744073709549568.0, 18446744073709551616.0, 1e16, 1e19, 1e20,
                          123456789012345.25, 0.000123456789012345, 0.00001234567890123455};
  for (double value : edges) {
    expectSameWriting(value);
    expectSameWriting(-value);
  }
  for (double value : everydayDoubles(100000)) expectSameWriting(value);
  for (double value : randomDoubles(100000)) expectSameWriting(value);
  for (int power = -330; power <= 310; ++power) expectSameWriting(std::pow(10.0, power));
}

TEST(PortableDecimalText, WritesOtherDigitCountsAsTheLibraryDoes) {
  for (const int digits : {1, 2, 9, 16, 17}) {
    for (double value : everydayDoubles(20000)) expectSameWriting(value, digits);
    for (double value : randomDoubles(20000)) expectSameWriting(value, digits);
  }
}

TEST(PortableDecimalText, WritesTheShortestTextAsTheLibraryDoes) {
  std::vector<double> values = {0.0,
                                1e-4,
                                2e-4,
                                1.2e-4,
                                10.0,
                                1e4,
                                1e5,
                                1500.0,
                                1.5e20,
                                123456789012345680000.0,
                                1e22,
                                1e23,
                                0.1,
                                5e-324,
                                std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::quiet_NaN()};
  // Powers of two, where the doubles below lie twice as close as those above.
  for (int power = -1074; power <= 1023; ++power) values.push_back(std::ldexp(1.0, power));
  for (double value : everydayDoubles(20000)) values.push_back(value);
  for (double value : randomDoubles(20000)) values.push_back(value);
  char fromLibrary[kMaxDecimalLength];
  char fromPortable[kMaxDecimalLength];
  for (double value : values) {
    for (const double signed_ : {value, -value}) {
      ASSERT_EQ(std::string(fromPortable, writeShortestPortable(signed_, fromPortable)),
                std::string(fromLibrary, writeShortest(signed_, fromLibrary)));
    }
  }
}

TEST(PortableDecimalText, WritesDecimalsAndExponentFormsAsTheLibraryDoes) {
  char fromLibrary[kMaxFormDecimalLength];
  char fromPortable[kMaxFormDecimalLength];
  for (const DecimalForm form : {DecimalForm::Fixed, DecimalForm::Scientific}) {
    for (const int decimals : {0, 2, 17, 19}) {
      for (double value : randomDoubles(5000)) {
        ASSERT_EQ(
            std::string(fromPortable, writeDecimalPortable(value, form, decimals, fromPortable)),
            std::string(fromLibrary, writeDecimal(value, form, decimals, fromLibrary)));
      }
    }
  }
}

}  // namespace
}  // namespace vardeln
