// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "category.h"
#include "quantity_conversion.h"

namespace vardeln {

/// Today's definition of one unit beside its legacy rule, as engine/tables/today.tsv writes
/// it: the value in the category's base unit ("—" where no single standard exists), its
/// uncertainty, kind, definition in words, source and confirmation, and the legacy rule's
/// deviation (legacy − today) ÷ today with the comparison in words ("100 times", "3.2e-8
/// smaller than"), both computed in exact rational arithmetic ("—" without a standard).
struct TodaysDefinition {
  std::string_view category;
  std::string_view label;
  std::string_view today;
  std::string_view uncertainty;
  std::string_view kind;
  std::string_view definition;
  std::string_view source;
  /// "confirmed" (what was read stays in the table for its readers), or "unconfirmed (…)".
  std::string_view confirmation;
  std::string_view deviation;
  std::string_view comparison;

  /// Whether one standard defines the unit today, so that a deviation exists.
  bool standard() const { return today != "—"; }
  /// Whether the defined value is no fraction (the parsec's 648000/π au), so that `today`
  /// is its decimal rounded to the last digit written, as `uncertainty` says.
  bool rounded() const { return uncertainty.find("rounded to") != std::string_view::npos; }
};

/// Every row of the table, category by category as the file lists them.
std::span<const TodaysDefinition> todaysDefinitions();

/// The row of a unit of a category; the build holds one for every unit of the tables.
const TodaysDefinition& todaysDefinition(const Category& category, std::size_t unit);

/// Whether the legacy rule is off by 0.1 % or more from today's definition.
bool farFromToday(const TodaysDefinition& row);

/// How much a note of units far from today's definitions says: the unit and the deviation
/// ("Grain: 100 times today's"), for a short line; or that with today's
/// definition, for a line on a terminal ("this table's Grain is 100 times today's (1 gr =
/// 1/7000 lb = 64.798 91 mg (exact))").
enum class NoteDetail { Short, WithDefinition };

/// What a conversion between two units of a category says of those off by 0.1 % or more, in
/// one line, the units joined by "; ", or the empty text when none is (or when a unit is
/// converted to itself). A compound unit is weighed by its parts.
std::string farFromTodayNote(const Category& category, QuantityUnit from, QuantityUnit to,
                             NoteDetail detail);
/// The same of a value converted from `from` to every unit of its category: the source's
/// units first, then the category's in list order, each once.
std::string farFromTodayNote(const Category& category, QuantityUnit from, NoteDetail detail);

/// Today's definition of a unit in full, with the legacy rule's deviation: "Grain: this
/// table's is 100 times today's: 1 gr = … (exact) = 0.00006479891 Kilogram (exact by
/// definition); source: …; confirmed"; or that no single standard defines the unit
/// today, and what the research found.
std::string todayText(const Category& category, std::size_t unit);
/// The same of a unit or compound unit: a compound unit's parts, joined by "; ".
std::string todayText(const Category& category, QuantityUnit unit);

}  // namespace vardeln
