// Vardeln — MIT licence, see LICENSE.
#include "json_records.h"

#include "json_text.h"

namespace vardeln::cli {
namespace {

std::string_view outcomeName(const ConvertedForms& result) {
  switch (result.status) {
    case ExitStatus::Success:
      return "ok";
    case ExitStatus::InvalidNumber:
      return "invalid";
    default:
      return result.shown;  // the fault's name
  }
}

void appendField(std::string& json, std::string_view key, std::optional<std::string_view> text) {
  if (json.back() != '{') json += ',';
  json += '"';
  json += key;
  json += "\":";
  if (text) {
    appendJsonString(json, *text);
  } else {
    json += "null";
  }
}

void appendOrder(std::string& json, std::size_t order) {
  json += ",\"order\":";
  json += std::to_string(order);
}

}  // namespace

void appendConversionRecord(std::string& json, const ConversionNames& names,
                            std::optional<std::string_view> value, const ConvertedForms& result) {
  const bool converted = result.status == ExitStatus::Success;
  const bool fault = result.status == ExitStatus::Fault;
  json += '{';
  appendField(json, "category", names.category);
  appendField(json, "value", value);
  appendField(json, "from", names.from);
  appendField(json, "to", names.to);
  appendField(json, "result", fault ? std::nullopt : std::optional(result.shown));
  appendField(json, "exact", converted ? std::optional(result.exact) : std::nullopt);
  appendField(json, "outcome", outcomeName(result));
  json += '}';
}

void appendCategoryRecord(std::string& json, std::string_view category, std::size_t order) {
  json += '{';
  appendField(json, "category", category);
  appendOrder(json, order);
  json += '}';
}

void appendUnitRecord(std::string& json, std::string_view category, std::string_view unit,
                      std::size_t order) {
  json += '{';
  appendField(json, "category", category);
  appendField(json, "unit", unit);
  appendOrder(json, order);
  json += '}';
}

}  // namespace vardeln::cli
