// Vardeln — MIT licence, see LICENSE.
#include "unit_names.h"

#include <array>
#include <functional>

#include "categories.h"
#include "tables/names.h"

namespace vardeln {

const UnitNameTable& unitNameTable(const Category& category) {
  // In the categories' order, so a category's index finds its names.
  static const std::array<std::reference_wrapper<const UnitNameTable>, kCategoryCount> tables{
      areaNames(),        densityNames(), energyNames(), forceNames(),    lengthNames(),
      massNames(),        powerNames(),   prefixNames(), pressureNames(), speedNames(),
      temperatureNames(), timeNames(),    volumeNames()};
  return tables[categoryIndex(category.id()).value()];
}

}  // namespace vardeln
