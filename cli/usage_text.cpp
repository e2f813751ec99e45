// Vardeln — MIT licence, see LICENSE.
#include "usage_text.h"

#include "version.h"

namespace vardeln::cli {

std::string_view usageText() {
  return "Usage: vardeln-convert [--exact] [--json] [--fraction=N] [CATEGORY] VALUE FROM TO\n"
         "       vardeln-convert [--exact] --explain [CATEGORY] VALUE FROM TO\n"
         "       vardeln-convert [--exact] [--json] --all [CATEGORY] VALUE FROM\n"
         "       vardeln-convert --list [--json] [CATEGORY]\n"
         "       vardeln-convert -h | --help | --version\n"
         "\n"
         "Converts VALUE from unit FROM to unit TO and prints the result as Vardeln's\n"
         "result box shows it. With VALUE - it reads one value per line from standard\n"
         "input and writes one result per line, each as soon as its line is read.\n"
         "\n"
         "  --exact     print the shortest text that reads back to the same double\n"
         "  --json      print one JSON object per line: category, value, from, to,\n"
         "              result, exact, number and outcome (ok, invalid, infinite or\n"
         "              the fault's name)\n"
         "  --all       convert VALUE to every unit of CATEGORY: label, tab, result\n"
         "  --explain   show the two rules that gave the result as arithmetic, with\n"
         "              VALUE in place of x and every constant defined, and each\n"
         "              unit's definition today, its source and the rule's deviation\n"
         "  --fraction=N  write the last part of a compound unit (\"Feet and Inches\")\n"
         "              to the nearest 1/N, N one of 2, 4, 8, 16, 32, 64, and say by\n"
         "              how much that rounded\n"
         "  --list      print the category names, or the unit labels of CATEGORY\n"
         "              (its compound units after its single units; with --json, each\n"
         "              unit's names, today, kind and deviation)\n"
         "  --today     convert by today's definitions, in every form but --list:\n"
         "              VALUE as the exact decimal it writes, each unit's definition\n"
         "              today as an exact fraction, the result rounded once; a unit\n"
         "              with none today is refused (status 2), a measured one noted\n"
         "              on standard error; JSON records add \"definitions\":\"today\"\n"
         "  -h, --help  print this help\n"
         "  --version   print the version\n"
         "\n"
         "A unit off by 0.1 % or more from its definition today is said in one line\n"
         "on standard error; the result stays exactly the table's.\n"
         "\n"
         "Options may come before or after the other arguments; -- ends them. A number\n"
         "such as -5 is never an option. Names and labels match exactly, otherwise\n"
         "ignoring case. A unit is also taken by the names people write for it\n"
         "(\"ft\", \"foot\", \"feet\", \"metre\", \"lbs\"; see --list --json), but a name\n"
         "several units share (\"gallon\") is refused with the units it may mean.\n"
         "CATEGORY may be left out where the units settle it: 5 ft m. Quote a\n"
         "label with blanks or slashes as one argument: \"Dynes / cm Square\".\n"
         "A compound unit takes one number per part, largest first, the last with a\n"
         "fraction if need be: \"5 7 3/16\", \"5 ft 7 3/16 in\", \"1:23:20\"; with\n"
         "fewer numbers than parts they fill the smallest parts. A value that is no\n"
         "number gives \"Invalid Number\", and standard error names what was not read.\n"
         "\n"
         "Exit status: 0 converted, 1 not a number, 2 bad arguments or an unknown name,\n"
         "3 floating-point fault or infinite result, 4 input or output failed.\n";
}

std::string_view versionText() { return "vardeln-convert " VARDELN_VERSION "\n"; }

}  // namespace vardeln::cli
