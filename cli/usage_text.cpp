// Vardeln — MIT licence, see LICENSE.
#include "usage_text.h"

#include "version.h"

namespace vardeln::cli {

std::string_view usageText() {
  return "Usage: vardeln-convert [--exact] CATEGORY VALUE FROM TO\n"
         "       vardeln-convert --list [CATEGORY]\n"
         "       vardeln-convert --help | --version\n"
         "\n"
         "Converts VALUE from unit FROM to unit TO and prints the result as Vardeln's\n"
         "result box shows it. With VALUE - it reads one value per line from standard\n"
         "input and writes one result per line.\n"
         "\n"
         "  --exact  print the shortest text that reads back to the same double\n"
         "  --list   print the category names, or the unit labels of CATEGORY\n"
         "\n"
         "Names and labels match exactly, otherwise ignoring case. Quote a label with\n"
         "blanks or slashes as one argument: \"Dynes / cm Square\".\n"
         "\n"
         "Exit status: 0 converted, 1 not a number, 2 bad arguments or an unknown name,\n"
         "3 floating-point fault, 4 input or output failed.\n";
}

std::string_view versionText() { return "vardeln-convert " VARDELN_VERSION "\n"; }

}  // namespace vardeln::cli
