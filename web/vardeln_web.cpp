// Vardeln — MIT licence, see LICENSE.
// What the page asks of the converter: the categories with their captions and unit labels,
// the units a typed name finds, the user's commands, and the state to draw. The page holds one
// converter, as the window does. A text returned stays valid until the next call that returns one;
// vardeln_text_length() gives its length in bytes, since a pasted number may hold a NUL.
//
// The state to draw is one record in memory that every command brings up to date before it
// returns (vardeln_state()): a keystroke is one call, and the page reads what changed without
// another.
//
// This file is the whole interface: each function here is exported by its EMSCRIPTEN_KEEPALIVE
// alone, and the page reads from vardeln_interface_constants() the calls with how each takes
// and gives its values (kCalls, which names each function where the compiler checks it), the
// numbers it compares with (Change bits, note kinds) and where the record holds each part,
// so nothing is written twice.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "categories.h"
#include "category_caption.h"
#include "conversion.h"
#include "converter.h"
#include "link.h"
#include "number_style.h"
#include "quantity_conversion.h"
#include "unit_search.h"

namespace {

using vardeln::Converter;
using NoteKind = Converter::NoteKind;

Converter converter;
std::string returned;

const char* hand(std::string_view text) {
  returned.assign(text);
  return returned.c_str();
}

bool isCategory(int category) {
  return category >= 0 && static_cast<std::size_t>(category) < vardeln::kCategoryCount;
}

// A unit's position among the category's units and then its compound units.
bool isUnitOf(int category, int unit) {
  if (!isCategory(category) || unit < 0) return false;
  const vardeln::Category& units = vardeln::allCategories()[static_cast<std::size_t>(category)];
  return static_cast<std::size_t>(unit) < vardeln::quantityUnitLabels(units).size();
}

bool isUnit(int unit) { return isUnitOf(static_cast<int>(converter.categoryIndex()), unit); }

// How many units the finder offers for a text.
constexpr std::size_t kFinderSuggestions = 8;

// Labels each ended by a newline (no label holds one), so that the page reads a whole list in
// one call; the empty text for a category out of range.
const char* handLines(int category,
                      std::span<const std::string_view> (*labelsOf)(const vardeln::Category&)) {
  returned.clear();
  if (!isCategory(category)) return returned.c_str();
  for (std::string_view label :
       labelsOf(vardeln::allCategories()[static_cast<std::size_t>(category)].get())) {
    returned.append(label);
    returned.push_back('\n');
  }
  return returned.c_str();
}

std::string_view bytes(const char* text, int length) {
  return {text, static_cast<std::size_t>(length)};
}

// The state to draw, in 32-bit words; a text is where its bytes are (inside the converter, or
// a fault's name) and how many there are, valid until the next command. staleFault is the
// fault's name while the result is stale, else empty; numberIsGiven is 1 when the number is
// exactly the text the command was given; byToday is 1 under today's definitions;
// resultToCopy is 1 when the result is a number Copy can give (not a fault's, not "Invalid
// Number", not the nothing of Reset or of a refused conversion).
// clang-format off
#define VARDELN_STATE_WORDS(WORD) \
  WORD(category) \
  WORD(from) \
  WORD(to) \
  WORD(noteKind) \
  WORD(number) \
  WORD(numberLength) \
  WORD(result) \
  WORD(resultLength) \
  WORD(staleFault) \
  WORD(staleFaultLength) \
  WORD(note) \
  WORD(noteLength) \
  WORD(numberIsGiven) \
  WORD(byToday) \
  WORD(resultToCopy)
// clang-format on
struct State {
#define VARDELN_DECLARE(part) std::uint32_t part;
  VARDELN_STATE_WORDS(VARDELN_DECLARE)
#undef VARDELN_DECLARE
};
State state;

// A text's address is kept in a word, and the page reads the record as 32-bit words.
#ifdef __wasm32__
constexpr bool kWasm32 = true;
#else
constexpr bool kWasm32 = false;
#endif
static_assert(kWasm32 && sizeof(const char*) == sizeof(std::uint32_t) &&
                  alignof(State) == sizeof(std::uint32_t),
              "the page's record assumes 32-bit WebAssembly");

void place(std::string_view text, std::uint32_t& at, std::uint32_t& length) {
  at = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(text.data()));
  length = static_cast<std::uint32_t>(text.size());
}

// Brings the record up to date after a command and passes on what the command changed;
// `given` is the text a command was given for the number, if any.
unsigned updated(unsigned changed, std::optional<std::string_view> given = std::nullopt) {
  state.numberIsGiven = given && converter.number() == *given;
  state.category = static_cast<std::uint32_t>(converter.categoryIndex());
  state.from = static_cast<std::uint32_t>(converter.fromUnit());
  state.to = static_cast<std::uint32_t>(converter.toUnit());
  state.noteKind = static_cast<std::uint32_t>(converter.noteKind());
  state.byToday = converter.definitions() == Converter::Definitions::Today;
  place(converter.number(), state.number, state.numberLength);
  place(converter.result(), state.result, state.resultLength);
  const auto fault = converter.staleBecause();
  place(fault ? vardeln::faultName(*fault) : std::string_view(), state.staleFault,
        state.staleFaultLength);
  place(converter.note(), state.note, state.noteLength);
  state.resultToCopy =
      !fault && !converter.result().empty() && converter.result() != vardeln::kInvalidNumber;
  return changed;
}

// The names the page knows the converter's numbers by: Change bits, note kinds, the choices
// of a number style and Copy's forms.
struct NamedNumber {
  template <typename Value>
  constexpr NamedNumber(std::string_view known, Value number)
      : name(known), value(static_cast<unsigned>(number)) {}
  std::string_view name;
  unsigned value;
};

// Whether a number the page passes is one of a set's.
bool isNamed(std::span<const NamedNumber> set, int number) {
  return std::any_of(set.begin(), set.end(), [number](const NamedNumber& member) {
    return number >= 0 && member.value == static_cast<unsigned>(number);
  });
}

constexpr NamedNumber kChanges[] = {
    {"category", Converter::kCategory}, {"units", Converter::kUnits},
    {"number", Converter::kNumber},     {"result", Converter::kResult},
    {"note", Converter::kNote},         {"definitions", Converter::kDefinitions}};

constexpr NamedNumber kNoteKinds[] = {{"none", NoteKind::None},
                                      {"fault", NoteKind::Fault},
                                      {"tooLong", NoteKind::TooLong},
                                      {"unknownLink", NoteKind::UnknownLink},
                                      {"farFromToday", NoteKind::FarFromToday},
                                      {"byToday", NoteKind::ByToday},
                                      {"noneToday", NoteKind::NoneToday},
                                      {"unitSize", NoteKind::UnitSize},
                                      {"noNumberInStyle", NoteKind::NoNumberInStyle}};

constexpr NamedNumber kGroupings[] = {{"none", vardeln::Grouping::None},
                                      {"thousands", vardeln::Grouping::Thousands},
                                      {"indian", vardeln::Grouping::Indian}};

constexpr NamedNumber kGroupMarks[] = {
    {"comma", vardeln::GroupMark::Comma},
    {"point", vardeln::GroupMark::Point},
    {"apostrophe", vardeln::GroupMark::Apostrophe},
    {"thinSpace", vardeln::GroupMark::ThinSpace},
    {"narrowNoBreakSpace", vardeln::GroupMark::NarrowNoBreakSpace}};

constexpr NamedNumber kPrecisions[] = {{"significantDigits", vardeln::Precision::SignificantDigits},
                                       {"decimals", vardeln::Precision::Decimals}};

constexpr NamedNumber kNotations[] = {{"general", vardeln::Notation::General},
                                      {"scientific", vardeln::Notation::Scientific},
                                      {"engineering", vardeln::Notation::Engineering}};

constexpr NamedNumber kCopyForms[] = {{"sentence", Converter::CopyForm::Sentence},
                                      {"result", Converter::CopyForm::Result},
                                      {"resultWithUnit", Converter::CopyForm::ResultWithUnit}};

// Each part's word in the record.
#define VARDELN_WORD(part) {#part, offsetof(State, part) / sizeof(std::uint32_t)},
constexpr NamedNumber kStateWords[] = {VARDELN_STATE_WORDS(VARDELN_WORD)};
#undef VARDELN_WORD

// Decimal digits without std::to_string, which would bring the C library's formatting into
// the page.
void appendNumber(std::string& out, unsigned value) {
  if (value >= 10) appendNumber(out, value / 10);
  out.push_back(static_cast<char>('0' + value % 10));
}

// "name":{"a":1,"b":2}
void appendObject(std::string& json, std::string_view name, std::span<const NamedNumber> members) {
  json.append("\"").append(name).append("\":{");
  for (const NamedNumber& member : members) {
    if (json.back() != '{') json.push_back(',');
    json.append("\"").append(member.name).append("\":");
    appendNumber(json, member.value);
  }
  json.push_back('}');
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int vardeln_text_length() { return static_cast<int>(returned.size()); }

/// Where the state to draw is; it stays there, and every command below updates it.
EMSCRIPTEN_KEEPALIVE const State* vardeln_state() {
  updated(Converter::kNothing);
  return &state;
}

EMSCRIPTEN_KEEPALIVE int vardeln_category_count() {
  return static_cast<int>(vardeln::kCategoryCount);
}

/// A category's id ("area"); the empty text for an index out of range.
EMSCRIPTEN_KEEPALIVE const char* vardeln_category_id(int category) {
  if (!isCategory(category)) return hand({});
  return hand(vardeln::allCategories()[static_cast<std::size_t>(category)].get().id());
}

/// The caption every front end shows for a category ("Area"); the empty text for an index out
/// of range.
EMSCRIPTEN_KEEPALIVE const char* vardeln_category_caption(int category) {
  if (!isCategory(category)) return hand({});
  return hand(vardeln::categoryCaption(static_cast<std::size_t>(category)));
}

/// A category's unit labels in list order, each ended by a newline.
EMSCRIPTEN_KEEPALIVE const char* vardeln_unit_labels(int category) {
  return handLines(category, [](const vardeln::Category& units) {
    return std::span<const std::string_view>(units.labels());
  });
}

/// A category's compound units ("Feet and Inches"), which the page lists after its units.
EMSCRIPTEN_KEEPALIVE const char* vardeln_compound_labels(int category) {
  return handLines(category, [](const vardeln::Category& units) {
    return std::span<const std::string_view>(units.compoundLabels());
  });
}

// The user's commands; each answers the converter's Change bits. An index out of range is
// no command of the user's and changes nothing.
EMSCRIPTEN_KEEPALIVE unsigned vardeln_choose_category(int category) {
  if (!isCategory(category)) return Converter::kNothing;
  return updated(converter.chooseCategory(static_cast<std::size_t>(category)));
}

EMSCRIPTEN_KEEPALIVE unsigned vardeln_choose_from(int unit) {
  if (!isUnit(unit)) return Converter::kNothing;
  return updated(converter.chooseFrom(static_cast<std::size_t>(unit)));
}

EMSCRIPTEN_KEEPALIVE unsigned vardeln_choose_to(int unit) {
  if (!isUnit(unit)) return Converter::kNothing;
  return updated(converter.chooseTo(static_cast<std::size_t>(unit)));
}

/// A unit of any category as the source or the target, chosen in the finder.
EMSCRIPTEN_KEEPALIVE unsigned vardeln_choose_from_in(int category, int unit) {
  if (!isUnitOf(category, unit)) return Converter::kNothing;
  return updated(converter.chooseUnit(static_cast<std::size_t>(category), Converter::Side::From,
                                      static_cast<std::size_t>(unit)));
}

EMSCRIPTEN_KEEPALIVE unsigned vardeln_choose_to_in(int category, int unit) {
  if (!isUnitOf(category, unit)) return Converter::kNothing;
  return updated(converter.chooseUnit(static_cast<std::size_t>(category), Converter::Side::To,
                                      static_cast<std::size_t>(unit)));
}

/// 1: convert by today's definitions; 0: by the legacy tables.
EMSCRIPTEN_KEEPALIVE unsigned vardeln_set_by_today(int today) {
  return updated(converter.setDefinitions(today != 0 ? Converter::Definitions::Today
                                                     : Converter::Definitions::LegacyTables));
}

/// Which units of the current category, in list order, convert by today's definitions: a
/// "1" for each that does, a "0" for each that has none today (a compound unit converts when
/// every part of it has one).
EMSCRIPTEN_KEEPALIVE const char* vardeln_converts_by_today() {
  const auto units = vardeln::quantityUnitLabels(converter.category()).size();
  returned.clear();
  for (std::size_t unit = 0; unit < units; ++unit) {
    returned.push_back(converter.convertsByToday(unit) ? '1' : '0');
  }
  return returned.c_str();
}

EMSCRIPTEN_KEEPALIVE unsigned vardeln_swap_units() { return updated(converter.swapUnits()); }

/// The units a typed text may stand for, best first (searchUnits): a line each, the
/// category's index and the unit's position in it, parted by a tab.
EMSCRIPTEN_KEEPALIVE const char* vardeln_find_units(const char* text, int length) {
  returned.clear();
  for (const vardeln::FoundUnit found :
       vardeln::searchUnits(bytes(text, length), kFinderSuggestions)) {
    appendNumber(returned, static_cast<unsigned>(found.category));
    returned.push_back('\t');
    appendNumber(returned, static_cast<unsigned>(found.unit));
    returned.push_back('\n');
  }
  return returned.c_str();
}

EMSCRIPTEN_KEEPALIVE unsigned vardeln_set_number(const char* text, int length) {
  return updated(converter.setNumber(bytes(text, length)), bytes(text, length));
}

EMSCRIPTEN_KEEPALIVE unsigned vardeln_paste(const char* text, int length) {
  return updated(converter.paste(bytes(text, length)), bytes(text, length));
}

/// Cut's changes; the text for the clipboard is then vardeln_cut_text().
EMSCRIPTEN_KEEPALIVE unsigned vardeln_cut() {
  Converter::Cut cut = converter.cut();
  returned = std::move(cut.clipboard);
  return updated(cut.changed);
}

EMSCRIPTEN_KEEPALIVE const char* vardeln_cut_text() { return returned.c_str(); }

/// What Copy puts on the clipboard in a form kCopyForms names; the sentence for any other.
EMSCRIPTEN_KEEPALIVE const char* vardeln_copy(int form) {
  return hand(converter.copy(isNamed(kCopyForms, form) ? static_cast<Converter::CopyForm>(form)
                                                       : Converter::CopyForm::Sentence));
}

/// Reads and writes numbers in the style the page's setting chose, each part by a number
/// kGroupings, kGroupMarks, kPrecisions and kNotations name, the decimal mark by its
/// character's code, the digits as formatDouble takes them; a choice none names, or no style
/// (isStyle), changes nothing.
EMSCRIPTEN_KEEPALIVE unsigned vardeln_set_number_style(int decimalMark, int grouping, int groupMark,
                                                       int precision, int digits, int notation) {
  vardeln::NumberStyle style;
  style.decimalMark = static_cast<char>(decimalMark);
  style.grouping = static_cast<vardeln::Grouping>(grouping);
  style.groupMark = static_cast<vardeln::GroupMark>(groupMark);
  style.precision = static_cast<vardeln::Precision>(precision);
  style.digits = digits;
  style.notation = static_cast<vardeln::Notation>(notation);
  const bool named = (decimalMark == '.' || decimalMark == ',') && isNamed(kGroupings, grouping) &&
                     isNamed(kGroupMarks, groupMark) && isNamed(kPrecisions, precision) &&
                     isNamed(kNotations, notation);
  if (!named || !vardeln::isStyle(style)) return Converter::kNothing;
  return updated(converter.setNumberStyle(style));
}

/// The group mark, by the number kGroupMarks names, that a grouping takes beside a decimal
/// mark, by its character's code, where the setting names none (groupMarkBeside); a mark none
/// names is answered as it is.
EMSCRIPTEN_KEEPALIVE int vardeln_group_mark_beside(int decimalMark, int groupMark) {
  if (!isNamed(kGroupMarks, groupMark)) return groupMark;
  return static_cast<int>(vardeln::groupMarkBeside(static_cast<char>(decimalMark),
                                                   static_cast<vardeln::GroupMark>(groupMark)));
}

EMSCRIPTEN_KEEPALIVE unsigned vardeln_reset() { return updated(converter.reset()); }

/// Opens the conversion a page address names (see followLink).
EMSCRIPTEN_KEEPALIVE unsigned vardeln_follow_link(const char* address, int length) {
  return updated(vardeln::followLink(converter, bytes(address, length)));
}

/// The conversion on screen as a page address.
EMSCRIPTEN_KEEPALIVE const char* vardeln_link() { return hand(vardeln::linkOf(converter)); }

/// How the result is computed: line 0 the source unit's rule to the base unit, line 1 the
/// target unit's rule from it, lines 2 and 3 each unit's definition today and its source.
EMSCRIPTEN_KEEPALIVE const char* vardeln_how(int line) {
  switch (line) {
    case 0:
      return hand(converter.howToBase());
    case 1:
      return hand(converter.howFromBase());
    case 2:
      return hand(converter.todayOfFrom());
    default:
      return hand(converter.todayOfTo());
  }
}

}  // extern "C"

namespace {

// A call the page makes and how it takes and gives its values: "number" (numbers in, a number
// out), "text" (numbers in, a text out), "givenText" (a text in, as its bytes and their
// length; the Change bits out) or "textForText" (a text in as givenText takes it, a text out).
// The function must exist for its row to compile.
struct Call {
  std::string_view name;
  std::string_view shape;
};

template <auto function>
constexpr Call call(std::string_view name, std::string_view shape) {
  return {name, shape};
}

#define VARDELN_CALL(name, shape) call<&vardeln_##name>(#name, #shape)
constexpr Call kCalls[] = {VARDELN_CALL(state, number),
                           VARDELN_CALL(category_count, number),
                           VARDELN_CALL(category_id, text),
                           VARDELN_CALL(category_caption, text),
                           VARDELN_CALL(unit_labels, text),
                           VARDELN_CALL(compound_labels, text),
                           VARDELN_CALL(choose_category, number),
                           VARDELN_CALL(choose_from, number),
                           VARDELN_CALL(choose_to, number),
                           VARDELN_CALL(choose_from_in, number),
                           VARDELN_CALL(choose_to_in, number),
                           VARDELN_CALL(swap_units, number),
                           VARDELN_CALL(find_units, textForText),
                           VARDELN_CALL(set_number, givenText),
                           VARDELN_CALL(paste, givenText),
                           VARDELN_CALL(cut, number),
                           VARDELN_CALL(cut_text, text),
                           VARDELN_CALL(copy, text),
                           VARDELN_CALL(set_number_style, number),
                           VARDELN_CALL(group_mark_beside, number),
                           VARDELN_CALL(reset, number),
                           VARDELN_CALL(follow_link, givenText),
                           VARDELN_CALL(link, text),
                           VARDELN_CALL(how, text),
                           VARDELN_CALL(set_by_today, number),
                           VARDELN_CALL(converts_by_today, text)};
#undef VARDELN_CALL

}  // namespace

extern "C" {

/// The page's calls and the numbers it compares with or passes, by name, as JSON:
/// {"call":{"state":"number",...},"change":{"category":1,...},"noteKind":{"none":0,...},
/// "grouping":{"none":0,...},"groupMark":…,"precision":…,"notation":…,"copyForm":…,
/// "state":{"category":0,...}} (state: each part's word in vardeln_state()'s record). Read once, at
/// the start; with vardeln_text_length(), the one call the page names itself.
EMSCRIPTEN_KEEPALIVE const char* vardeln_interface_constants() {
  returned = "{\"call\":{";
  for (const Call& each : kCalls) {
    if (returned.back() != '{') returned.push_back(',');
    returned.append("\"").append(each.name).append("\":\"").append(each.shape).append("\"");
  }
  returned.append("},");
  const std::pair<std::string_view, std::span<const NamedNumber>> sets[] = {
      {"change", kChanges},       {"noteKind", kNoteKinds},   {"grouping", kGroupings},
      {"groupMark", kGroupMarks}, {"precision", kPrecisions}, {"notation", kNotations},
      {"copyForm", kCopyForms}};
  for (const auto& [name, members] : sets) {
    appendObject(returned, name, members);
    returned.push_back(',');
  }
  appendObject(returned, "state", kStateWords);
  returned.push_back('}');
  return returned.c_str();
}

}  // extern "C"
