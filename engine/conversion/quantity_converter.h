// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "category.h"
#include "conversion.h"
#include "definitions.h"
#include "number_style.h"
#include "number_text.h"
#include "quantity_conversion.h"
#include "today.h"
#include "today_conversion.h"

namespace vardeln {

/// A conversion as a user asks it in any front end: between two units (either may be
/// compound) of a category, by the legacy tables or by today's definitions, numbers read and
/// results written in a style, a compound result's last part rounded to 1/denominator when
/// one is given.
struct ConversionRequest {
  const Category* category = nullptr;
  QuantityUnit from{0};
  QuantityUnit to{0};
  Definitions definitions = Definitions::LegacyTables;
  NumberStyle style{};
  int denominator = 0;
};

/// Which texts of a result a front end writes: the shown one (the result box's), the exact
/// one (the shortest that reads back to the double), or both. A batch asks only for the one it
/// prints.
enum class ResultTexts { Shown, Exact, Both };

/// A compound result's parts, largest first, and what rounding its last part did.
struct CompoundParts {
  std::span<const double> parts;
  std::string_view rounding;
};

/// Everything a conversion of one typed text gave, for any front end to show or print.
struct ConversionOutcome {
  /// OutOfRange: by today's definitions, a decimal beyond the numbers exact arithmetic takes.
  /// NoDefinitionToday: a unit (or a compound unit's part) has no single definition today.
  enum class Kind { Result, InvalidNumber, OutOfRange, Fault, NoDefinitionToday };
  Kind kind = Kind::InvalidNumber;
  double value = 0.0;
  FloatingPointFault fault = FloatingPointFault::None;
  /// The result is beyond the double range: shown ("Infinity"), but no number to compute with.
  bool infinite = false;
  /// The result box's text in the style: the result, a compound quantity's parts, "Invalid
  /// Number" or the fault's name; empty for a pair with no definition today.
  std::string_view shown;
  /// The shortest text that reads back to the result ("inf", "-inf" for infinities); empty
  /// unless a result was asked for in that form.
  std::string_view exact;
  std::optional<CompoundParts> compound;
  /// By today's definitions, the exact arithmetic, where asked for and a result was given.
  const TodayArithmetic* arithmetic = nullptr;
};

/// The one conversion behind every front end: the window's and the page's model and the
/// command line each make one for the conversion the user asked, and show what it gives.
///
/// By the legacy tables it is convertQuantity (convert between single units). By today's
/// definitions a conversion is exact and rounded once, compound units too: a compound source
/// is read part by part, each part exactly by its definition; a compound target gets the result
/// in its smallest part's unit and is split there, never taken back through the tables' rules.
///
/// It keeps the texts an outcome points into, so that a batch of a million lines allocates
/// nothing per line; an outcome stays valid until the next convert().
class QuantityConverter {
 public:
  explicit QuantityConverter(const ConversionRequest& request);

  const ConversionRequest& request() const { return request_; }

  /// Why the pair has no definition today, naming each unit once; empty by the legacy tables
  /// or where both units have one.
  std::string_view refusal() const;
  /// Of each unit of the pair whose value today is measured: that it is, and its value and
  /// uncertainty; empty by the legacy tables.
  std::string_view measured() const;
  /// What the pair's definitions say beside every result: by the legacy tables, the units off
  /// by 0.1 % or more from their definitions today (farFromTodayNote); by today's definitions,
  /// the measured units.
  std::string definitionsNote(NoteDetail detail) const;

  const ConversionOutcome& convert(std::string_view typedText,
                                   ResultTexts texts = ResultTexts::Shown,
                                   TodayDetail detail = TodayDetail::Result);

 private:
  void convertByTables(std::string_view typedText, ResultTexts texts);
  void convertByToday(std::string_view typedText, ResultTexts texts, TodayDetail detail);
  void takeResult(const Conversion& conversion, ResultTexts texts, bool compound = false);
  void takeCompound(const CompoundQuantity& quantity);
  void writeShownResult(double value);

  ConversionRequest request_;
  std::optional<TodayConverter> today_;
  ConversionOutcome outcome_;
  std::optional<TodayArithmetic> arithmetic_;
  // The last conversion's quantities, whose room the next one reuses.
  QuantityConversion quantity_;
  char shownText_[kMaxStyledLength];
  char exactText_[kMaxFormattedLength];
};

/// Writes a double as the shortest text that reads back to it ("inf", "-inf" for infinities)
/// into a buffer of at least kMaxFormattedLength characters.
std::string_view writeExact(double value, char* buffer);

/// What the definitions say of a value converted from the request's source to every unit of
/// its category: by the legacy tables, farFromTodayNote of them all; by today's definitions,
/// each measured unit once.
std::string definitionsNoteToEveryUnit(const ConversionRequest& request, NoteDetail detail);

/// Whether a unit converts by today's definitions: a unit with a single definition today, a
/// compound unit whose every part has one.
bool hasDefinitionToday(const Category& category, QuantityUnit unit);

}  // namespace vardeln
