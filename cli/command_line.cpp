// Vardeln — MIT licence, see LICENSE.
#include "command_line.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "arguments.h"
#include "batch.h"
#include "categories.h"
#include "conversion.h"
#include "explanation.h"
#include "invalid_number_note.h"
#include "json_records.h"
#include "name_match.h"
#include "quoted_name.h"
#include "today.h"
#include "unit_category.h"
#include "unit_name_match.h"
#include "unit_name_notes.h"
#include "unit_names.h"
#include "usage_text.h"
#include "value_converter.h"

namespace vardeln::cli {
namespace {

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
    list += quotedName(name);
  }
  return list;
}

// The message for a name that matched nothing or more than one listed name; `kind` is
// "category" or "unit", `context` says where a unit was looked for; what the name means, where
// the match says it, closes it. Where the name's case decides what it is, the engine's
// explanation says it all.
std::string nameProblem(std::string_view kind, std::string_view typed, std::string_view context,
                        const NameMatch& match) {
  if (!match.explanation.empty()) return match.explanation;
  std::string message = match.kind == NameMatch::Kind::Ambiguous ? "ambiguous " : "unknown ";
  message += kind;
  message += ' ';
  message += quotedName(typed);
  message += context;
  if (!match.candidates.empty()) {
    message += match.kind == NameMatch::Kind::Ambiguous ? "; it matches " : "; closest: ";
    message += quotedList(match.candidates);
  }
  if (!match.note.empty()) message += "; " + quotedName(typed) + " " + std::string(match.note);
  return message;
}

const Category* resolveCategory(std::string_view typed, std::FILE* err) {
  const NameMatch match = matchName(categoryIds(), typed);
  if (match.kind != NameMatch::Kind::Found) {
    reportError(err, nameProblem("category", typed, "", match));
    return nullptr;
  }
  return categoryById(match.name);
}

// A unit by its label or by a name people write for it ("ft"); the label stays its name in
// every output.
// The size a unit of several sizes is, said under the name typed, joins `sizes`.
std::optional<QuantityUnit> resolveUnit(const Category& category, std::string_view typed,
                                        std::FILE* err, std::string& sizes) {
  NameMatch match = matchUnitName(category, typed);
  if (match.kind != NameMatch::Kind::Found) {
    const std::string context = " in " + std::string(category.id());
    // A unit of another category is named as one, rather than with guesses here.
    std::string elsewhere;
    if (match.kind == NameMatch::Kind::Unknown && match.note.empty()) {
      elsewhere = unitCategoriesText(typed);
      if (!elsewhere.empty()) match.candidates.clear();
    }
    std::string problem = nameProblem("unit", typed, context, match);
    if (!elsewhere.empty()) {
      problem += "; " + elsewhere;
    } else if (match.kind == NameMatch::Kind::Unknown && match.candidates.empty() &&
               match.note.empty()) {
      problem += "; see --list";
    }
    reportError(err, problem);
    return std::nullopt;
  }
  if (!match.note.empty()) {
    const std::string sentence = unitSizeSentence(quotedName(typed), match.note);
    if (sizes.find(sentence) == std::string::npos) {
      sizes.append(sizes.empty() ? "" : "; ").append(sentence);
    }
  }
  return quantityUnit(category, match.name);
}

// The category and the source unit a request names; nothing once a problem is reported.
struct Source {
  const Category& category;
  QuantityUnit from;
  std::string sizes;  ///< which size a unit of several sizes named is, for a note
};

// The category named, or else the one the typed units settle.
const Category* resolveCategory(std::optional<std::string_view> typed,
                                std::span<const std::string_view> typedUnits, std::FILE* err) {
  if (typed) return resolveCategory(*typed, err);
  const SettledCategory settled = settleCategory(typedUnits);
  if (settled.category == nullptr) reportError(err, settled.problem);
  return settled.category;
}

std::optional<Source> resolveSource(std::optional<std::string_view> typedCategory,
                                    std::span<const std::string_view> typedUnits, std::FILE* err) {
  const Category* category = resolveCategory(typedCategory, typedUnits, err);
  if (category == nullptr) return std::nullopt;
  const std::string_view typedFrom = typedUnits.front();
  std::string sizes;
  const std::optional<QuantityUnit> from = resolveUnit(*category, typedFrom, err, sizes);
  if (!from) return std::nullopt;
  return Source{*category, *from, std::move(sizes)};
}

ConversionNames namesOf(const Category& category, QuantityUnit from, QuantityUnit to) {
  return {category.id(), quantityUnitLabel(category, from), quantityUnitLabel(category, to),
          nullptr, std::nullopt};
}

ExitStatus list(const ListNames& request, const Streams& streams) {
  const Category* category = nullptr;
  if (request.category) {
    category = resolveCategory(*request.category, streams.err);
    if (category == nullptr) return ExitStatus::UsageError;
  }
  const std::vector<std::string_view> names =
      category == nullptr ? std::vector(categoryIds().begin(), categoryIds().end())
                          : quantityUnitLabels(*category);
  std::string record;
  for (std::size_t order = 0; order < names.size(); ++order) {
    if (!request.json) {
      writeLine(streams.out, names[order]);
      continue;
    }
    record.clear();
    if (category == nullptr) {
      appendCategoryRecord(record, names[order], order);
    } else {
      const QuantityUnit unit = quantityUnitAt(*category, order);
      if (unit.compound) {
        appendCompoundUnitRecord(record, category->id(), category->compoundUnits()[unit.index],
                                 order);
      } else {
        appendUnitRecord(record, category->id(), names[order],
                         unitNameTable(*category).units[order].names, order,
                         todaysDefinition(*category, order));
      }
    }
    writeLine(streams.out, record);
  }
  return ExitStatus::Success;
}

// One value's JSON record, which names a fault itself.
ExitStatus writeRecord(ValueConverter& converter, const ConversionNames& names,
                       std::string_view value, std::FILE* out) {
  const ConvertedForms converted = converter.convertBothForms(value);
  writeLine(out, ConversionRecords(names).record(value, converted));
  return converted.status;
}

// One value's result: its JSON record; or its result line, where a fault is named on standard
// error instead, with nothing on standard output. An infinite result is shown, as the window
// shows it, and ends with the fault status.
ExitStatus writeOneResult(ValueConverter& converter, const OutputForm& output,
                          const ConversionNames& names, std::string_view value,
                          const Streams& streams) {
  if (output.json) return writeRecord(converter, names, value, streams.out);
  const ConvertedValue converted = converter.convert(value);
  if (converted.status == ExitStatus::Fault && !converted.infinite) {
    reportError(streams.err, "floating-point fault: " + std::string(converted.text));
  } else {
    writeLine(streams.out, converted.text);
  }
  return converted.status;
}

// An option that cannot apply to the units named, refused as the arguments' misused
// combinations are rather than passed over: --fraction rounds a compound result's last part,
// --exact writes a single double.
std::optional<std::string> misusedOption(const OutputForm& output, const Category& category,
                                         std::optional<QuantityUnit> to) {
  const bool compoundTarget = to ? to->compound : !category.compoundUnits().empty();
  const std::string target =
      to ? quotedName(quantityUnitLabel(category, *to)) : std::string(category.id());
  if (output.denominator != 0 && !compoundTarget) {
    return "--fraction=N rounds the last part of a compound unit, and " + target +
           (to ? " is none" : " has none") + "; see --help";
  }
  if (output.form == ResultForm::Exact && to && to->compound) {
    return "--exact writes one number, and " + target + " is written in parts; see --help";
  }
  return std::nullopt;
}

// The conversion the options ask of two units.
ConversionRequest requestOf(const Category& category, QuantityUnit from, QuantityUnit to,
                            const OutputForm& output) {
  return {&category,    from,
          to,           output.today ? Definitions::Today : Definitions::LegacyTables,
          output.style, output.denominator};
}

// A pair refused by today's definitions, named with why on standard error.
bool refusedToday(const QuantityConverter& conversion, std::FILE* err) {
  if (conversion.refusal().empty()) return false;
  reportError(err, "cannot convert by today's definitions: " + std::string(conversion.refusal()));
  return true;
}

// Names are checked before the value, so that a mistyped unit is reported even when the
// value is not a number either, and before a batch reads any input.
ExitStatus convert(const Convert& request, const Streams& streams) {
  const std::string_view units[] = {request.from, request.to};
  std::optional<Source> source = resolveSource(request.category, units, streams.err);
  if (!source) return ExitStatus::UsageError;
  const Category& category = source->category;
  const std::optional<QuantityUnit> to =
      resolveUnit(category, request.to, streams.err, source->sizes);
  if (!to) return ExitStatus::UsageError;
  if (const std::optional<std::string> misused = misusedOption(request.output, category, *to)) {
    reportError(streams.err, *misused);
    return ExitStatus::UsageError;
  }

  ValueConverter converter(requestOf(category, source->from, *to, request.output),
                           request.output.form);
  const bool refused = refusedToday(converter.conversion(), streams.err);
  // A pipeline reading JSON gets a record for every line, the refusal its outcome.
  if (refused && (!request.output.json || request.output.explain)) return ExitStatus::UsageError;
  if (!refused && !source->sizes.empty()) reportError(streams.err, "note: " + source->sizes);
  if (request.output.explain) {
    const Explanation explanation = explainConversion(
        converter.conversion().request(), request.value, request.output.form, streams.script);
    write(streams.out, explanation.text);
    return explanation.status;
  }
  // A unit far from today's definition, or measured today, is said once, beside the results,
  // never among them.
  const std::string note = converter.conversion().definitionsNote(NoteDetail::WithDefinition);
  if (!note.empty()) reportError(streams.err, "note: " + note);
  ConversionNames names = namesOf(category, source->from, *to);
  names.definitions = converter.conversion().request().definitions;
  if (request.value != kBatchValue) {
    const ExitStatus status =
        writeOneResult(converter, request.output, names, request.value, streams);
    // "Invalid Number" stays the result, as the result box shows it; what was not read is
    // said beside it (a JSON record says the outcome itself).
    if (status == ExitStatus::InvalidNumber && !request.output.json) {
      reportError(streams.err, invalidNumberNote(converter.conversion().request(), request.value));
    }
    return status;
  }
  const BatchOutcome outcome = request.output.json
                                   ? convertBatchToJson(converter, names, streams.in, streams.out)
                                   : convertBatch(converter, streams.in, streams.out);
  if (outcome.status == ExitStatus::IoFailure) reportError(streams.err, outcome.ioProblem);
  return outcome.status;
}

// One line per unit of the category, in list order: its label, a tab and the result, "Invalid
// Number" or the fault's name, as a batch writes them; or one JSON record per unit.
ExitStatus convertToAll(const ConvertToAll& request, const Streams& streams) {
  const std::string_view units[] = {request.from};
  const std::optional<Source> source = resolveSource(request.category, units, streams.err);
  if (!source) return ExitStatus::UsageError;
  const Category& category = source->category;
  if (const std::optional<std::string> misused =
          misusedOption(request.output, category, std::nullopt)) {
    reportError(streams.err, *misused);
    return ExitStatus::UsageError;
  }
  const bool refused = refusedToday(
      QuantityConverter(requestOf(category, source->from, source->from, request.output)),
      streams.err);
  if (refused && !request.output.json) return ExitStatus::UsageError;
  if (!refused && !source->sizes.empty()) reportError(streams.err, "note: " + source->sizes);
  const std::string note = definitionsNoteToEveryUnit(
      requestOf(category, source->from, source->from, request.output), NoteDetail::WithDefinition);
  if (!note.empty()) reportError(streams.err, "note: " + note);

  ExitStatus status = ExitStatus::Success;
  // A compound source has its parts' definitions, no single one of its own.
  const TodaysDefinition* fromToday =
      source->from.compound ? nullptr : &todaysDefinition(category, source->from.index);
  const std::string_view fromDeviation =
      fromToday != nullptr && fromToday->standard() ? fromToday->deviation : "null";
  for (const std::string_view label : quantityUnitLabels(category)) {
    const QuantityUnit to = *quantityUnit(category, label);
    ValueConverter converter(requestOf(category, source->from, to, request.output),
                             request.output.form);
    if (request.output.json) {
      ConversionNames names = namesOf(category, source->from, to);
      names.definitions = converter.conversion().request().definitions;
      // A compound unit has its parts' definitions, no single one of its own.
      names.today = to.compound ? nullptr : &todaysDefinition(category, to.index);
      names.fromDeviation = fromDeviation;
      status = worse(status, writeRecord(converter, names, request.value, streams.out));
      continue;
    }
    const ConvertedValue converted = converter.convert(request.value);
    write(streams.out, label);
    write(streams.out, "\t");
    writeLine(streams.out, converted.text);
    status = worse(status, converted.status);
  }
  // The value is read in the source unit alone, so one note names what was not read.
  if (status == ExitStatus::InvalidNumber && !request.output.json) {
    reportError(streams.err,
                invalidNumberNote(requestOf(category, source->from, source->from, request.output),
                                  request.value));
  }
  return status;
}

// --locale under a locale the system lacks converts in the converter's own form, and says so.
void sayMissingLocale(const OutputForm& output, std::FILE* err) {
  if (output.missingLocale.empty()) return;
  reportError(err, "note: the locale " + quotedName(output.missingLocale) +
                       " is not installed; numbers are read and written as 1234.5");
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
    sayMissingLocale(conversion->output, streams.err);
    return convert(*conversion, streams);
  }
  if (const auto* conversion = std::get_if<ConvertToAll>(&request)) {
    sayMissingLocale(conversion->output, streams.err);
    return convertToAll(*conversion, streams);
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
