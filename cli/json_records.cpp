// Vardeln — MIT licence, see LICENSE.
#include "json_records.h"

#include <algorithm>
#include <cstring>

#include "json_text.h"

namespace vardeln::cli {
namespace {

constexpr std::string_view kNull = "null";
constexpr std::string_view kExactKey = ",\"exact\":";
constexpr std::string_view kNumberKey = ",\"number\":";
constexpr std::string_view kOutcomeKey = ",\"outcome\":";

std::string_view outcomeName(const ConvertedForms& result) {
  switch (result.status) {
    case ExitStatus::Success:
      return "ok";
    case ExitStatus::InvalidNumber:
      return "invalid";
    default:
      return result.infinite ? "infinite" : result.shown;  // or the fault's name
  }
}

// The room a JSON string or null takes at most.
std::size_t bound(std::optional<std::string_view> text) {
  return text ? jsonStringBound(text->size()) : kNull.size();
}

char* write(std::string_view bytes, char* out) {
  std::memcpy(out, bytes.data(), bytes.size());
  return out + bytes.size();
}

char* writeStringOrNull(std::optional<std::string_view> text, char* out) {
  return text ? writeJsonString(*text, out) : write(kNull, out);
}

// ,"key": after another member, or {"key": to open an object.
void appendKey(std::string& json, std::string_view key, char before = ',') {
  json += before;
  json += '"';
  json += key;
  json += "\":";
}

}  // namespace

ConversionRecords::ConversionRecords(const ConversionNames& names) {
  appendKey(head_, "category", '{');
  appendJsonString(head_, names.category);
  appendKey(head_, "value");
  appendKey(units_, "from");
  appendJsonString(units_, names.from);
  appendKey(units_, "to");
  appendJsonString(units_, names.to);
  appendKey(units_, "result");
}

std::string_view ConversionRecords::record(std::optional<std::string_view> value,
                                           const ConvertedForms& result) {
  const bool converted = result.status == ExitStatus::Success;
  const bool fault = result.status == ExitStatus::Fault && !result.infinite;
  const std::optional<std::string_view> shown = fault ? std::nullopt : std::optional(result.shown);
  const std::optional<std::string_view> exact =
      converted || result.infinite ? std::optional(result.exact) : std::nullopt;
  // The shortest form of a finite double is a JSON number as it stands.
  const std::string_view number = converted ? result.exact : kNull;
  const std::string_view outcome = outcomeName(result);

  const std::size_t room = head_.size() + bound(value) + units_.size() + bound(shown) +
                           kExactKey.size() + bound(exact) + kNumberKey.size() + number.size() +
                           kOutcomeKey.size() + bound(outcome) + 1;
  if (buffer_.size() < room) buffer_.resize(std::max(room, 2 * buffer_.size()));
  char* const start = buffer_.data();
  char* out = write(head_, start);
  out = writeStringOrNull(value, out);
  out = write(units_, out);
  out = writeStringOrNull(shown, out);
  out = write(kExactKey, out);
  out = writeStringOrNull(exact, out);
  out = write(kNumberKey, out);
  out = write(number, out);
  out = write(kOutcomeKey, out);
  out = writeJsonString(outcome, out);
  *out++ = '}';
  return {start, static_cast<std::size_t>(out - start)};
}

void appendCategoryRecord(std::string& json, std::string_view category, std::size_t order) {
  appendKey(json, "category", '{');
  appendJsonString(json, category);
  appendKey(json, "order");
  json += std::to_string(order) + '}';
}

void appendUnitRecord(std::string& json, std::string_view category, std::string_view unit,
                      std::size_t order) {
  appendKey(json, "category", '{');
  appendJsonString(json, category);
  appendKey(json, "unit");
  appendJsonString(json, unit);
  appendKey(json, "order");
  json += std::to_string(order) + '}';
}

}  // namespace vardeln::cli
