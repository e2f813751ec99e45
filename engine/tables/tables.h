// Vardeln — MIT licence, see LICENSE.
// One function per category table; each lives in its own file beside this one.
#pragma once

#include "category.h"

namespace vardeln {

const Category& areaCategory();
const Category& densityCategory();
const Category& energyCategory();
const Category& forceCategory();
const Category& lengthCategory();
const Category& massCategory();
const Category& powerCategory();
const Category& prefixCategory();
const Category& pressureCategory();
const Category& speedCategory();
const Category& temperatureCategory();
const Category& timeCategory();
const Category& volumeCategory();

}  // namespace vardeln
