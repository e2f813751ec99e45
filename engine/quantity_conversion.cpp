// Vardeln — MIT licence, see LICENSE.
#include "quantity_conversion.h"

#include <cmath>

#include "number_text.h"

namespace vardeln {

std::optional<QuantityUnit> quantityUnit(const Category& category, std::string_view label) {
  if (const auto index = category.unitIndex(label)) return QuantityUnit{*index, false};
  const auto& compounds = category.compoundLabels();
  for (std::size_t index = 0; index < compounds.size(); ++index) {
    if (compounds[index] == label) return QuantityUnit{index, true};
  }
  return std::nullopt;
}

std::vector<std::string_view> quantityUnitLabels(const Category& category) {
  std::vector<std::string_view> labels = category.labels();
  labels.insert(labels.end(), category.compoundLabels().begin(), category.compoundLabels().end());
  return labels;
}

QuantityUnit quantityUnitAt(const Category& category, std::size_t position) {
  const std::size_t singles = category.labels().size();
  return position < singles ? QuantityUnit{position} : QuantityUnit{position - singles, true};
}

std::string_view quantityUnitLabel(const Category& category, QuantityUnit unit) {
  return unit.compound ? category.compoundLabels()[unit.index] : category.labels()[unit.index];
}

std::optional<std::string> restyledQuantityText(const Category& category, QuantityUnit unit,
                                                std::string_view text, const NumberStyle& from,
                                                const NumberStyle& to) {
  if (!unit.compound) return restyledNumber(text, from, to);
  return restyledCompoundText(category, category.compoundUnits()[unit.index], text, from, to);
}

QuantityConversion convertQuantity(const Category& category, QuantityUnit from, QuantityUnit to,
                                   std::string_view text, int denominator,
                                   const NumberStyle& style) {
  QuantityConversion result;
  convertQuantity(category, from, to, text, denominator, style, result);
  return result;
}

void convertQuantity(const Category& category, QuantityUnit from, QuantityUnit to,
                     std::string_view text, int denominator, const NumberStyle& style,
                     QuantityConversion& result) {
  Conversion& conversion = result.conversion;
  conversion = {};
  result.reading.reset();
  // The compound quantity keeps its room while results go on being compound.
  const auto noCompound = [&] { result.compound.reset(); };
  if (!from.compound && !to.compound) {
    conversion = convert(category, from.index, to.index, text, style);
    return noCompound();
  }
  std::optional<double> base;
  if (from.compound) {
    result.reading =
        readCompoundQuantity(category, category.compoundUnits()[from.index], text, style);
    if (result.reading) base = result.reading->base;
  } else if (const std::optional<double> x = parseNumber(text, style)) {
    base = category.rules()[from.index].toBase(*x);
  }
  if (!base) return noCompound();
  conversion.base = *base;
  conversion.fault = storedValueStatus(*base);
  if (conversion.fault != FloatingPointFault::None) {
    conversion.outcome = Conversion::Outcome::Fault;
    return noCompound();
  }
  conversion.outcome = Conversion::Outcome::Result;
  if (!to.compound) {
    conversion.result = category.rules()[to.index].fromBase(*base);
    conversion.fault = shownValueStatus(conversion.result);
    if (conversion.fault != FloatingPointFault::None)
      conversion.outcome = Conversion::Outcome::Fault;
    return noCompound();
  }
  const CompoundUnit& unit = category.compoundUnits()[to.index];
  conversion.result = category.rules()[unit.parts.back().unit].fromBase(*base);
  // An infinite quantity has no parts: it is shown as a single result is.
  if (!std::isfinite(conversion.result)) return noCompound();
  if (!result.compound) result.compound.emplace();
  splitCompoundQuantity(category, unit, conversion.result, denominator, style, *result.compound);
  conversion.result = result.compound->inSmallestUnit;
}

std::string quantityText(const QuantityConversion& conversion, const NumberStyle& style) {
  return conversion.compound ? conversion.compound->text : resultText(conversion.conversion, style);
}

}  // namespace vardeln
