// Vardeln — MIT licence, see LICENSE.
// golden_check GOLDEN-FILE: checks the engine of this build against the golden table and
// prints every difference; exit status 0 when all match, 1 otherwise. Standard C++ only, so
// the same program runs in the WebAssembly build.
#include <fstream>
#include <iostream>

#include "golden_check.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: golden_check GOLDEN-FILE\n";
    return 1;
  }
  std::ifstream table(argv[1]);
  if (!table) {
    std::cerr << "golden_check: cannot read " << argv[1] << '\n';
    return 1;
  }
  const vardeln::golden::CheckReport report = vardeln::golden::checkGolden(table);
  for (const std::string& problem : report.problems) std::cout << problem << '\n';
  std::cout << report.entriesChecked << " entries checked, " << report.problems.size()
            << " problems\n";
  return report.problems.empty() && report.entriesChecked > 0 ? 0 : 1;
}
