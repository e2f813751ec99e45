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
  return row.standard() &&
         std::abs(std::strtod(std::string(row.deviation).c_str(), nullptr)) >= 1e-3;
}

std::string farFromTodayNote(const Category& category, std::size_t from, std::size_t to,
                             NoteDetail detail) {
  std::string note;
  for (const std::size_t unit : {from, to}) {
    const TodaysDefinition& row = todaysDefinition(category, unit);
    if (!farFromToday(row) || (unit == to && to == from)) continue;
    if (!note.empty()) note += "; ";
    if (detail == NoteDetail::Short) {
      note += std::string(row.label) + ": " + std::string(row.comparison) + " today's";
    } else {
      note += "this table's " + std::string(row.label) + " is " + std::string(row.comparison) +
              " today's (" + std::string(row.definition) + ")";
    }
  }
  return note;
}

std::string todayText(const Category& category, std::size_t unit) {
  const TodaysDefinition& row = todaysDefinition(category, unit);
  std::string text = std::string(row.label) + ": ";
  if (!row.standard()) {
    text += "no single standard today (" + std::string(row.kind) + "): ";
    text += row.definition;
  } else {
    text += row.deviation == "0" ? "the same as today's: "
                                 : "this table's is " + std::string(row.comparison) + " today's: ";
    text += std::string(row.definition) + " = " + std::string(row.today) + " " +
            std::string(category.baseLabel());
    if (row.uncertainty != "exact") text += ", uncertainty " + std::string(row.uncertainty);
    text += " (" + std::string(row.kind) + ")";
  }
  // "confirmed: what was read" is said as "confirmed": the table names the text.
  const std::string_view confirmation = row.confirmation.substr(0, row.confirmation.find(':'));
  return text + "; source: " + std::string(row.source) + "; " + std::string(confirmation);
}

}  // namespace vardeln
