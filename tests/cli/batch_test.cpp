// Vardeln — MIT licence, see LICENSE.
// Batch mode: lines in, one result line out per line, whatever the line ends and lengths.
#include "batch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "block_writer.h"
#include "captured_run.h"
#include "categories.h"
#include "conversion.h"
#include "line_reader.h"

namespace vardeln::cli {
namespace {

using testing::contentOf;
using testing::temporaryFile;

struct Batch {
  const char* what;
  std::string input;
  std::string output;
  ExitStatus status;
};

std::ostream& operator<<(std::ostream& out, const Batch& b) { return out << b.what; }

class Batches : public ::testing::TestWithParam<Batch> {};

TEST_P(Batches, WriteOneLinePerInputLine) {
  const Batch& b = GetParam();
  const Category& length = *categoryById("length");
  ValueConverter converter({&length, *length.unitIndex("Kilometers"), *length.unitIndex("Meters")},
                           ResultForm::Shown);
  const testing::File in = temporaryFile(b.input);
  const testing::File out = temporaryFile();
  const BatchOutcome outcome = convertBatch(converter, in.get(), out.get());
  EXPECT_EQ(outcome.status, b.status);
  EXPECT_EQ(contentOf(out.get()), b.output);
}

const std::string kTooLong(kBlockSize + 10, '1');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lines, Batches, ::testing::Values(
    Batch{"empty input",                "",                         "",                                        ExitStatus::Success},
    Batch{"good lines",                 "1\n-2.5\n1e-3\n",          "1000\n-2500\n1\n",                        ExitStatus::Success},
    Batch{"missing final line break",   "1\n2",                     "1000\n2000\n",                            ExitStatus::Success},
    Batch{"CRLF line ends",             "1\r\n2\r\n",               "1000\n2000\n",                            ExitStatus::Success},
    Batch{"blanks around values",       " 1\t\n\t2 \n",             "1000\n2000\n",                            ExitStatus::Success},
    Batch{"mixed good, invalid, fault", "1\nabc\n1e308\n2\n",      "1000\nInvalid Number\nOverflow\n2000\n",  ExitStatus::Fault},
    Batch{"fault before invalid",       "1e308\nabc\n",             "Overflow\nInvalid Number\n",              ExitStatus::Fault},
    Batch{"byte-order mark at the start only", "\xEF\xBB\xBF" "1\n\xEF\xBB\xBF" "2\n", "1000\nInvalid Number\n", ExitStatus::InvalidNumber},
    Batch{"byte-order mark alone",      "\xEF\xBB\xBF",             "",                                        ExitStatus::Success},
    Batch{"start of a mark, no more",   "\xEF\xBB",                  "Invalid Number\n",                       ExitStatus::InvalidNumber},
    Batch{"empty line",                 "1\n\n2\n",                 "1000\nInvalid Number\n2000\n",            ExitStatus::InvalidNumber},
    Batch{"blank-only lines",           " \n\t\r\n",                "Invalid Number\nInvalid Number\n",        ExitStatus::InvalidNumber},
    Batch{"only a line break",          "\n",                       "Invalid Number\n",                        ExitStatus::InvalidNumber},
    Batch{"NUL inside a line",          std::string("1\0" "2\n", 4), "Invalid Number\n",                       ExitStatus::InvalidNumber},
    Batch{"line longer than a block",   "1\n" + kTooLong + "\n2\n", "1000\nInvalid Number\n2000\n",            ExitStatus::InvalidNumber},
    Batch{"long last line, no break",   "1\n" + kTooLong,           "1000\nInvalid Number\n",                  ExitStatus::InvalidNumber}));
// clang-format on

std::vector<std::string> readLines(const std::string& input, std::size_t blockSize) {
  const testing::File in = temporaryFile(input);
  LineReader reader(in.get(), blockSize);
  std::vector<std::string> lines;
  while (const std::optional<InputLine> line = reader.next()) {
    lines.push_back(line->tooLong ? "<too long>" : std::string(line->text));
  }
  EXPECT_FALSE(reader.failed());
  return lines;
}

TEST(LineReader, SplitsLinesAcrossBlockBoundaries) {
  using Lines = std::vector<std::string>;
  const struct {
    std::size_t blockSize;
    std::string input;
    Lines lines;
  } cases[] = {
      {4, "ab\ncd\nef", {"ab", "cd", "ef"}},
      {4, "abc\n", {"abc"}},                      // a line that fills the block but for \n
      {4, "abcd", {"<too long>"}},                // a line must be shorter than a block
      {4, "abcd\nx\n", {"<too long>", "x"}},      // a block with no line feed
      {4, "abcdefghij\nx", {"<too long>", "x"}},  // several blocks long
      {4, "abcdefghij", {"<too long>"}},
      {4, "\n\n", {"", ""}},
      {3, "a\r\nb\r\n", {"a\r", "b\r"}},
      {1, "\n\n", {"", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input + " in blocks of " + std::to_string(c.blockSize));
    EXPECT_EQ(readLines(c.input, c.blockSize), c.lines);
  }
}

TEST(BlockWriter, KeepsOrderAcrossSmallBlocksAndLongTexts) {
  const testing::File out = temporaryFile();
  BlockWriter writer(out.get(), 8);
  for (const char* text : {"one", "two", "a text longer than a block", "", "three"}) {
    writer.writeLine(text);
  }
  ASSERT_TRUE(writer.flush());
  EXPECT_EQ(contentOf(out.get()), "one\ntwo\na text longer than a block\n\nthree\n");
}

}  // namespace
}  // namespace vardeln::cli
