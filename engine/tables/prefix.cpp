// Vardeln — MIT licence, see LICENSE.
// The prefix category: base unit the the plain number, 40 units.

#include <cmath>

#include "tables/tables.h"

namespace vardeln {

const Category& prefixCategory() {
  // clang-format off
  static const Category category(
      "prefix", "No Prefix",
      {
      // label       to base: B = f(x)                   from base: result = g(B)
      {"Arab",       TO_BASE(std::pow(10.0, 9.0) * x),   FROM_BASE(b / std::pow(10.0, 9.0))},
      {"Atto",       TO_BASE(std::pow(10.0, -18.0) * x), FROM_BASE(b / std::pow(10.0, -18.0))},
      {"Centi",      TO_BASE(std::pow(10.0, -2.0) * x),  FROM_BASE(b / std::pow(10.0, -2.0))},
      {"Chilo",      TO_BASE(std::pow(10.0, 3.0) * x),   FROM_BASE(b / std::pow(10.0, 3.0))},
      {"Crore",      TO_BASE(std::pow(10.0, 7.0) * x),   FROM_BASE(b / std::pow(10.0, 7.0))},
      {"Deca",       TO_BASE(x * 10),                    FROM_BASE(b / 10)},
      {"Deci",       TO_BASE(std::pow(10.0, -1.0) * x),  FROM_BASE(b / std::pow(10.0, -1.0))},
      {"Dozen",      TO_BASE(x * 12),                    FROM_BASE(b / 12)},
      {"Etto",       TO_BASE(std::pow(10.0, 2.0) * x),   FROM_BASE(b / std::pow(10.0, 2.0))},
      {"Exa",        TO_BASE(std::pow(10.0, 18.0) * x),  FROM_BASE(b / std::pow(10.0, 18.0))},
      {"Exbi",       TO_BASE(std::pow(10.0, 60.0) * x),  FROM_BASE(b / std::pow(10.0, 60.0))},
      {"Femto",      TO_BASE(std::pow(10.0, -15.0) * x), FROM_BASE(b / std::pow(10.0, -15.0))},
      {"Fermi",      TO_BASE(std::pow(10.0, -15.0) * x), FROM_BASE(b / std::pow(10.0, -15.0))},
      {"Gibi",       TO_BASE(std::pow(10.0, 30.0) * x),  FROM_BASE(b / std::pow(10.0, 30.0))},
      {"Giga",       TO_BASE(std::pow(10.0, 9.0) * x),   FROM_BASE(b / std::pow(10.0, 9.0))},
      {"Googol",     TO_BASE(x * 1e+100),                FROM_BASE(b / 1e+100)},
      {"Hebdo",      TO_BASE(std::pow(10.0, 7.0) * x),   FROM_BASE(b / std::pow(10.0, 7.0))},
      {"Hecto",      TO_BASE(std::pow(10.0, 2.0) * x),   FROM_BASE(b / std::pow(10.0, 2.0))},
      {"Heptad",     TO_BASE(x * 7),                     FROM_BASE(b / 7)},
      {"Hexad",      TO_BASE(x * 6),                     FROM_BASE(b / 6)},
      {"Kibi",       TO_BASE(std::pow(10.0, 10.0) * x),  FROM_BASE(b / std::pow(10.0, 10.0))},
      {"Kilo",       TO_BASE(std::pow(10.0, 3.0) * x),   FROM_BASE(b / std::pow(10.0, 3.0))},
      {"Lakh",       TO_BASE(std::pow(10.0, 5.0) * x),   FROM_BASE(b / std::pow(10.0, 5.0))},
      {"Mebi",       TO_BASE(std::pow(10.0, 20.0) * x),  FROM_BASE(b / std::pow(10.0, 20.0))},
      {"Mega",       TO_BASE(std::pow(10.0, 6.0) * x),   FROM_BASE(b / std::pow(10.0, 6.0))},
      {"Micro",      TO_BASE(std::pow(10.0, -6.0) * x),  FROM_BASE(b / std::pow(10.0, -6.0))},
      {"Milli",      TO_BASE(std::pow(10.0, -3.0) * x),  FROM_BASE(b / std::pow(10.0, -3.0))},
      {"Millimicro", TO_BASE(std::pow(10.0, -9.0) * x),  FROM_BASE(b / std::pow(10.0, -9.0))},
      {"Myria",      TO_BASE(std::pow(10.0, 4.0) * x),   FROM_BASE(b / std::pow(10.0, 4.0))},
      {"Nano",       TO_BASE(std::pow(10.0, -9.0) * x),  FROM_BASE(b / std::pow(10.0, -9.0))},
      {"No Prefix",  TO_BASE(x),                         FROM_BASE(b)},
      {"Pebi",       TO_BASE(std::pow(10.0, 50.0) * x),  FROM_BASE(b / std::pow(10.0, 50.0))},
      {"Peta",       TO_BASE(std::pow(10.0, 15.0) * x),  FROM_BASE(b / std::pow(10.0, 15.0))},
      {"Pico",       TO_BASE(std::pow(10.0, -12.0) * x), FROM_BASE(b / std::pow(10.0, -12.0))},
      {"Tabi",       TO_BASE(std::pow(10.0, 40.0) * x),  FROM_BASE(b / std::pow(10.0, 40.0))},
      {"Tera",       TO_BASE(std::pow(10.0, 12.0) * x),  FROM_BASE(b / std::pow(10.0, 12.0))},
      {"Yocto",      TO_BASE(std::pow(10.0, -24.0) * x), FROM_BASE(b / std::pow(10.0, -24.0))},
      {"Yota",       TO_BASE(std::pow(10.0, 24.0) * x),  FROM_BASE(b / std::pow(10.0, 24.0))},
      {"Zepto",      TO_BASE(std::pow(10.0, -21.0) * x), FROM_BASE(b / std::pow(10.0, -21.0))},
      {"Zetta",      TO_BASE(std::pow(10.0, 21.0) * x),  FROM_BASE(b / std::pow(10.0, 21.0))},
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
