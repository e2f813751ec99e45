// Vardeln — MIT licence, see LICENSE.
#include "converter.h"

#include "categories.h"
#include "conversion.h"

namespace vardeln {
namespace {

// UTF-16 code units of a UTF-8 text: one per character, two beyond the Basic Multilingual
// Plane.
std::size_t utf16Length(std::string_view utf8) {
  std::size_t units = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) ++units;
    if (byte >= 0xF0) ++units;
  }
  return units;
}

std::string withLineBreaksAsBlanks(std::string_view text) {
  std::string oneLine;
  oneLine.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    oneLine.push_back(text[i] == '\r' || text[i] == '\n' ? ' ' : text[i]);
  }
  return oneLine;
}

std::string tooLongNote() {
  return "Too long: over " + std::to_string(Converter::kLongestNumber) + " characters";
}

}  // namespace

struct Converter::Snapshot {
  std::size_t category, from, to;
  std::string number, result;
  std::optional<FloatingPointFault> stale;
  std::string note;
  NoteKind noteKind;
};

Converter::Converter() {
  number_ = "0";
  chooseCategory(0);
}

const Category& Converter::category() const { return allCategories()[category_]; }

std::string_view Converter::fromLabel() const { return category().labels()[from_]; }

std::string_view Converter::toLabel() const { return category().labels()[to_]; }

Converter::Snapshot Converter::snapshot() const {
  return {category_, from_, to_, number_, result_, stale_, note_, noteKind_};
}

unsigned Converter::changesSince(const Snapshot& before) const {
  unsigned changed = kNothing;
  if (before.category != category_) changed |= kCategory;
  if (before.from != from_ || before.to != to_) changed |= kUnits;
  if (before.number != number_) changed |= kNumber;
  if (before.result != result_ || before.stale != stale_) changed |= kResult;
  if (before.note != note_ || before.noteKind != noteKind_) changed |= kNote;
  return changed;
}

void Converter::recalculate() {
  const Conversion conversion = convert(category(), from_, to_, number_);
  if (conversion.outcome == Conversion::Outcome::Fault) {
    stale_ = conversion.fault;
    note_ = faultName(conversion.fault);
    noteKind_ = NoteKind::Fault;
    return;
  }
  result_ = resultText(conversion);
  stale_.reset();
  note_.clear();
  noteKind_ = NoteKind::None;
}

unsigned Converter::chooseCategory(std::size_t index) {
  const Snapshot before = snapshot();
  category_ = index;
  from_ = 0;
  to_ = 0;
  recalculate();
  // Choosing the current category again refills its lists: a view redraws them all the same.
  return changesSince(before) | kCategory;
}

unsigned Converter::chooseFrom(std::size_t unit) {
  const Snapshot before = snapshot();
  from_ = unit;
  recalculate();
  return changesSince(before);
}

unsigned Converter::chooseTo(std::size_t unit) {
  const Snapshot before = snapshot();
  to_ = unit;
  recalculate();
  return changesSince(before);
}

unsigned Converter::setNumber(std::string_view text) {
  if (utf16Length(text) > kLongestNumber) return refuseLongText();
  const Snapshot before = snapshot();
  number_ = withLineBreaksAsBlanks(text);
  recalculate();
  return changesSince(before);
}

unsigned Converter::refuseLongText() {
  const Snapshot before = snapshot();
  note_ = tooLongNote();
  noteKind_ = NoteKind::TooLong;
  return changesSince(before);
}

Converter::Cut Converter::cut() {
  std::string clipboard = number_;
  return {setNumber({}), std::move(clipboard)};
}

std::string Converter::copy() const {
  const std::string_view shown = stale_ ? faultName(*stale_) : std::string_view(result_);
  std::string line;
  line.append(number_).append(" ").append(fromLabel()).append(" = ");
  line.append(shown).append(" ").append(toLabel());
  return line;
}

unsigned Converter::reset() {
  const Snapshot before = snapshot();
  number_.clear();
  recalculate();
  // Emptied after the conversion the empty number causes, so the result ends empty.
  result_.clear();
  return changesSince(before);
}

}  // namespace vardeln
