// Vardeln — MIT licence, see LICENSE.
// What the page asks of the engine: the categories, their unit labels, and one recalculation
// with its outcome. Texts cross as NUL-terminated UTF-8; a returned text stays valid until the
// next call that returns one.
#include <emscripten/emscripten.h>

#include <string>

#include "categories.h"
#include "conversion.h"
#include "fp_status.h"

namespace {

std::string returned;

const char* hand(std::string_view text) {
  returned.assign(text);
  return returned.c_str();
}

const vardeln::Category* categoryAt(int index) {
  const auto& categories = vardeln::allCategories();
  if (index < 0 || static_cast<std::size_t>(index) >= categories.size()) return nullptr;
  return &categories[static_cast<std::size_t>(index)].get();
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int vardeln_category_count() {
  return static_cast<int>(vardeln::allCategories().size());
}

/// The command-line name of a category ("area"); the empty text for an index out of range.
EMSCRIPTEN_KEEPALIVE const char* vardeln_category_name(int category) {
  const vardeln::Category* chosen = categoryAt(category);
  return hand(chosen != nullptr ? chosen->names().name : std::string_view());
}

/// A category's unit labels in list order, each ended by a newline (no label holds one), so
/// that the page reads a whole list in one call; the empty text for an index out of range.
EMSCRIPTEN_KEEPALIVE const char* vardeln_unit_labels(int category) {
  returned.clear();
  if (const vardeln::Category* chosen = categoryAt(category)) {
    for (std::string_view label : chosen->labels()) {
      returned.append(label);
      returned.push_back('\n');
    }
  }
  return returned.c_str();
}

/// One recalculation, as the window runs it on every keystroke. The three texts come with
/// their lengths in bytes: a pasted number may hold a NUL, and must then not be read as the
/// number before it. Returns 0 when the result box takes the text vardeln_outcome_text gives,
/// 1 when it stays as it is, 2 on a fault, whose name vardeln_outcome_text then gives.
EMSCRIPTEN_KEEPALIVE int vardeln_recalculate(int category, const char* input, int inputLength,
                                             const char* sourceUnit, int sourceLength,
                                             const char* targetUnit, int targetLength) {
  const auto text = [](const char* bytes, int length) {
    return std::string_view(bytes, static_cast<std::size_t>(length));
  };
  const vardeln::ConversionOutcome outcome =
      vardeln::runConversion(categoryAt(category), text(input, inputLength),
                             text(sourceUnit, sourceLength), text(targetUnit, targetLength));
  switch (outcome.kind) {
    case vardeln::ConversionOutcome::Kind::Write:
      hand(outcome.text);
      return 0;
    case vardeln::ConversionOutcome::Kind::LeaveUnchanged:
      hand({});
      return 1;
    case vardeln::ConversionOutcome::Kind::Fault:
      hand(vardeln::faultName(outcome.fault));
      return 2;
  }
  return 1;
}

EMSCRIPTEN_KEEPALIVE const char* vardeln_outcome_text() { return returned.c_str(); }

}  // extern "C"
