// Vardeln — MIT licence, see LICENSE.
// The table of user scenarios that the model, the window and the page each run: read once
// here for the C++ drivers.
#pragma once

#include <cctype>
#include <fstream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vardeln::testing {

struct ScenarioCommand {
  std::string verb;
  std::string text;
  bool hasText = false;
};

struct Scenario {
  std::string name;
  std::vector<ScenarioCommand> commands;
  std::string number, result, note, stale, copy;
};

inline void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

// \n \r \t \\ as escapes; c\*N as the character c N times.
inline std::string unescapeScenarioText(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out.push_back(text[i]);
      continue;
    }
    const char next = text[++i];
    if (next == '*') {
      std::size_t digits = 0;
      const unsigned long count = std::stoul(std::string(text.substr(i + 1)), &digits);
      // The whole last character, however many bytes its UTF-8 takes.
      std::size_t start = out.size() - 1;
      while (start > 0 && (static_cast<unsigned char>(out[start]) & 0xC0) == 0x80) --start;
      const std::string character = out.substr(start);
      for (unsigned long n = 1; n < count; ++n) out += character;
      i += digits;
    } else {
      out.push_back(next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next);
    }
  }
  return out;
}

inline std::vector<std::string> splitOn(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + separator.size();
  }
}

inline std::vector<Scenario> readScenarios(const char* path) {
  std::ifstream file(path);
  if (!file) throw std::runtime_error(std::string("cannot read ") + path);
  std::vector<Scenario> scenarios;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string> columns = splitOn(line, "\t");
    if (columns.size() != 7) throw std::runtime_error("not seven columns: " + line);
    Scenario scenario{
        columns[0], {},         unescapeScenarioText(columns[2]), unescapeScenarioText(columns[3]),
        columns[4], columns[5], unescapeScenarioText(columns[6])};
    if (!columns[1].empty()) {
      for (const std::string& command : splitOn(columns[1], "; ")) {
        const std::size_t blank = command.find(' ');
        scenario.commands.push_back(
            {command.substr(0, blank),
             blank == std::string::npos ? "" : unescapeScenarioText(command.substr(blank + 1)),
             blank != std::string::npos});
      }
    }
    scenarios.push_back(std::move(scenario));
  }
  return scenarios;
}

// A test name GoogleTest takes: letters and digits, the rest as underscores.
inline std::string scenarioTestName(const std::string& name) {
  std::string out;
  for (const char c : name) out.push_back(std::isalnum(static_cast<unsigned char>(c)) ? c : '_');
  return out;
}

}  // namespace vardeln::testing
