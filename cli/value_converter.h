// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "conversion.h"
#include "exit_status.h"
#include "quantity_converter.h"

namespace vardeln::cli {

/// How a result is written: as the window's result box shows it (15 significant digits),
/// or as the shortest text that reads back to the same double.
enum class ResultForm { Shown, Exact };

/// The text written for a conversion refused by today's definitions.
inline constexpr std::string_view kNoDefinitionToday = "No Definition Today";

/// The status a conversion of one value ends with: a result beyond the double range is no
/// number a script can use, so it ends as a fault does, though its text is shown.
ExitStatus statusOf(const Conversion& conversion);
ExitStatus statusOf(const ConversionOutcome& outcome);

/// What one value gave: the text of its output line and the status a conversion of that
/// value alone ends with. For a fault the text is the fault's name; an infinite result is
/// shown as the window shows it and ends with the fault status.
struct ConvertedValue {
  std::string_view text;
  ExitStatus status;
  bool infinite = false;
};

/// What one value gave in both written forms, for output that carries both (JSON).
struct ConvertedForms {
  ExitStatus status;
  std::string_view shown;  ///< the result box's text, "Invalid Number", or the fault's name
  std::string_view exact;  ///< the shortest text that reads back; empty unless converted
  bool infinite = false;   ///< the result is beyond the double range
  std::optional<CompoundParts> compound;  ///< set when the target is a compound unit
};

/// Writes the one conversion's outcome for value texts as the command line prints them,
/// without allocating, so that a batch of a million lines costs little more than reading and
/// writing the numbers: the shown form is exactly the text the window's result box would
/// show, a compound result is followed by what rounding its last part did, and a pair with no
/// definition today ends each value with the usage status.
class ValueConverter {
 public:
  ValueConverter(const ConversionRequest& request, ResultForm form);

  /// The result for one value text. The returned text stays valid until the next call.
  ConvertedValue convert(std::string_view valueText);

  /// The result for one value text in both forms, whatever form the converter was made
  /// for. The returned texts stay valid until the next call.
  ConvertedForms convertBothForms(std::string_view valueText);

  /// The conversion asked, whose refusal and notes are said once beside the results.
  const QuantityConverter& conversion() const { return converter_; }

 private:
  QuantityConverter converter_;
  ResultForm form_;
  std::string withRounding_;
};

}  // namespace vardeln::cli
