// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "category.h"

namespace vardeln {

/// A unit whose name its users give to several sizes (a bigha of Punjab, of Bengal, of Nepal),
/// and which of them the table's rule is: "the Punjab bigha of 4 kanal, 21,780 sq ft; …".
struct UnitSizeNote {
  std::string_view categoryId;
  std::string_view label;
  std::string_view note;
};

/// A name whose users mean a unit the table lacks ("Cal" on a food label, the kilocalorie) or
/// one of several of its units ("carat"), refused rather than read as the unit its spelling is
/// near. `note` says what it means, after the name ("… on a food label means the kilocalorie").
struct RefusedName {
  std::string_view categoryId;
  std::string_view name;
  std::vector<std::string_view> labels;  ///< the units it may mean; none where the table lacks it
  std::string_view note;
};

/// The notes beside the names tables: the sizes, a row per unit, and the refused names.
struct UnitNameNotes {
  std::vector<UnitSizeNote> sizes;
  std::vector<RefusedName> refused;
};

const UnitNameNotes& unitNameNotes();

/// Which size the unit `label` of `category` is; empty for a unit of one size.
std::string_view unitSizeNote(const Category& category, std::string_view label);

/// The sentence a front end shows for a unit of several sizes, under the name it was given:
/// "Bigha here is the Punjab bigha of 4 kanal, 21,780 sq ft; …".
std::string unitSizeSentence(std::string_view name, std::string_view note);

/// The refused name `written` is in `category`, byte for byte, or else ignoring case where
/// `ignoringCase`; nothing where it is none.
const RefusedName* refusedName(const Category& category, std::string_view written,
                               bool ignoringCase);

}  // namespace vardeln
