// Vardeln — MIT licence, see LICENSE.
#include "today.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace vardeln {

const TodaysDefinition& todaysDefinition(const Category& category, std::size_t unit) {
  const std::string_view label = category.rules()[unit].label;
  for (const TodaysDefinition& row : todaysDefinitions()) {
    if (row.category == category.id() && row.label == label) return row;
  }
  // The build stops on a table unit without a row (engine/table_check.cpp), so only a
  // category made outside the tables gets here: it is told no standard, not a made-up one.
  static constexpr TodaysDefinition kNoRow{"", "", "—", "",  "not in today's definitions",
                                           "", "", "",  "—", ""};
  return kNoRow;
}

// The shipped deviation's three digits are rounded so as never to cross 0.1 % (the table
// test holds it), so reading them is exact enough to sort.
bool farFromToday(const TodaysDefinition& row) {
  return row.standard() &&
         std::abs(std::strtod(std::string(row.deviation).c_str(), nullptr)) >= 1e-3;
}

namespace {

// The table's units a unit or compound unit is made of.
std::vector<std::size_t> unitsOf(const Category& category, QuantityUnit unit) {
  if (!unit.compound) return {unit.index};
  std::vector<std::size_t> units;
  for (const CompoundPart& part : category.compoundUnits()[unit.index].parts) {
    units.push_back(part.unit);
  }
  return units;
}

}  // namespace

namespace {

// The note of each unit that is far from today's definition, in the order given, each once.
std::string noteOf(const Category& category, const std::vector<std::size_t>& units,
                   NoteDetail detail) {
  std::string note;
  for (auto unit = units.begin(); unit != units.end(); ++unit) {
    if (std::find(units.begin(), unit, *unit) != unit) continue;
    const TodaysDefinition& row = todaysDefinition(category, *unit);
    if (!farFromToday(row)) continue;
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

}  // namespace

std::string farFromTodayNote(const Category& category, QuantityUnit from, QuantityUnit to,
                             NoteDetail detail) {
  // A unit to itself gives back the number typed, whatever its size today.
  if (from.index == to.index && from.compound == to.compound) return {};
  std::vector<std::size_t> units = unitsOf(category, from);
  const std::vector<std::size_t> target = unitsOf(category, to);
  units.insert(units.end(), target.begin(), target.end());
  return noteOf(category, units, detail);
}

std::string farFromTodayNote(const Category& category, QuantityUnit from, NoteDetail detail) {
  std::vector<std::size_t> units = unitsOf(category, from);
  for (std::size_t unit = 0; unit < category.rules().size(); ++unit) units.push_back(unit);
  return noteOf(category, units, detail);
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
    if (row.rounded()) {
      text += ", " + std::string(row.uncertainty);
    } else if (row.uncertainty != "exact") {
      text += ", uncertainty " + std::string(row.uncertainty);
    }
    text += " (" + std::string(row.kind) + ")";
  }
  // "confirmed: what was read" is carried as "confirmed": the table names the text.
  return text + "; source: " + std::string(row.source) + "; " + std::string(row.confirmation);
}

std::string todayText(const Category& category, QuantityUnit unit) {
  std::string text;
  for (const std::size_t part : unitsOf(category, unit)) {
    if (!text.empty()) text += "; ";
    text += todayText(category, part);
  }
  return text;
}

}  // namespace vardeln
