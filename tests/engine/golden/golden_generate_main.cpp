// Vardeln — MIT licence, see LICENSE.
// golden_generate GOLDEN-FILE: writes the golden table from this build's engine. Run it only
// when a rule is meant to change, and review the difference of the table before committing.
#include <fstream>
#include <iostream>

#include "golden_write.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: golden_generate GOLDEN-FILE\n";
    return 1;
  }
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  vardeln::golden::writeGolden(out);
  out.close();
  if (!out) {
    std::cerr << "golden_generate: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
