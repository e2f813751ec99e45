// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "category.h"

namespace vardeln {

/// One unit of a category's table and the names people write for it beside its label:
/// symbols ("ft"), singulars and plurals ("foot"), other spellings ("metre").
struct UnitNames {
  std::string_view label;
  std::vector<std::string_view> names;
};

/// A name people write for several units of one table ("gallon"): it is never taken for
/// one of them; the units it may mean are named instead.
struct SharedName {
  std::string_view name;
  std::vector<std::string_view> labels;
};

/// The names of one category's units, a row per unit in the table's list order, and the
/// names that several of its units share.
struct UnitNameTable {
  std::string_view categoryId;
  std::vector<UnitNames> units;
  std::vector<SharedName> shared;
};

/// The names table beside `category`'s rules.
const UnitNameTable& unitNameTable(const Category& category);

/// A symbol people write for a unit the tables lack, or hold only by another name, kept so
/// that a name is never read as another unit only because the two symbols differ in case
/// ("Mm", a megametre, is not "mm"). It is refused, saying what it is.
struct AbsentSymbol {
  std::string_view categoryId;
  std::string_view symbol;
  std::string_view unit;              ///< what it is: "a megametre"
  std::string_view tablesLabel = {};  ///< the label of the same unit, if the tables hold it
};

/// Every such symbol, by category.
std::span<const AbsentSymbol> absentSymbols();

}  // namespace vardeln
