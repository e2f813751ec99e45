// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "category.h"
#include "compound_quantity.h"
#include "conversion.h"

namespace vardeln {

/// A unit a quantity is written in: one of the table's units, or one of its compound units
/// (`index` counts in compoundUnits()). A single unit is known by its index alone, as
/// everywhere else.
struct QuantityUnit {
  QuantityUnit(std::size_t unitIndex, bool isCompound = false)  // NOLINT: a unit index is one
      : index(unitIndex), compound(isCompound) {}
  std::size_t index;
  bool compound;
};

/// A category's units as the command line and the page list them: its single units in list
/// order, then its compound units; a unit's position counts in that list.
std::vector<std::string_view> quantityUnitLabels(const Category& category);
QuantityUnit quantityUnitAt(const Category& category, std::size_t position);

/// The unit or compound unit whose label is exactly `label`.
std::optional<QuantityUnit> quantityUnit(const Category& category, std::string_view label);
std::string_view quantityUnitLabel(const Category& category, QuantityUnit unit);

/// A number or compound quantity typed in `unit` under `from`, as it is typed under `to`
/// (restyledNumber, restyledCompoundText); nothing when it reads nothing under `from`.
std::optional<std::string> restyledQuantityText(const Category& category, QuantityUnit unit,
                                                std::string_view text, const NumberStyle& from,
                                                const NumberStyle& to);

/// A conversion whose units may be compound. Between single units it is exactly convert();
/// a compound source is read by readCompoundQuantity, and a compound target written by
/// writeCompoundQuantity, whose quantity in the smallest part's unit is the result. Numbers
/// are read and results written in `style`; a compound quantity's parts take its marks and
/// grouping only.
struct QuantityConversion {
  Conversion conversion;
  std::optional<CompoundReading> reading;  ///< the parts read, for a compound source
  std::optional<CompoundQuantity> compound;
};

QuantityConversion convertQuantity(const Category& category, QuantityUnit from, QuantityUnit to,
                                   std::string_view text, int denominator = 0,
                                   const NumberStyle& style = {});
/// The same into `result`, whose compound quantity keeps its room from one to the next, for
/// batch work.
void convertQuantity(const Category& category, QuantityUnit from, QuantityUnit to,
                     std::string_view text, int denominator, const NumberStyle& style,
                     QuantityConversion& result);

/// The compound text ("5 ft 7 in"), or the single result's text in `style`.
std::string quantityText(const QuantityConversion& conversion, const NumberStyle& style = {});

}  // namespace vardeln
