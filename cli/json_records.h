// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "block_writer.h"
#include "today.h"
#include "value_converter.h"

namespace vardeln::cli {

/// The names a conversion's record carries: the category's command-line name and the two
/// unit labels as the unit lists write them, whatever case they were typed in; and, where
/// the record speaks of the target unit (--all), that unit's today's definition.
struct ConversionNames {
  std::string_view category;
  std::string_view from;
  std::string_view to;
  const TodaysDefinition* today = nullptr;
  /// Where the record also speaks of the source unit (--all), its deviation from today's
  /// definition as a JSON number, or null: the record carries it after "from".
  std::optional<std::string_view> fromDeviation;
  /// Today's definitions add "definitions":"today" after "to"; the tables' rules add nothing.
  Definitions definitions = Definitions::LegacyTables;
};

/// Writes the JSON records of conversions between one pair of units, each one object on one
/// line:
/// {"category":"length","value":"1","from":"Feet","to":"Meters","result":"0.3047999902464",
///  "exact":"0.3047999902464003","number":0.3047999902464003,"outcome":"ok"}
/// with the target unit's today's fields after "to" where the names carry them, and the
/// source unit's "fromDeviation" after "from".
/// "value" is the text as given, or null for a batch line too long to keep; "result" is the
/// result box's text ("Invalid Number" for a value that is no number) or null after a fault;
/// "exact" is null unless the value was converted ("inf" or "-inf" for an infinite result);
/// "number" is the result as a JSON number, null unless it is finite; "outcome" is "ok",
/// "invalid", "infinite", "no definition today" or the fault's name. A compound target
/// adds "parts", the parts' numbers largest first, and "rounding" where a fraction moved the last
/// part; its "result" is the parts' text and its "number" the quantity in the smallest part's unit.
/// The parts every record shares are escaped once, and a record is written in place, into one kept
/// buffer or a batch's output block, so that a batch needs no memory per line.
class ConversionRecords {
 public:
  explicit ConversionRecords(const ConversionNames& names);

  /// One record without its line feed; the text stays valid until the next call.
  std::string_view record(std::optional<std::string_view> value, const ConvertedForms& result);

  /// One record as a line of the writer's block, written in place.
  void writeLine(std::optional<std::string_view> value, const ConvertedForms& result,
                 BlockWriter& lines) const;

 private:
  // A record's own fields, and the most bytes the whole record takes.
  struct Fields {
    std::optional<std::string_view> value;
    std::optional<std::string_view> shown;
    std::optional<std::string_view> exact;
    std::string_view number;
    std::string_view outcome;
    std::optional<CompoundParts> compound;
    std::size_t bound;
  };
  Fields fieldsOf(std::optional<std::string_view> value, const ConvertedForms& result) const;
  char* writeFields(const Fields& fields, char* out) const;

  std::string head_;   // {"category":"length","value":
  std::string units_;  // ,"from":"Feet","to":"Meters","result":
  std::vector<char> buffer_;
};

/// {"category":"area","order":0}: a category and its place in the category menu.
void appendCategoryRecord(std::string& json, std::string_view category, std::size_t order);

/// {"category":"temperature","unit":"Celsius","names":["°C","℃","C","centigrade"],"order":0,
/// "today":"1","kind":…,"deviation":0}: a unit, the names people write for it (which the
/// command line takes as well as its label), its place in the unit lists and its today's
/// fields.
void appendUnitRecord(std::string& json, std::string_view category, std::string_view unit,
                      std::span<const std::string_view> names, std::size_t order,
                      const TodaysDefinition& today);

/// {"category":"length","unit":"Feet and Inches","order":55,"parts":["Feet","Inches"]}: a
/// compound unit, its place after the units, and its parts, largest first (each part has
/// its today's fields in its own record).
void appendCompoundUnitRecord(std::string& json, std::string_view category,
                              const CompoundUnit& unit, std::size_t order);

/// ,"today":"0.3048","kind":"exact by definition","deviation":-3.20e-08: a unit's value
/// today in the base unit (a fraction of decimals where the decimal does not end), the kind
/// of its definition and the legacy rule's deviation (legacy − today) ÷ today; today and
/// deviation null where no single standard defines the unit.
void appendTodayFields(std::string& json, const TodaysDefinition& row);

}  // namespace vardeln::cli
