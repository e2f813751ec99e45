// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string_view>
#include <vector>

#include "category.h"
#include "name_match.h"

namespace vardeln {

/// Finds the unit a written name stands for in `category`, as every front end that takes
/// typed text reads a unit. The name is compared in its normal form (normalUnitName). A label,
/// a name beside the table or a symbol that matches with its case wins (the unit's label is
/// then `name`). Only where nothing matches with its case is the name read ignoring case, and
/// only where every text of those letters means one unit, counting the symbols the tables
/// lack (absentSymbols): "KM" reads, "Mm" and "MM" are Lacking or Ambiguous, with an
/// explanation of what each symbol is; a prefix of one letter is never read in another case.
/// A name several units share is Ambiguous, with their labels as candidates. A found unit of
/// several regional sizes has the one it is as its note. A refused name (unitNameNotes) is
/// Unknown, or Ambiguous with the units it may mean, with what it means as its note; it is
/// read with its case first, so "Cal" is refused where "cal" reads. Any other unknown name
/// gets as candidates the labels of the units whose labels or names come closest
/// (closestIndices).
NameMatch matchUnitName(const Category& category, std::string_view written);

/// A category in which a written name stands for a unit (Found) or for several (Ambiguous), or
/// is refused there with a note.
struct CategoryUnitMatch {
  const Category* category;
  NameMatch match;
};

/// Every category in which `written` names a unit or several, in the categories' order,
/// for a front end that lets the units settle the category ("5 ft m").
std::vector<CategoryUnitMatch> categoriesNamingUnit(std::string_view written);

}  // namespace vardeln
