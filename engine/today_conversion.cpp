// Vardeln — MIT licence, see LICENSE.
#include "today_conversion.h"

#include <cmath>
#include <vector>

#include "exact_number.h"
#include "number_text.h"
#include "today.h"
#include "today_scale.h"

namespace vardeln {

namespace {

struct ExactDefinition {
  Exact factor;
  Exact offset;
};

// Every row's definition as exact fractions, in the order of todaysDefinitions(), read once:
// nothing for a row with no single definition today.
const std::vector<std::optional<ExactDefinition>>& exactDefinitions() {
  static const std::vector<std::optional<ExactDefinition>> definitions = [] {
    const auto rows = todaysDefinitions();
    std::vector<std::optional<ExactDefinition>> all;
    for (const TodaysDefinition& row : rows) {
      if (row.standard())
        all.push_back(ExactDefinition{exactTableValue(row.today).value(), Exact(0)});
      else
        all.emplace_back();
    }
    for (const TodaysScale& scale : todaysScales()) {
      for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].category != scale.category || rows[i].label != scale.label) continue;
        all[i] = ExactDefinition{exactTableValue(scale.factor).value(),
                                 exactTableValue(scale.offset).value()};
      }
    }
    return all;
  }();
  return definitions;
}

bool measured(const TodaysDefinition& row) { return row.kind.starts_with("measured"); }

void appendNote(std::string& notes, const std::string& note) {
  if (!notes.empty()) notes += "; ";
  notes += note;
}

std::string_view trimBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\n\r\v\f";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

ExactDefinitionText definitionText(const ExactDefinition& definition) {
  return {fractionText(definition.factor), fractionText(definition.offset)};
}

}  // namespace

TodayConversion convertByToday(const Category& category, std::string_view typedText,
                               std::size_t from, std::size_t to, TodayDetail detail) {
  const TodaysDefinition& source = todaysDefinition(category, from);
  const TodaysDefinition& target = todaysDefinition(category, to);
  TodayConversion conversion;
  std::vector<const TodaysDefinition*> units{&source};
  if (&target != &source) units.push_back(&target);
  for (const TodaysDefinition* row : units) {
    if (!row->standard()) {
      appendNote(conversion.refusal, std::string(row->label) + " has no single definition today (" +
                                         std::string(row->kind) +
                                         "): " + std::string(row->definition));
    } else if (measured(*row)) {
      std::string note = std::string(row->label) + " is measured: " + std::string(row->today) +
                         " " + std::string(category.baseLabel());
      if (row->uncertainty != "exact") note += ", uncertainty " + std::string(row->uncertainty);
      appendNote(conversion.measured, note);
    }
  }
  if (!conversion.refusal.empty()) {
    conversion.outcome = TodayConversion::Outcome::NoDefinitionToday;
    conversion.measured.clear();
    return conversion;
  }
  // parseNumber decides what is a number, so that both ways of converting accept the same
  // texts; a number it accepts is at most the largest double, so its exact value stays small.
  if (!isNumber(typedText)) return conversion;
  const Exact typed = exactDecimal(trimBlanks(typedText)).value();

  const auto& definitions = exactDefinitions();
  const ExactDefinition& in = *definitions[&source - todaysDefinitions().data()];
  const ExactDefinition& out = *definitions[&target - todaysDefinitions().data()];
  const Exact exact = (in.factor * typed + in.offset - out.offset) / out.factor;
  conversion.outcome = TodayConversion::Outcome::Result;
  conversion.result = nearestDouble(exact);
  if (detail == TodayDetail::WithArithmetic) {
    const double error = std::isinf(conversion.result)
                             ? conversion.result
                             : nearestDouble(Exact(conversion.result) - exact);
    conversion.arithmetic = TodayArithmetic{fractionText(typed), definitionText(in),
                                            definitionText(out), fractionText(exact), error};
  }
  return conversion;
}

}  // namespace vardeln
