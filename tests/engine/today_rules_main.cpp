// Vardeln — MIT licence, see LICENSE.
// Every unit's to-base rule of 1 as the explanations write it, with the shared constants it
// names, one unit a line: "category<TAB>label<TAB>rule<TAB>constant<TAB>...". The deviation
// script reads these, so the legacy side of each deviation is the very rule that computes.
#include <cstdio>
#include <string>

#include "categories.h"
#include "rule_text.h"

int main() {
  using namespace vardeln;
  for (const Category& category : allCategories()) {
    for (const UnitRule& unit : category.rules()) {
      std::string line = std::string(category.id()) + '\t' + std::string(unit.label) + '\t' +
                         toBaseArithmetic(unit, Script::Ascii, "1");
      for (const SharedConstant& constant : constantsNamedBy(unit.toBase.text)) {
        line += '\t' + std::string(constant.name) + '=' +
                constantText(constant, Script::Ascii).substr(constant.name.size() + 3);
      }
      std::puts(line.c_str());
    }
  }
}
