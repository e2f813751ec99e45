// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "category.h"

namespace vardeln {

/// A unit's definition today as exact fractions: a reading x of it is factor × x + offset in
/// the category's base unit ("381/1250" and "0" for the foot; "5/9" and "-160/9" for the
/// degree Fahrenheit).
struct ExactDefinitionText {
  std::string factor;
  std::string offset;
};

/// The exact arithmetic behind a conversion by today's definitions: the typed decimal, the
/// two definitions and the exact result, all as fractions, and what rounding it once to a
/// double changed (the double minus the exact result, itself rounded; 0 when the double is
/// the exact result, infinite when the result is).
struct TodayArithmetic {
  std::string typed;
  ExactDefinitionText from;
  ExactDefinitionText to;
  std::string exact;
  double roundingError = 0.0;
};

/// How much convertByToday tells: the result alone (for batch work), or its arithmetic too.
enum class TodayDetail { Result, WithArithmetic };

/// What converting a typed number by today's definitions gave.
struct TodayConversion {
  enum class Outcome { Result, InvalidNumber, NoDefinitionToday };
  Outcome outcome = Outcome::InvalidNumber;
  /// The exact conversion rounded once to the nearest double (ties to even), ±infinity past
  /// the largest double.
  double result = 0.0;
  /// Of each unit whose value today is measured, once: that it is, its central value, which
  /// the conversion used, and its uncertainty ("Electron Mass is measured: 9.1093837015E-31
  /// Kilogram, uncertainty 2.8e-40 kg (u_r 3.0e-10)"), joined by "; "; empty otherwise.
  std::string measured;
  /// A refusal names each unit with no single definition today and why, as the table says
  /// ("Bigha has no single definition today (regional-historical (no single standard)):
  /// …"), joined by "; ".
  std::string refusal;
  std::optional<TodayArithmetic> arithmetic;
};

/// Converts the typed text from the unit at index `from` to the unit at index `to` of the
/// category by today's definitions. The text is read as the number parseNumber accepts, but
/// as the exact decimal it writes; the conversion is exact and rounded once. A unit with no
/// single definition today is refused before the number is read.
TodayConversion convertByToday(const Category& category, std::string_view typedText,
                               std::size_t from, std::size_t to,
                               TodayDetail detail = TodayDetail::Result);

}  // namespace vardeln
