// Vardeln — MIT licence, see LICENSE.
// Run by the build: every category's table is built (a compound unit naming a unit the table
// lacks stops it) and every unit has its row of today's definitions, or the build fails with
// a message naming the unit.
#include <cstdio>
#include <exception>
#include <string>

#include "categories.h"
#include "today.h"

int main() {
  using namespace vardeln;
  try {
    int missing = 0;
    for (const Category& category : allCategories()) {
      for (const std::string_view label : category.labels()) {
        bool found = false;
        for (const TodaysDefinition& row : todaysDefinitions()) {
          found = found || (row.category == category.id() && row.label == label);
        }
        if (found) continue;
        std::fprintf(stderr, "engine/tables/today.tsv has no row for the %s unit \"%s\"\n",
                     std::string(category.id()).c_str(), std::string(label).c_str());
        ++missing;
      }
    }
    return missing == 0 ? 0 : 1;
  } catch (const std::exception& fault) {
    std::fprintf(stderr, "%s\n", fault.what());
    return 1;
  }
}
