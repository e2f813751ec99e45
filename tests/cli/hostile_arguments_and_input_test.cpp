// Vardeln — MIT licence, see LICENSE.
// Whatever a script might hand vardeln-convert — megabytes of digits or of random bytes,
// broken UTF-8, NUL characters, line breaks, names from nowhere — ends with a clear status,
// and the next conversion is as good as ever.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "batch_lines.h"
#include "captured_run.h"
#include "conversion.h"
#include "number_text.h"
#include "text_samples.h"

namespace vardeln::cli {
namespace {

using vardeln::testing::invalidUtf8;
using vardeln::testing::kMegabyte;
using vardeln::testing::randomBytes;
using vardeln::testing::repeated;

std::size_t lineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

void expectOneLineMessage(const std::string& err) {
  ASSERT_FALSE(err.empty());
  EXPECT_TRUE(err.starts_with("vardeln-convert: "));
  EXPECT_EQ(lineCount(err), 1u);
  EXPECT_EQ(err.back(), '\n');
}

// A value that is no number is named on standard error in one bounded line; nothing else is.
void expectRefusalNamedIfInvalid(const std::string& err, ExitStatus status) {
  if (status != ExitStatus::InvalidNumber) {
    EXPECT_EQ(err, "");
    return;
  }
  expectOneLineMessage(err);
  EXPECT_TRUE(err.starts_with("vardeln-convert: Invalid Number: \"")) << err.substr(0, 200);
  EXPECT_LT(err.size(), 200u) << "the message repeats too much of the value";
}

// The program, asked afterwards for an ordinary conversion, still gives it.
void expectStillConverting() {
  const testing::CapturedRun run = testing::runCaptured({"length", "1", "Kilometers", "Meters"});
  EXPECT_EQ(run.status, ExitStatus::Success);
  EXPECT_EQ(run.out, "1000\n");
  EXPECT_EQ(run.err, "");
}

// Each row makes its text only when its test runs, so that a test process builds only the
// megabytes it needs.
using Text = std::string (*)();

struct HostileValue {
  const char* what;
  Text value;
  ExitStatus status;
  const char* out;
};

std::ostream& operator<<(std::ostream& out, const HostileValue& v) { return out << v.what; }

class HostileValues : public ::testing::TestWithParam<HostileValue> {};

TEST_P(HostileValues, AreAnsweredLikeAnyOtherValue) {
  const HostileValue& v = GetParam();
  const std::string value = v.value();
  const testing::CapturedRun run = testing::runCaptured({"length", value, "Kilometers", "Meters"});
  EXPECT_EQ(run.status, v.status);
  EXPECT_EQ(run.out, v.out);
  expectRefusalNamedIfInvalid(run.err, v.status);
  expectStillConverting();
}

// The single form with --json: the same status, and one whole record whose result is what
// the plain form printed.
TEST_P(HostileValues, AreAnsweredWithOneWholeJsonRecord) {
  const HostileValue& v = GetParam();
  const std::string value = v.value();
  const testing::CapturedRun run =
      testing::runCaptured({"--json", "length", value, "Kilometers", "Meters"});
  EXPECT_EQ(run.status, v.status);
  EXPECT_EQ(run.err, "");
  ASSERT_EQ(lineCount(run.out), 1u);
  nlohmann::json record = nlohmann::json::parse(run.out, nullptr, false);
  ASSERT_TRUE(record.is_object()) << "not a JSON record";
  EXPECT_EQ(record["result"].get<std::string>() + "\n", v.out);
  expectStillConverting();
}

// --explain: the same status, the rules whatever the value, and a hostile value only ever
// quoted in a bounded, printable form.
TEST_P(HostileValues, AreExplainedWithTheRulesStill) {
  const HostileValue& v = GetParam();
  const std::string value = v.value();
  const testing::CapturedRun run =
      testing::runCaptured({"--explain", "length", value, "Kilometers", "Meters"});
  EXPECT_EQ(run.status, v.status);
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("  to base:   B = x × 1000\n"), std::string::npos);
  EXPECT_LT(run.out.size(), 1024u);
  expectStillConverting();
}

// --all, plain and JSON, in the smallest category: the same status and one whole line or
// record per unit.
TEST_P(HostileValues, AreAnsweredForEveryUnitWithAll) {
  const HostileValue& v = GetParam();
  const std::string value = v.value();
  for (const bool json : {false, true}) {
    std::vector<std::string_view> arguments{"--all", "temperature", value, "Kelvin"};
    if (json) arguments.push_back("--json");
    const testing::CapturedRun run = testing::runCaptured(arguments);
    EXPECT_EQ(run.status, v.status);
    expectRefusalNamedIfInvalid(run.err, json ? ExitStatus::Success : v.status);
    const std::vector<std::string> lines = testing::linesOf(run.out);
    ASSERT_EQ(lines.size(), 5u);
    for (const std::string& line : lines) {
      EXPECT_TRUE(json ? nlohmann::json::parse(line, nullptr, false).is_object()
                       : line.find('\t') != std::string::npos);
    }
  }
  expectStillConverting();
}

const ExitStatus kOk = ExitStatus::Success;
const ExitStatus kInvalid = ExitStatus::InvalidNumber;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arguments, HostileValues, ::testing::Values(
    HostileValue{"four megabytes of digits",        [] { return repeated(4 * kMegabyte, '9'); },          kInvalid, "Invalid Number\n"},
    HostileValue{"four megabytes of random bytes",  [] { return randomBytes(4 * kMegabyte); },            kInvalid, "Invalid Number\n"},
    HostileValue{"a megabyte of invalid UTF-8",     [] { return invalidUtf8(kMegabyte); },                kInvalid, "Invalid Number\n"},
    HostileValue{"a megabyte of leading zeros",     [] { return repeated(kMegabyte, '0') + "1.5"; },      kOk,      "1500\n"},
    HostileValue{"a megabyte of zeros after point", [] { return "0." + repeated(kMegabyte, '0') + "1"; }, kOk,      "0\n"},
    HostileValue{"a megabyte of exponent digits",   [] { return "1e-" + repeated(kMegabyte, '9'); },      kOk,      "0\n"},
    HostileValue{"an exponent with leading zeros",  [] { return "2e" + repeated(kMegabyte, '0') + "3"; }, kOk,      "2000000\n"},
    HostileValue{"a megabyte of digits in range",   [] { return "0." + repeated(kMegabyte, '3'); },       kOk,      "333.333333333333\n"},
    HostileValue{"a megabyte of blanks around it",  [] { return repeated(kMegabyte, ' ') + "2" + repeated(kMegabyte, '\n'); }, kOk, "2000\n"},
    HostileValue{"NUL inside a number",             [] { return std::string("1\0" "2", 3); },             kInvalid, "Invalid Number\n"},
    HostileValue{"NUL after a number",              [] { return std::string("1\0", 2); },                 kInvalid, "Invalid Number\n"},
    HostileValue{"only NUL",                        [] { return std::string(1, '\0'); },                  kInvalid, "Invalid Number\n"},
    HostileValue{"line break inside a number",      [] { return std::string("1\n2"); },                   kInvalid, "Invalid Number\n"},
    HostileValue{"line breaks around a number",     [] { return std::string("\r\n3\r\n"); },              kOk,      "3000\n"},
    HostileValue{"digits of other scripts",         [] { return std::string("\xEF\xBC\x91\xD9\xA2"); },   kInvalid, "Invalid Number\n"}));
// clang-format on

struct HostileName {
  const char* what;
  const char* category;
  Text from;
  Text to;
  const char* messageStart;
};

std::ostream& operator<<(std::ostream& out, const HostileName& n) { return out << n.what; }

class HostileNames : public ::testing::TestWithParam<HostileName> {};

TEST_P(HostileNames, AreReportedInOneLineWithTheUsageStatus) {
  const HostileName& n = GetParam();
  const std::string from = n.from();
  const std::string to = n.to();
  const testing::CapturedRun run = testing::runCaptured({n.category, "1", from, to});
  EXPECT_EQ(run.status, ExitStatus::UsageError);
  EXPECT_EQ(run.out, "");
  expectOneLineMessage(run.err);
  EXPECT_LT(run.err.size(), 400u) << "the message repeats too much of the name";
  EXPECT_TRUE(run.err.starts_with(n.messageStart)) << run.err.substr(0, 200);
  expectStillConverting();
}

std::string meters() { return "Meters"; }
std::string celsius() { return "Celsius"; }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arguments, HostileNames, ::testing::Values(
    HostileName{"a unit of another category",    "length",      [] { return std::string("Kilogram"); },      meters,
                "vardeln-convert: unknown unit \"Kilogram\" in length; \"Kilogram\" is mass"},
    HostileName{"a target of another category",  "mass",        [] { return std::string("Kilogram"); },      [] { return std::string("Feet"); },
                "vardeln-convert: unknown unit \"Feet\" in mass; \"Feet\" is length"},
    HostileName{"a megabyte-long unit",          "volume",      [] { return repeated(kMegabyte, 'K'); },     celsius,
                "vardeln-convert: unknown unit \"KKKK"},
    HostileName{"a megabyte-long target unit",   "temperature", celsius, [] { return "Celsius" + repeated(kMegabyte, 's'); },
                "vardeln-convert: unknown unit \"Celsiussss"},
    HostileName{"a long name cut for the message", "length",    [] { return repeated(100, 'a') + "\xC3\xA9"; }, meters,
                "vardeln-convert: unknown unit \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\"... (102 bytes) in length"},
    HostileName{"a cut that would split a letter", "length",    [] { return repeated(63, 'a') + "\xC3\xA9"; }, meters,
                "vardeln-convert: unknown unit \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\"... (65 bytes) in length"},
    HostileName{"a unit of random bytes",        "temperature", [] { return randomBytes(kMegabyte); },       celsius,
                "vardeln-convert: unknown unit \""},
    HostileName{"a unit of invalid UTF-8",       "temperature", [] { return invalidUtf8(kMegabyte); },       celsius,
                "vardeln-convert: unknown unit \""},
    HostileName{"a lead byte at the very end",   "temperature", [] { return std::string("R\xC3"); },         celsius,
                "vardeln-convert: unknown unit \"R?\" in temperature"},
    HostileName{"the 8-bit CSI, a C1 control",   "length",      [] { return std::string("\xC2\x9B" "2J"); }, meters,
                "vardeln-convert: unknown unit \"?2J\" in length"},
    HostileName{"an 8-bit CSI byte alone",       "length",      [] { return std::string("\x9B" "2J\xED\xA0\x80"); }, meters,
                "vardeln-convert: unknown unit \"?2J???\" in length"},
    HostileName{"NUL after a real label",        "length",      [] { return std::string("Feet\0", 5); },     meters,
                "vardeln-convert: unknown unit \"Feet?\" in length"},
    HostileName{"line break after a real label", "length",      [] { return std::string("Feet"); },          [] { return std::string("Meters\n"); },
                "vardeln-convert: unknown unit \"Meters?\" in length"},
    HostileName{"an empty unit",                 "length",      [] { return std::string(); },                meters,
                "vardeln-convert: unknown unit \"\" in length"}));
// clang-format on

TEST(HostileCategory, AMegabyteLongCategoryIsReportedInOneLine) {
  const std::string category = repeated(kMegabyte, 'l');
  const testing::CapturedRun run = testing::runCaptured({category, "1", "Feet", "Meters"});
  EXPECT_EQ(run.status, ExitStatus::UsageError);
  expectOneLineMessage(run.err);
  EXPECT_TRUE(run.err.starts_with("vardeln-convert: unknown category \"llll"));
  expectStillConverting();
}

struct HostileBatch {
  const char* what;
  Text input;
  ExitStatus status;
  Text out;
};

std::ostream& operator<<(std::ostream& out, const HostileBatch& b) { return out << b.what; }

class HostileBatches : public ::testing::TestWithParam<HostileBatch> {};

TEST_P(HostileBatches, WriteOneClearLinePerInputLine) {
  const HostileBatch& b = GetParam();
  // An ordinary value after the hostile ones shows that the batch went on working.
  const testing::CapturedRun run =
      testing::runCaptured({"length", "-", "Kilometers", "Meters"}, b.input() + "\n1\n");
  EXPECT_EQ(run.status, b.status);
  EXPECT_EQ(run.out, b.out() + "1000\n");
  EXPECT_EQ(run.err, "");
}

TEST_P(HostileBatches, WriteOneWholeJsonRecordPerInputLine) {
  const HostileBatch& b = GetParam();
  const testing::CapturedRun run =
      testing::runCaptured({"--json", "length", "-", "Kilometers", "Meters"}, b.input() + "\n1\n");
  EXPECT_EQ(run.status, b.status);
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> results = testing::linesOf(b.out() + "1000\n");
  const std::vector<std::string> records = testing::linesOf(run.out);
  ASSERT_EQ(records.size(), results.size());
  EXPECT_EQ(run.out.back(), '\n');
  for (std::size_t i = 0; i < records.size(); ++i) {
    nlohmann::json record = nlohmann::json::parse(records[i], nullptr, false);
    ASSERT_TRUE(record.is_object()) << "line " << i << " is not a JSON record";
    EXPECT_EQ(record["result"], results[i]) << "line " << i;
  }
}

std::string oneInvalidNumber() { return "Invalid Number\n"; }

// Lines of a megabyte or more are not kept and read as no number.
// clang-format off
INSTANTIATE_TEST_SUITE_P(StandardInput, HostileBatches, ::testing::Values(
    HostileBatch{"four megabytes of digits on one line",  [] { return repeated(4 * kMegabyte, '9'); },         kInvalid, oneInvalidNumber},
    HostileBatch{"a megabyte of invalid UTF-8",           [] { return invalidUtf8(kMegabyte); },               kInvalid, oneInvalidNumber},
    HostileBatch{"leading zeros just short of the limit", [] { return repeated(kMegabyte - 2, '0') + "2"; },   kOk,      [] { return std::string("2000\n"); }},
    HostileBatch{"leading zeros beyond the limit",        [] { return repeated(2 * kMegabyte, '0') + "2"; },   kInvalid, oneInvalidNumber},
    HostileBatch{"NUL characters",                        [] { return std::string("\0\n1\0\n\0" "1\n2", 9); }, kInvalid,
                 [] { return std::string("Invalid Number\nInvalid Number\nInvalid Number\n2000\n"); }},
    HostileBatch{"carriage returns only",                 [] { return std::string("1\r2\r3"); },               kInvalid, oneInvalidNumber},
    HostileBatch{"a megabyte of empty lines",             [] { return repeated(kMegabyte - 1, '\n'); },        kInvalid, [] {
                   std::string lines;
                   for (std::size_t i = 0; i < kMegabyte; ++i) lines += "Invalid Number\n";
                   return lines; }}));
// clang-format on

struct HostileOption {
  const char* what;
  Text option;
};

std::ostream& operator<<(std::ostream& out, const HostileOption& o) { return out << o.what; }

class HostileOptions : public ::testing::TestWithParam<HostileOption> {};

TEST_P(HostileOptions, AreRefusedInOneLineWithTheUsageStatus) {
  const std::string option = GetParam().option();
  for (const std::vector<std::string_view>& arguments :
       {std::vector<std::string_view>{option, "length", "1", "Feet", "Meters"},
        std::vector<std::string_view>{"--json", "length", "1", "Feet", "Meters", option}}) {
    const testing::CapturedRun run = testing::runCaptured(arguments);
    EXPECT_EQ(run.status, ExitStatus::UsageError);
    EXPECT_EQ(run.out, "");
    expectOneLineMessage(run.err);
    EXPECT_LT(run.err.size(), 200u) << "the message repeats too much of the option";
    EXPECT_TRUE(run.err.starts_with("vardeln-convert: unknown option \"-"));
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arguments, HostileOptions, ::testing::Values(
    HostileOption{"a megabyte-long option",      [] { return "--" + repeated(kMegabyte, 'j'); }},
    HostileOption{"an option of invalid UTF-8",  [] { return "-" + invalidUtf8(kMegabyte); }},
    HostileOption{"an option of random bytes",   [] { return "--" + randomBytes(kMegabyte); }},
    HostileOption{"a line break in an option",   [] { return std::string("--js\non"); }},
    HostileOption{"NUL in a real option",        [] { return std::string("--json\0", 7); }},
    HostileOption{"a sign and no number",        [] { return std::string("-e5"); }}));
// clang-format on

TEST(HostileStandardInput, FourMegabytesOfRandomBytesGiveOneLinePerLine) {
  const std::string input = randomBytes(4 * kMegabyte) + "\n1\n";
  const testing::CapturedRun run =
      testing::runCaptured({"length", "-", "Kilometers", "Meters"}, input);
  EXPECT_EQ(run.err, "");
  const std::vector<std::string_view> in = vardeln::testing::batchLines(input);
  const std::vector<std::string_view> out = vardeln::testing::batchLines(run.out);
  ASSERT_EQ(out.size(), in.size());
  EXPECT_EQ(out.back(), "1000");
  // A short line of random bytes is now and then a number; every other line says it is not.
  for (std::size_t i = 0; i < in.size(); ++i) {
    EXPECT_EQ(out[i] == kInvalidNumber, !isNumber(in[i])) << "line " << i;
  }
  EXPECT_EQ(run.status, ExitStatus::InvalidNumber);
}

}  // namespace
}  // namespace vardeln::cli
