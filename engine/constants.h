// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <array>
#include <cmath>
#include <string_view>

// A constant several tables share, defined once with the text it is written as, so that an
// explanation shows the very definition the tables compute with.
#define VARDELN_SHARED_CONSTANT(name, ...) \
  inline const double name = __VA_ARGS__;  \
  inline constexpr std::string_view name##Definition = #__VA_ARGS__;

namespace vardeln {

/// One foot in metres: the single double division 1 ÷ 3.28084 (0.3047999902464003). The
/// length and speed tables use it.
VARDELN_SHARED_CONSTANT(FootInMetres, 1 / 3.28084)

/// One cubic foot in cubic metres: FootInMetres raised to the power 3 with the power
/// operation, which can differ in the last bit from two multiplications. The volume table
/// uses it.
VARDELN_SHARED_CONSTANT(CubicFootInCubicMetres, std::pow(FootInMetres, 3.0))

/// One pound in kilograms: the single double division 1 ÷ 2.20462 (0.45359290943563974).
/// The mass table uses it.
VARDELN_SHARED_CONSTANT(PoundInKilograms, 1 / 2.20462)

/// A shared constant as a rule's text names it, with its definition and value.
struct SharedConstant {
  std::string_view name;
  std::string_view definition;
  double value;
};

inline const std::array<SharedConstant, 3>& sharedConstants() {
  static const std::array<SharedConstant, 3> constants{{
      {"FootInMetres", FootInMetresDefinition, FootInMetres},
      {"CubicFootInCubicMetres", CubicFootInCubicMetresDefinition, CubicFootInCubicMetres},
      {"PoundInKilograms", PoundInKilogramsDefinition, PoundInKilograms},
  }};
  return constants;
}

}  // namespace vardeln
