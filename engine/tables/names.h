// Vardeln — MIT licence, see LICENSE.
// One function per category's names table; each lives beside its rules ("length_names.cpp").
#pragma once

#include "unit_names.h"

namespace vardeln {

const UnitNameTable& areaNames();
const UnitNameTable& densityNames();
const UnitNameTable& energyNames();
const UnitNameTable& forceNames();
const UnitNameTable& lengthNames();
const UnitNameTable& massNames();
const UnitNameTable& powerNames();
const UnitNameTable& prefixNames();
const UnitNameTable& pressureNames();
const UnitNameTable& speedNames();
const UnitNameTable& temperatureNames();
const UnitNameTable& timeNames();
const UnitNameTable& volumeNames();

}  // namespace vardeln
