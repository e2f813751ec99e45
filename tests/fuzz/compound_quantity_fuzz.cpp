// Vardeln — MIT licence, see LICENSE.
// A quantity in any compound unit, or a number into one (the first three bytes choose the
// unit, the direction and the fraction): no crash, no undefined behaviour; a written quantity
// has one number per part, whole larger parts each below its step (the carry done), and its
// text reads back as a quantity of the same unit.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "categories.h"
#include "quantity_conversion.h"

namespace {

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

struct Compound {
  const vardeln::Category* category;
  std::size_t index;
};

std::vector<Compound> everyCompoundUnit() {
  std::vector<Compound> all;
  for (const vardeln::Category& category : vardeln::allCategories()) {
    for (std::size_t index = 0; index < category.compoundUnits().size(); ++index) {
      all.push_back({&category, index});
    }
  }
  return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  static const std::vector<Compound> compounds = everyCompoundUnit();
  if (size < 3) return 0;
  const Compound& chosen = compounds[bytes[0] % compounds.size()];
  const vardeln::Category& category = *chosen.category;
  const vardeln::CompoundUnit& unit = category.compoundUnits()[chosen.index];
  const vardeln::QuantityUnit compound{chosen.index, true};
  const vardeln::QuantityUnit single{bytes[1] % category.rules().size()};
  const bool intoParts = bytes[1] & 0x80;
  const int denominator = (bytes[2] % 7) == 0 ? 0 : 1 << (bytes[2] % 7);
  const std::string_view input(reinterpret_cast<const char*>(bytes + 3), size - 3);

  const vardeln::QuantityConversion converted =
      intoParts ? vardeln::convertQuantity(category, single, compound, input, denominator)
                : vardeln::convertQuantity(category, compound, single, input, denominator);
  require(!vardeln::quantityText(converted).empty(), "an empty result text");
  if (!converted.compound) return 0;
  const std::vector<double>& parts = converted.compound->parts;
  require(parts.size() == unit.parts.size(), "not one number per part");
  for (std::size_t k = 1; k < parts.size(); ++k) {
    const double step = vardeln::compoundStep(category, unit.parts[k - 1], unit.parts[k]);
    require(std::floor(parts[k - 1]) == parts[k - 1], "a larger part that is not whole");
    require(std::fabs(parts[k]) < step, "a part of a whole step or more: the carry missed");
  }
  require(vardeln::readCompoundQuantity(category, unit, converted.compound->text).has_value(),
          "a written quantity that does not read back");
  return 0;
}
