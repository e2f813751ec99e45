// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "category.h"
#include "conversion.h"
#include "exit_status.h"
#include "number_style.h"
#include "number_text.h"
#include "quantity_conversion.h"
#include "today_conversion.h"

namespace vardeln::cli {

/// How a result is written: as the window's result box shows it (15 significant digits),
/// or as the shortest text that reads back to the same double.
enum class ResultForm { Shown, Exact };

/// Which definitions a conversion goes by: the tables' rules, or today's definitions, exact
/// and rounded once.
enum class Definitions { Legacy, Today };

/// The text written for a conversion refused by today's definitions.
inline constexpr std::string_view kNoDefinitionToday = "No Definition Today";

/// Writes a double as the shortest text that reads back to it ("inf", "-inf" for infinities)
/// into a buffer of at least kMaxFormattedLength characters.
std::string_view writeExact(double value, char* buffer);

/// The status a conversion of one value ends with: a result beyond the double range is no
/// number a script can use, so it ends as a fault does, though its text is shown.
ExitStatus statusOf(const Conversion& conversion);

/// What one value gave: the text of its output line and the status a conversion of that
/// value alone ends with. For a fault the text is the fault's name; an infinite result is
/// shown as the window shows it and ends with the fault status.
struct ConvertedValue {
  std::string_view text;
  ExitStatus status;
  bool infinite = false;
};

/// A compound result's parts, largest first, and what rounding its last part did.
struct CompoundParts {
  std::span<const double> parts;
  std::string_view rounding;
};

/// What one value gave in both written forms, for output that carries both (JSON).
struct ConvertedForms {
  ExitStatus status;
  std::string_view shown;  ///< the result box's text, "Invalid Number", or the fault's name
  std::string_view exact;  ///< the shortest text that reads back; empty unless converted
  bool infinite = false;   ///< the result is beyond the double range
  std::optional<CompoundParts> compound;  ///< set when the target is a compound unit
};

/// Converts value texts between two units of a category, given by their indices in list
/// order, without allocating, so that a batch of a million lines costs little more than
/// reading and writing the numbers. The shown form is exactly the text the window's result
/// box would show. Where either unit is compound, each value is read or written in parts
/// (the last rounded to 1/denominator when one is given), and the shown text is the parts'.
/// Values are read, and shown results written, in `style`; the exact form is always C's.
/// By today's definitions a compound target's result, in its smallest part's unit, is split
/// as the window splits it; a pair refused ends each value with the usage status.
class ValueConverter {
 public:
  ValueConverter(const Category& category, QuantityUnit from, QuantityUnit to, ResultForm form,
                 int denominator = 0, const NumberStyle& style = {},
                 Definitions definitions = Definitions::Legacy);

  /// The result for one value text. The returned text stays valid until the next call.
  ConvertedValue convert(std::string_view valueText);

  /// The result for one value text in both forms, whatever form the converter was made
  /// for. The returned texts stay valid until the next call.
  ConvertedForms convertBothForms(std::string_view valueText);

 private:
  // A conversion with a compound unit on either side, and the texts it keeps; its exact
  // form only if asked.
  ConvertedForms convertCompound(std::string_view valueText, bool exactToo = true);
  std::string_view shownText(const Conversion& conversion);
  ConvertedValue writtenValue(const Conversion& conversion);
  // A conversion by today's definitions; its shown text is kept in compoundText_.
  ConvertedForms convertToday(std::string_view valueText, bool exactToo = true);

  const Category& category_;
  QuantityUnit from_;
  QuantityUnit to_;
  ResultForm form_;
  int denominator_;
  NumberStyle style_;
  std::optional<TodayConverter> today_;
  std::string compoundText_;
  std::string rounding_;
  std::vector<double> parts_;
  // Room for the shown form in any style, and for the longest shortest-form double
  // ("-2.2250738585072014e-308").
  char text_[kMaxStyledLength];
  char exactText_[kMaxFormattedLength];
};

}  // namespace vardeln::cli
