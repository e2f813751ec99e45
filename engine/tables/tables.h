// Vardeln — MIT licence, see LICENSE.
// One function per category table; each lives in its own file beside this one.
#pragma once

#include "category.h"

// A table's rule columns: the formula as written, compiled and kept as its text, so the two
// can never differ. TO_BASE gives B from the entered number x, FROM_BASE the result from B.
#define TO_BASE(...)                                   \
  ::vardeln::Rule {                                    \
    [](double x) { return __VA_ARGS__; }, #__VA_ARGS__ \
  }
#define FROM_BASE(...)                                 \
  ::vardeln::Rule {                                    \
    [](double b) { return __VA_ARGS__; }, #__VA_ARGS__ \
  }

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
