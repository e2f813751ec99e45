// Vardeln — MIT licence, see LICENSE.
// The installed program itself, run as scripts run it: arguments, standard input and exit
// status through a real process.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "program_under_test.h"
#include "version.h"

namespace {

struct ProcessRun {
  const char* what;
  std::vector<std::string> arguments;
  std::string input;
  int status;
  std::string out;
  std::string err;
  std::string locale = "C.UTF-8";  // the character set the program writes for
};

std::ostream& operator<<(std::ostream& out, const ProcessRun& r) { return out << r.what; }

// A run's name in the test's name, "batch from standard input" as BatchFromStandardInput, so
// that a stage can leave out a run by name.
std::string runName(const ::testing::TestParamInfo<ProcessRun>& info) {
  std::string name;
  bool wordStart = true;
  for (const char c : std::string_view(info.param.what)) {
    const bool letter = std::isalnum(static_cast<unsigned char>(c)) != 0;
    if (letter) name += wordStart ? static_cast<char>(std::toupper(c)) : c;
    wordStart = !letter;
  }
  return name;
}

std::string shellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string fileContent(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

class ProcessRuns : public ::testing::TestWithParam<ProcessRun> {};

TEST_P(ProcessRuns, EndWithTheirStatusAndOutput) {
  const ProcessRun& r = GetParam();
  // One name per process, so that runs in parallel do not share files.
  const std::string base = ::testing::TempDir() + "vardeln_convert_" + std::to_string(getpid());
  std::ofstream(base + ".in", std::ios::binary) << r.input;
  std::string command = "LC_ALL=" + r.locale + " " + shellQuoted(programUnderTest());
  for (const std::string& argument : r.arguments) command += " " + shellQuoted(argument);
  command += " <" + base + ".in >" + base + ".out 2>" + base + ".err";

  const int waitStatus = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(waitStatus));
  EXPECT_EQ(WEXITSTATUS(waitStatus), r.status);
  EXPECT_EQ(fileContent(base + ".out"), r.out);
  EXPECT_EQ(fileContent(base + ".err"), r.err);
  for (const char* suffix : {".in", ".out", ".err"}) std::remove((base + suffix).c_str());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Program, ProcessRuns, ::testing::Values(
    ProcessRun{"converted",      {"mass", "1", "Maund", "Seer"}, "", 0, "40\n",
                                 "vardeln-convert: note: \"Maund\" here is the Indian maund of 40 seer; the maunds of other places and trades"
                                 " weighed otherwise; \"Seer\" here is the Indian seer of 80 tola; the seers of other places weighed otherwise\n"},
    ProcessRun{"unknown unit",   {"mass", "1", "Maundz", "Seer"}, "", 2, "",
                                 "vardeln-convert: unknown unit \"Maundz\" in mass; closest: \"Maund\", \"Maund, Seer, Chhatank and Tola\"\n"},
    ProcessRun{"argument in UTF-8",  {"length", "1", "Mètre", "Meters"}, "", 2, "",
                                 "vardeln-convert: unknown unit \"Mètre\" in length; closest: \"Meters\"\n"},
    ProcessRun{"batch from standard input", {"--exact", "length", "-", "feet", "METERS"}, "1\r\n2\nx", 1,
                                 "0.3047999902464003\n0.6095999804928006\nInvalid Number\n", ""},
    ProcessRun{"explained in ASCII where the locale is not UTF-8", {"--explain", "length", "1", "Feet", "Meters"}, "", 0,
                                 "Feet -> Meters (length, base unit Meters)\n"
                                 "  to base:   B = x * FootInMetres\n"
                                 "               = 1 * FootInMetres\n"
                                 "               = 0.3047999902464003\n"
                                 "  from base: result = B\n"
                                 "                    = 0.3047999902464003\n"
                                 "                    ~ 0.3047999902464\n"
                                 "  where FootInMetres = 1 / 3.28084 = 0.3047999902464003\n"
                                 "  today: Feet: this table's is 3.2e-8 smaller than today's: 1 ft = 0.3048 m (exact) = 0.3048 Meters (exact by definition); source: International yard and pound agreement (1 July 1959): yd = 0.9144 m, lb = 0.45359237 kg; India Standards of Weights and Measures Act 1976 s.85 conversion table; confirmed\n"
                                 "  today: Meters: the same as today's: SI base unit = 1 Meters (exact by definition); source: BIPM SI Brochure 9th ed. (2019); confirmed\n", "", "C"},
    ProcessRun{"a locale the system lacks is named", {"--locale", "length", "1.5", "m", "m"}, "", 0, "1.5\n",
                                 "vardeln-convert: note: the locale \"xx_YY.UTF-8\" is not installed; numbers are read and written as 1234.5\n", "xx_YY.UTF-8"},
    ProcessRun{"version",        {"--version"}, "", 0, "vardeln-convert " VARDELN_VERSION "\n", ""}),
    runName);
// clang-format on

TEST(Program, ReportsOutputThatCannotBeWritten) {
  const std::string command =
      shellQuoted(programUnderTest()) + " length 1 Feet Meters >/dev/full 2>/dev/null";
  const int waitStatus = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(waitStatus));
  EXPECT_EQ(WEXITSTATUS(waitStatus), 4);
}

// As a coprocess uses it: one line written, its answer awaited, with the input still open.
TEST(Program, AnswersEachLineBeforeTheInputEnds) {
  int toProgram[2];
  int fromProgram[2];
  ASSERT_EQ(pipe(toProgram), 0);
  ASSERT_EQ(pipe(fromProgram), 0);
  const pid_t child = fork();
  if (child == 0) {
    dup2(toProgram[0], STDIN_FILENO);
    dup2(fromProgram[1], STDOUT_FILENO);
    for (const int end : {toProgram[0], toProgram[1], fromProgram[0], fromProgram[1]}) close(end);
    execl(programUnderTest(), programUnderTest(), "length", "-", "Feet", "Meters", nullptr);
    _exit(127);
  }
  close(toProgram[0]);
  close(fromProgram[1]);
  for (const auto& [line, answer] :
       {std::pair{"1\n", "0.3047999902464\n"}, {"2\n", "0.609599980492801\n"}}) {
    ASSERT_EQ(write(toProgram[1], line, 2), 2);
    pollfd answered{fromProgram[0], POLLIN, 0};
    ASSERT_EQ(poll(&answered, 1, 10'000), 1) << "no answer to " << line;  // generous when busy
    char text[64];
    const ssize_t size = read(fromProgram[0], text, sizeof text);
    EXPECT_EQ(std::string(text, size > 0 ? static_cast<std::size_t>(size) : 0), answer);
  }
  close(toProgram[1]);
  close(fromProgram[0]);
  int waitStatus = 0;
  ASSERT_EQ(waitpid(child, &waitStatus, 0), child);
  EXPECT_TRUE(WIFEXITED(waitStatus) && WEXITSTATUS(waitStatus) == 0);
}

}  // namespace
