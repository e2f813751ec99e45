// Vardeln — MIT licence, see LICENSE.
// The engine against the golden table in the repository, and the checker's own power to
// notice a slip: a changed bit, a changed fault, a missing or unknown unit, a broken line.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "categories.h"
#include "conversion.h"
#include "golden_check.h"
#include "golden_entry.h"
#include "golden_write.h"

namespace vardeln::golden {
namespace {

std::size_t expectedEntries() {
  std::size_t rules = 0;
  for (const Category& category : allCategories()) rules += category.rules().size();
  return rules * 2 * (goldenInputs().size() + 1);  // and a sweep
}

std::string joined(const std::vector<std::string>& problems, std::size_t atMost) {
  std::string text;
  for (std::size_t i = 0; i < problems.size() && i < atMost; ++i) text += problems[i] + '\n';
  if (problems.size() > atMost)
    text += "... and " + std::to_string(problems.size() - atMost) + " more\n";
  return text;
}

TEST(GoldenTable, EveryRuleGivesItsRecordedBits) {
  std::ifstream table(VARDELN_GOLDEN_FILE);
  ASSERT_TRUE(table) << "cannot read " << VARDELN_GOLDEN_FILE;
  const CheckReport report = checkGolden(table);
  EXPECT_TRUE(report.problems.empty()) << joined(report.problems, 60);
  EXPECT_EQ(report.entriesChecked, expectedEntries())
      << "the table was written with other inputs; regenerate it";
}

using Lines = std::vector<std::string>;

struct Slip {
  const char* name;
  std::function<void(Lines&)> make;
  const char* reported;  // a text the one problem it causes must contain
};

void PrintTo(const Slip& slip, std::ostream* out) { *out << slip.name; }

// The first line that starts with the given columns.
std::string& lineStarting(Lines& lines, const std::string& prefix) {
  const auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& text) {
    return text.rfind(prefix, 0) == 0;
  });
  if (line == lines.end()) throw std::logic_error("no line starts with " + prefix);
  return *line;
}

// The input column as the table writes it, between its tabs.
std::string at(double input) { return '\t' + hexBits(bitsOf(input)) + '\t'; }

void replaceColumn(std::string& line, std::size_t column, const std::string& text) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < column; ++i) start = line.find('\t', start) + 1;
  line.replace(start, line.find('\t', start) - start, text);
}

Bits furlongsOfAThird() {
  const Category& length = *categoryById("length");
  return bitsOf(length.rules()[*length.unitIndex("Furlong")].fromBase(1.0 / 3));
}

// clang-format off
const Slip kSlips[] = {
    {"last bit of a value", [](Lines& lines) {
       replaceColumn(lineStarting(lines, "length\tFurlong\tfrom" + at(1.0 / 3)), 4, hexBits(furlongsOfAThird() ^ 1));
     }, "length \"Furlong\" from base at 0.33333333333333331: expected"},
    {"fault of a value", [](Lines& lines) {
       replaceColumn(lineStarting(lines, "area\tMiles Square\tto" + at(1e303)), 5, "ok");
     }, "expected inf (7ff0000000000000, ok), got inf (7ff0000000000000, overflow)"},
    {"a sweep digest", [](Lines& lines) {
       replaceColumn(lineStarting(lines, "temperature\tRankine\tfrom\tsweep\t"), 4, hexBits(0));
     }, "temperature \"Rankine\" from base over the 2048 sweep inputs: expected digest 0000000000000000, got"},
    {"a unit missing in one direction", [](Lines& lines) {
       std::erase_if(lines, [](const std::string& line) {
         return line.rfind("temperature\tKelvin\tto\t", 0) == 0 && line.find("\tsweep\t") == std::string::npos;
       });
     }, "temperature \"Kelvin\" to base has no entry"},
    {"a unit the engine lacks", [](Lines& lines) {
       std::string line = lineStarting(lines, "length\tFeet\tto" + at(1));
       replaceColumn(line, 1, "Feets");
       lines.push_back(line);
     }, "length \"Feets\" is not a unit of the engine"},
    {"a broken line", [](Lines& lines) {
       replaceColumn(lineStarting(lines, "mass\tMaund\tto" + at(2)), 2, "across");
     }, "direction is neither"},
};
// clang-format on

class GoldenChecker : public ::testing::TestWithParam<Slip> {};

// The table as this engine writes it, once for all slips.
const Lines& freshTable() {
  static const Lines lines = [] {
    std::ostringstream written;
    writeGolden(written);
    Lines split;
    std::istringstream reading(written.str());
    for (std::string line; std::getline(reading, line);) split.push_back(line);
    return split;
  }();
  return lines;
}

TEST_P(GoldenChecker, ReportsTheOneSlipInAFreshTable) {
  Lines lines = freshTable();
  GetParam().make(lines);
  std::string slipped;
  for (const std::string& line : lines) slipped += line + '\n';
  std::istringstream table(slipped);
  const CheckReport report = checkGolden(table);
  ASSERT_EQ(report.problems.size(), 1u) << joined(report.problems, 10);
  EXPECT_NE(report.problems.front().find(GetParam().reported), std::string::npos)
      << report.problems.front();
}

INSTANTIATE_TEST_SUITE_P(Slips, GoldenChecker, ::testing::ValuesIn(kSlips));

}  // namespace
}  // namespace vardeln::golden
