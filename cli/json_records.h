// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "value_converter.h"

namespace vardeln::cli {

/// The names a conversion's record carries: the category's command-line name and the two
/// unit labels as the unit lists write them, whatever case they were typed in.
struct ConversionNames {
  std::string_view category;
  std::string_view from;
  std::string_view to;
};

/// Appends one conversion as a JSON object on one line, without the line feed:
/// {"category":"length","value":"1","from":"Feet","to":"Meters","result":"0.3047999902464",
///  "exact":"0.3047999902464003","outcome":"ok"}
/// "value" is the text as given, or null for a batch line too long to keep; "result" is the
/// result box's text ("Invalid Number" for a value that is no number) or null after a fault;
/// "exact" is null unless the value was converted; "outcome" is "ok", "invalid" or the
/// fault's name.
void appendConversionRecord(std::string& json, const ConversionNames& names,
                            std::optional<std::string_view> value, const ConvertedForms& result);

/// {"category":"area","order":0}: a category and its place in the category menu.
void appendCategoryRecord(std::string& json, std::string_view category, std::size_t order);

/// {"category":"temperature","unit":"Celsius","order":0}: a unit and its place in the unit
/// lists.
void appendUnitRecord(std::string& json, std::string_view category, std::string_view unit,
                      std::size_t order);

}  // namespace vardeln::cli
