// Vardeln — MIT licence, see LICENSE.
#include "command_line.h"

#include <optional>
#include <string>
#include <vector>

#include "arguments.h"
#include "batch.h"
#include "name_match.h"
#include "quoted.h"
#include "usage_text.h"
#include "value_converter.h"
#include "categories.h"
#include "conversion.h"

namespace vardeln::cli {
namespace {

constexpr std::string_view kBatchValue = "-";

void write(std::FILE* stream, std::string_view text) {
  if (!text.empty()) std::fwrite(text.data(), 1, text.size(), stream);
}

void writeLine(std::FILE* stream, std::string_view text) {
  write(stream, text);
  write(stream, "\n");
}

void reportError(std::FILE* err, std::string_view message) {
  write(err, "vardeln-convert: ");
  writeLine(err, message);
}

std::string quotedList(const std::vector<std::string_view>& names) {
  std::string list;
  for (const std::string_view name : names) {
    if (!list.empty()) list += ", ";
    list += quoted(name);
  }
  return list;
}

// The message for a name that matched nothing or more than one listed name; `kind` is
// "category" or "unit", `context` says where a unit was looked for.
std::string nameProblem(std::string_view kind, std::string_view typed, std::string_view context,
                        const NameMatch& match) {
  std::string message = match.kind == NameMatch::Kind::Ambiguous ? "ambiguous " : "unknown ";
  message += kind;
  message += ' ';
  message += quoted(typed);
  message += context;
  message += match.kind == NameMatch::Kind::Ambiguous ? "; it matches " : "; closest: ";
  message += quotedList(match.candidates);
  return message;
}

std::span<const std::string_view> categoryNames() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> collected;
    for (const Category& category : allCategories()) collected.push_back(category.id());
    return collected;
  }();
  return names;
}

const Category* resolveCategory(std::string_view typed, std::FILE* err) {
  const NameMatch match = matchName(categoryNames(), typed);
  if (match.kind != NameMatch::Kind::Found) {
    reportError(err, nameProblem("category", typed, "", match));
    return nullptr;
  }
  return categoryById(match.name);
}

std::optional<std::size_t> resolveUnit(const Category& category, std::string_view typed,
                                       std::FILE* err) {
  const NameMatch match = matchName(category.labels(), typed);
  if (match.kind != NameMatch::Kind::Found) {
    const std::string context = " in " + std::string(category.id());
    reportError(err, nameProblem("unit", typed, context, match));
    return std::nullopt;
  }
  return category.unitIndex(match.name);
}

ExitStatus list(const ListNames& request, const Streams& streams) {
  std::span<const std::string_view> names = categoryNames();
  if (request.category) {
    const Category* category = resolveCategory(*request.category, streams.err);
    if (category == nullptr) return ExitStatus::UsageError;
    names = category->labels();
  }
  for (const std::string_view name : names) writeLine(streams.out, name);
  return ExitStatus::Success;
}

// Names are checked before the value, so that a mistyped unit is reported even when the
// value is not a number either, and before a batch reads any input.
ExitStatus convert(const Convert& request, const Streams& streams) {
  const Category* category = resolveCategory(request.category, streams.err);
  if (category == nullptr) return ExitStatus::UsageError;
  const std::optional<std::size_t> from = resolveUnit(*category, request.from, streams.err);
  if (!from) return ExitStatus::UsageError;
  const std::optional<std::size_t> to = resolveUnit(*category, request.to, streams.err);
  if (!to) return ExitStatus::UsageError;

  ValueConverter converter(*category, *from, *to, request.form);
  if (request.value == kBatchValue) {
    const BatchOutcome outcome = convertBatch(converter, streams.in, streams.out);
    if (outcome.status == ExitStatus::IoFailure) reportError(streams.err, outcome.ioProblem);
    return outcome.status;
  }
  const ConvertedValue converted = converter.convert(request.value);
  if (converted.status == ExitStatus::Fault) {
    reportError(streams.err, "floating-point fault: " + std::string(converted.text));
  } else {
    writeLine(streams.out, converted.text);
  }
  return converted.status;
}

ExitStatus carryOut(const Request& request, const Streams& streams) {
  if (std::holds_alternative<ShowHelp>(request)) {
    write(streams.out, usageText());
    return ExitStatus::Success;
  }
  if (std::holds_alternative<ShowVersion>(request)) {
    write(streams.out, versionText());
    return ExitStatus::Success;
  }
  if (const auto* listing = std::get_if<ListNames>(&request)) return list(*listing, streams);
  if (const auto* conversion = std::get_if<Convert>(&request)) {
    return convert(*conversion, streams);
  }
  reportError(streams.err, std::get<BadUsage>(request).message);
  return ExitStatus::UsageError;
}

}  // namespace

ExitStatus runCommandLine(std::span<const std::string_view> arguments, const Streams& streams) {
  const ExitStatus status = carryOut(parseArguments(arguments), streams);
  // A result that never reached its reader must not end as a success.
  if (status != ExitStatus::IoFailure &&
      (std::fflush(streams.out) != 0 || std::ferror(streams.out))) {
    reportError(streams.err, "cannot write standard output");
    return ExitStatus::IoFailure;
  }
  return status;
}

}  // namespace vardeln::cli
