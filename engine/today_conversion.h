// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "category.h"
#include "exact_number.h"
#include "number_style.h"
#include "quantity_conversion.h"
#include "quick_rounding.h"

namespace vardeln {

/// A unit's definition today as exact fractions: a reading x of it is factor × x + offset in
/// the category's base unit ("381/1250" and "0" for the foot; "5/9" and "-160/9" for the
/// degree Fahrenheit). A factor no fraction writes (the parsec's 648000/π au) is its decimal
/// rounded to the digits the table gives, and `rounded` says so, in the table's words.
struct ExactDefinitionText {
  std::string factor;
  std::string offset;
  std::string rounded;
};

/// A unit's definition today: a reading x of it is factor × x + offset in the base unit,
/// the true factor within `bound` of `factor` (0 for a fraction, half a unit in the last
/// place of a rounded decimal).
struct ExactDefinition {
  Exact factor;
  Exact offset;
  Exact bound;
  std::string_view rounded;  // the table's words for a rounded factor, empty for a fraction
};

/// The exact arithmetic behind a conversion by today's definitions: the typed decimal, the
/// two definitions and the result, all as fractions, and what rounding it once to a double
/// did. With a rounded definition the result is known only to within `bound` of `exact`:
/// the double is the nearest to the true result wherever that interval holds no midpoint
/// between two doubles, and `correctlyRounded` says whether it holds none.
struct TodayArithmetic {
  std::string typed;
  ExactDefinitionText from;
  ExactDefinitionText to;
  std::string exact;
  /// The most the true result can differ from `exact`, rounded up; 0 when `exact` is it.
  double bound = 0.0;
  /// Whether the double is the true result itself.
  bool exactItself = false;
  bool correctlyRounded = true;
  /// The double minus the true result, itself rounded to a double, where that is known
  /// (infinite when the result is); nothing where a rounded definition leaves it open.
  std::optional<double> roundingError;
};

/// How much convertByToday tells: the result alone (for batch work), or its arithmetic too.
enum class TodayDetail { Result, WithArithmetic };

/// What converting a typed number by today's definitions gave.
struct TodayConversion {
  /// OutOfRange: a decimal of 10^800 or more, or below 10^-800, in magnitude (see
  /// exactDecimal), refused as no number today's arithmetic takes.
  enum class Outcome { Result, InvalidNumber, OutOfRange, NoDefinitionToday };
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

/// Converts typed text between two units of a category by today's definitions, each unit's
/// definitions found once, for batch work. A single unit's text is read as the number
/// parseNumber accepts, or as a decimal beyond the double range ("2e308"), as the exact
/// decimal it writes. A compound source is read as readCompoundQuantity reads it, each
/// part's number as the exact decimal or fraction written ("7 2/3" is 23/3), and the parts
/// are taken each by its own definition today and summed exactly in the base unit (5 ft
/// 7 in is 1.7018 m), so the result is rounded once; its arithmetic's typed value is that
/// sum, its source definition the base unit's. A compound target gets the result in its smallest
/// part's unit. The conversion is exact and rounded once. A unit (or part) with no single
/// definition today is refused before the text is read. Under a number style the text is read in
/// it, a single number as the decimal its own form writes ("1,5" under a decimal comma as 1.5).
class TodayConverter {
 public:
  TodayConverter(const Category& category, QuantityUnit from, QuantityUnit to,
                 const NumberStyle& style = {});

  TodayConversion convert(std::string_view typedText,
                          TodayDetail detail = TodayDetail::Result) const;

  /// The refusal and the measured note every conversion of this pair carries.
  const std::string& refusal() const { return refusal_; }
  const std::string& measured() const { return measured_; }

 private:
  // The exact value of the typed text in the source unit (the base unit for a compound one),
  // within `bound` where a compound part's definition is rounded; or why there is none.
  struct Typed {
    std::optional<Exact> value;
    Exact bound{0};
    bool outOfRange = false;
  };
  Typed typedValue(std::string_view typedText) const;
  ExactDefinition take(const Category& category, std::size_t unit);
  std::optional<double> quickResult(std::string_view number) const;
  // The least and greatest results the definitions' bounds allow for a typed value.
  std::pair<Exact, Exact> resultBounds(const Exact& typed, const Exact& typedBound) const;

  const Category& category_;
  NumberStyle style_;
  std::optional<std::size_t> compoundSource_;
  std::vector<ExactDefinition> parts_;  // a compound source's parts' definitions, largest first
  ExactDefinition in_;
  ExactDefinition out_;
  // result = typed × scale_ + shift_, in_ and out_ combined once.
  Exact scale_;
  Exact shift_;
  // The same in 128-bit integers for a typed number, where they hold the pair's operands:
  // a scale alone (within its bounds), or an exact scale and shift.
  std::optional<QuickScale> quickScale_;
  std::optional<QuickAffine> quickAffine_;
  // Whether a definition is rounded, so that a result is known only within bounds.
  bool bounded_ = false;
  // The units already said in the refusal or the measured note, each said once.
  std::vector<std::size_t> refused_;
  std::vector<std::size_t> measuredUnits_;
  std::string refusal_;
  std::string measured_;
};

/// One conversion by TodayConverter.
TodayConversion convertByToday(const Category& category, std::string_view typedText,
                               QuantityUnit from, QuantityUnit to,
                               TodayDetail detail = TodayDetail::Result,
                               const NumberStyle& style = {});

}  // namespace vardeln
