// Vardeln — MIT licence, see LICENSE.
// Runs the command line in-process on temporary files and hands back what it wrote.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "command_line.h"

namespace vardeln::cli::testing {

// A temporary file, removed once closed. Not std::tmpfile: Windows' C library names its files
// from a count that every process starts alike, so tests running side by side there (the
// Windows stage) asked for the same name, and one of them got none.
struct TemporaryFileCloser {
  std::filesystem::path path;
  void operator()(std::FILE* file) const {
    std::fclose(file);
    std::filesystem::remove(path);
  }
};
using File = std::unique_ptr<std::FILE, TemporaryFileCloser>;

inline File temporaryFile(std::string_view content = {}) {
  static std::random_device seed;
  static unsigned count = 0;
  std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("vardeln-test-" + std::to_string(seed()) + "-" + std::to_string(++count));
  File file(std::fopen(path.string().c_str(), "w+b"), TemporaryFileCloser{path});
  EXPECT_NE(file, nullptr);
  if (!content.empty()) std::fwrite(content.data(), 1, content.size(), file.get());
  std::rewind(file.get());
  return file;
}

inline std::string contentOf(std::FILE* file) {
  std::rewind(file);
  std::string content;
  char block[4096];
  while (const std::size_t got = std::fread(block, 1, sizeof block, file)) {
    content.append(block, got);
  }
  return content;
}

struct CapturedRun {
  ExitStatus status;
  std::string out;
  std::string err;
};

inline CapturedRun runCaptured(const std::vector<std::string_view>& arguments,
                               std::string_view input = {}) {
  const File in = temporaryFile(input);
  const File out = temporaryFile();
  const File err = temporaryFile();
  const ExitStatus status = runCommandLine(arguments, {in.get(), out.get(), err.get()});
  return {status, contentOf(out.get()), contentOf(err.get())};
}

inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

}  // namespace vardeln::cli::testing
