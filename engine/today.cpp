// Vardeln — MIT licence, see LICENSE.
#include "today.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace vardeln {

const TodaysDefinition& todaysDefinition(const Category& category, std::size_t unit) {
  const std::string_view label = category.rules()[unit].label;
  for (const TodaysDefinition& row : todaysDefinitions()) {
    if (row.category == category.id() && row.label == label) return row;
  }
  std::abort();  // the table test holds a row for every unit
}

// The shipped deviation's three digits are rounded so as never to cross 0.1 % (the table
// test holds it), so reading them is exact enough to sort.
bool farFromToday(const TodaysDefinition& row) {
  return row.standard() && std::abs(std::strtod(std::string(row.deviation).c_str(), nullptr)) >= 1e-3;
}

std::string deviationWords(const TodaysDefinition& row) {
  return "this table's " + std::string(row.label) + " is " + std::string(row.comparison) +
         " today's (" + std::string(row.definition) + ")";
}

std::string todayText(const TodaysDefinition& row, std::string_view baseLabel) {
  std::string text = std::string(row.label) + " today: " + std::string(row.definition);
  if (!row.standard()) {
    return text + "; no single standard (" + std::string(row.kind) + "); source: " +
           std::string(row.source) + "; confirmation: " + std::string(row.confirmation) + ".";
  }
  text += "; " + std::string(row.today) + " " + std::string(baseLabel) + ", " +
          std::string(row.uncertainty) + ", " + std::string(row.kind) + "; source: " +
          std::string(row.source) + "; confirmation: " + std::string(row.confirmation) + ". ";
  text += "This table's " + std::string(row.label) + " is " + std::string(row.comparison) +
          " today's";
  if (row.deviation != "0") text += " (deviation " + std::string(row.deviation) + ")";
  return text + ".";
}

}  // namespace vardeln
