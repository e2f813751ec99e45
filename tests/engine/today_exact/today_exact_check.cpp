// Vardeln — MIT licence, see LICENSE.
#include "today_exact_check.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <sstream>

#include "categories.h"
#include "golden_entry.h"
#include "today_conversion.h"

namespace vardeln::today_exact {
namespace {

std::vector<std::string> columns(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream split(line);
  for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
  return fields;
}

std::optional<std::uint64_t> readBits(const std::string& text) {
  std::uint64_t bits = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), bits, 16);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return bits;
}

std::string describe(std::uint64_t bits) {
  return golden::decimal(bits) + " (" + golden::hexBits(bits) + ")";
}

// The same FNV-1a as the oracle's, over each double's eight bytes, lowest first.
std::uint64_t digest(const std::vector<std::uint64_t>& values) {
  std::uint64_t hash = 0xcbf29ce484222325;
  for (std::uint64_t value : values) {
    for (int byte = 0; byte < 8; ++byte)
      hash = (hash ^ ((value >> (8 * byte)) & 0xff)) * 0x100000001b3;
  }
  return hash;
}

}  // namespace

OracleReport checkOracle(std::istream& oracle) {
  OracleReport report;
  std::vector<std::string> inputs;
  std::vector<std::string> sweep;
  for (std::string line; std::getline(oracle, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields = columns(line);
    if (fields[0] == "inputs" || fields[0] == "sweep") {
      (fields[0] == "inputs" ? inputs : sweep).assign(fields.begin() + 1, fields.end());
      continue;
    }
    if (fields.size() != 4 + inputs.size()) {
      report.problems.push_back("not " + std::to_string(4 + inputs.size()) + " columns: " + line);
      continue;
    }
    const std::string pair = fields[0] + " " + fields[1] + " to " + fields[2];
    const Category* category = categoryById(fields[0]);
    const auto from = category ? category->unitIndex(fields[1]) : std::nullopt;
    const auto to = category ? category->unitIndex(fields[2]) : std::nullopt;
    if (!from || !to) {
      report.problems.push_back(pair + ": not units of the engine");
      continue;
    }
    auto bitsAt = [&](const std::string& typed) {
      const TodayConversion conversion = convertByToday(*category, typed, *from, *to);
      if (conversion.outcome != TodayConversion::Outcome::Result)
        report.problems.push_back(pair + " refused " + typed);
      return golden::bitsOf(conversion.result);
    };
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      const std::optional<std::uint64_t> expected = readBits(fields[3 + i]);
      const std::uint64_t given = bitsAt(inputs[i]);
      if (!expected || given != *expected) {
        report.problems.push_back(pair + " at " + inputs[i] + ": expected " + fields[3 + i] +
                                  (expected ? " = " + describe(*expected) : "") + ", got " +
                                  describe(given));
      }
    }
    std::vector<std::uint64_t> swept;
    for (const std::string& typed : sweep) swept.push_back(bitsAt(typed));
    if (readBits(fields.back()) != digest(swept)) {
      report.problems.push_back(pair + " over the sweep: expected digest " + fields.back() +
                                ", got " + golden::hexBits(digest(swept)));
    }
    ++report.pairsChecked;
  }
  return report;
}

}  // namespace vardeln::today_exact
