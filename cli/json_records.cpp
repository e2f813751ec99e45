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
constexpr std::string_view kPartsKey = ",\"parts\":[";
constexpr std::string_view kRoundingKey = ",\"rounding\":";

// ,"parts":[5,7.000002144] and ,"rounding":"…" of a compound result.
std::size_t compoundBound(const std::optional<CompoundParts>& compound) {
  if (!compound) return 0;
  return kPartsKey.size() + compound->parts.size() * (kMaxFormattedLength + 1) + 1 +
         kRoundingKey.size() + compound->rounding.size() + 2;
}

std::string_view outcomeName(const ConvertedForms& result) {
  switch (result.status) {
    case ExitStatus::Success:
      return "ok";
    case ExitStatus::InvalidNumber:
      return "invalid";
    case ExitStatus::UsageError:
      return "no definition today";
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

// The program's own texts (numbers, "Invalid Number", "Infinity", the faults' and outcomes'
// names) are plain ASCII with nothing to escape: they are quoted as they stand.
char* writeOwnText(std::optional<std::string_view> text, char* out) {
  if (!text) return write(kNull, out);
  *out++ = '"';
  out = write(*text, out);
  *out++ = '"';
  return out;
}

std::size_t ownTextBound(std::optional<std::string_view> text) {
  return text ? text->size() + 2 : kNull.size();
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
  if (names.fromDeviation) {
    appendKey(units_, "fromDeviation");
    units_ += *names.fromDeviation;
  }
  appendKey(units_, "to");
  appendJsonString(units_, names.to);
  if (names.definitions == Definitions::Today) units_ += ",\"definitions\":\"today\"";
  if (names.today != nullptr) appendTodayFields(units_, *names.today);
  appendKey(units_, "result");
}

ConversionRecords::Fields ConversionRecords::fieldsOf(std::optional<std::string_view> value,
                                                      const ConvertedForms& result) const {
  const bool converted = result.status == ExitStatus::Success;
  const bool fault = result.status == ExitStatus::Fault && !result.infinite;
  // A result shown as 0 is no negative number, whatever sign its double carries.
  const std::string_view exact = result.exact == "-0" ? "0" : result.exact;
  Fields fields{value, fault ? std::nullopt : std::optional(result.shown),
                converted || result.infinite ? std::optional(exact) : std::nullopt,
                // The shortest form of a finite double is a JSON number as it stands.
                converted ? exact : kNull, outcomeName(result), result.compound, 0};
  fields.bound = head_.size() + bound(value) + units_.size() + ownTextBound(fields.shown) +
                 kExactKey.size() + ownTextBound(fields.exact) + kNumberKey.size() +
                 fields.number.size() + kOutcomeKey.size() + ownTextBound(fields.outcome) +
                 compoundBound(fields.compound) + 1;
  return fields;
}

char* ConversionRecords::writeFields(const Fields& fields, char* out) const {
  out = write(head_, out);
  out = writeStringOrNull(fields.value, out);
  out = write(units_, out);
  out = writeOwnText(fields.shown, out);
  out = write(kExactKey, out);
  out = writeOwnText(fields.exact, out);
  out = write(kNumberKey, out);
  out = write(fields.number, out);
  if (fields.compound) {
    out = write(kPartsKey, out);
    for (std::size_t part = 0; part < fields.compound->parts.size(); ++part) {
      if (part > 0) *out++ = ',';
      out += writeExact(fields.compound->parts[part], out).size();
    }
    *out++ = ']';
    if (!fields.compound->rounding.empty()) {
      out = write(kRoundingKey, out);
      out = writeOwnText(fields.compound->rounding, out);
    }
  }
  out = write(kOutcomeKey, out);
  out = writeOwnText(fields.outcome, out);
  *out++ = '}';
  return out;
}

std::string_view ConversionRecords::record(std::optional<std::string_view> value,
                                           const ConvertedForms& result) {
  const Fields fields = fieldsOf(value, result);
  if (buffer_.size() < fields.bound) buffer_.resize(std::max(fields.bound, 2 * buffer_.size()));
  const char* const end = writeFields(fields, buffer_.data());
  return {buffer_.data(), static_cast<std::size_t>(end - buffer_.data())};
}

void ConversionRecords::writeLine(std::optional<std::string_view> value,
                                  const ConvertedForms& result, BlockWriter& lines) const {
  const Fields fields = fieldsOf(value, result);
  lines.endLine(writeFields(fields, lines.lineRoom(fields.bound)));
}

void appendCategoryRecord(std::string& json, std::string_view category, std::size_t order) {
  appendKey(json, "category", '{');
  appendJsonString(json, category);
  appendKey(json, "order");
  json += std::to_string(order) + '}';
}

void appendUnitRecord(std::string& json, std::string_view category, std::string_view unit,
                      std::span<const std::string_view> names, std::size_t order,
                      const TodaysDefinition& today) {
  appendKey(json, "category", '{');
  appendJsonString(json, category);
  appendKey(json, "unit");
  appendJsonString(json, unit);
  appendKey(json, "names");
  json += '[';
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i != 0) json += ',';
    appendJsonString(json, names[i]);
  }
  json += ']';
  appendKey(json, "order");
  json += std::to_string(order);
  appendTodayFields(json, today);
  json += '}';
}

void appendCompoundUnitRecord(std::string& json, std::string_view category,
                              const CompoundUnit& unit, std::size_t order) {
  appendKey(json, "category", '{');
  appendJsonString(json, category);
  appendKey(json, "unit");
  appendJsonString(json, unit.label);
  appendKey(json, "order");
  json += std::to_string(order);
  appendKey(json, "parts");
  char before = '[';
  for (const CompoundPart& part : unit.parts) {
    json += before;
    appendJsonString(json, part.label);
    before = ',';
  }
  json += "]}";
}

void appendTodayFields(std::string& json, const TodaysDefinition& row) {
  appendKey(json, "today");
  if (row.standard()) {
    appendJsonString(json, row.today);
  } else {
    json += kNull;
  }
  appendKey(json, "kind");
  appendJsonString(json, row.kind);
  appendKey(json, "deviation");
  // The table writes each deviation as a JSON number: "-3.20e-08".
  json += row.standard() ? row.deviation : kNull;
}

}  // namespace vardeln::cli
