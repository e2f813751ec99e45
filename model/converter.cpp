// Vardeln — MIT licence, see LICENSE.
#include "converter.h"

#include "categories.h"
#include "compound_explanation.h"
#include "conversion.h"
#include "number_text.h"
#include "quantity_conversion.h"
#include "quantity_converter.h"
#include "rule_text.h"
#include "today.h"
#include "today_conversion.h"
#include "today_how.h"
#include "unit_name_notes.h"
#include "zero_group_note.h"

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
  std::string oneLine(text);
  // A typed number holds no line break: it is copied whole, as it is on every keystroke.
  if (text.find_first_of("\r\n") == std::string_view::npos) return oneLine;
  std::size_t length = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    oneLine[length++] = text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
  }
  oneLine.resize(length);
  return oneLine;
}

std::string tooLongNote() {
  return "Too long: over " + std::to_string(Converter::kLongestNumber) + " characters";
}

}  // namespace

Converter::Converter() { showStart(); }

unsigned Converter::showStart() {
  const unsigned changed = number_ != "0" ? kNumber : kNothing;
  number_.assign(1, '0');
  return changed | adopt(Definitions::LegacyTables) | chooseCategory(0);
}

const Category& Converter::category() const { return allCategories()[category_]; }

std::string_view Converter::fromLabel() const {
  return quantityUnitLabel(category(), quantityUnitAt(category(), from_));
}

std::string_view Converter::toLabel() const {
  return quantityUnitLabel(category(), quantityUnitAt(category(), to_));
}

std::string Converter::howToBase() const {
  const QuantityUnit from = quantityUnitAt(category(), from_);
  if (definitions_ == Definitions::Today) {
    if (!arithmetic_) return {};
    // A compound quantity's parts are each taken by their own definition and summed exactly.
    if (from.compound) {
      return "to " + std::string(category().baseLabel()) +
             " by today's definitions of its parts, summed exactly: B = " + arithmetic_->typed;
    }
    return todayHowToBase(category(), *arithmetic_);
  }
  if (!from.compound) {
    const UnitRule& unit = category().rules()[from.index];
    return howLine("to", toBaseText(unit, Script::Unicode), unit.toBase.text);
  }
  // "Feet and Inches counts its parts in Inches (1 Feet = 12 Inches), then Inches: B = …"
  const CompoundUnit& unit = category().compoundUnits()[from.index];
  const UnitRule& smallest = partRule(category(), unit.parts.back());
  std::string rules = compoundReadingText(category(), unit);
  rules.append(", then ").append(smallest.label).append(": ");
  return howLine("to", rules + toBaseText(smallest, Script::Unicode), smallest.toBase.text);
}

std::string Converter::howFromBase() const {
  const QuantityUnit to = quantityUnitAt(category(), to_);
  if (definitions_ == Definitions::Today) {
    if (!arithmetic_) return {};
    const std::string how = todayHowFromBase(category(), *arithmetic_);
    if (!to.compound) return how;
    // "…, the result in Inches, split into whole Feet of 12 Inches"
    const CompoundUnit& unit = category().compoundUnits()[to.index];
    return how + "; the result in " + std::string(partRule(category(), unit.parts.back()).label) +
           ", " + compoundSplitText(category(), unit);
  }
  if (!to.compound) {
    const UnitRule& unit = category().rules()[to.index];
    return howLine("from", fromBaseText(unit, Script::Unicode), unit.fromBase.text);
  }
  // "Feet and Inches: Inches = B ÷ …, split into whole Feet of 12 Inches"
  const CompoundUnit& unit = category().compoundUnits()[to.index];
  const UnitRule& smallest = partRule(category(), unit.parts.back());
  const std::string rules = std::string(toLabel()) + ": " + std::string(smallest.label) + " = " +
                            fromBaseArithmetic(smallest, Script::Unicode) + ", " +
                            compoundSplitText(category(), unit);
  return howLine("from", rules, smallest.fromBase.text);
}

std::string Converter::todayOfFrom() const {
  return todayText(category(), quantityUnitAt(category(), from_));
}

std::string Converter::todayOfTo() const {
  return todayText(category(), quantityUnitAt(category(), to_));
}

std::string Converter::howLine(std::string_view direction, const std::string& ruleText,
                               std::string_view formulas) const {
  const std::string where = whereText(formulas, Script::Unicode);
  return std::string(direction) + " " + std::string(category().baseLabel()) + ": " + ruleText +
         (where.empty() ? "" : ", " + where);
}

unsigned Converter::setResult(std::string result, std::optional<FloatingPointFault> stale) {
  if (result == result_ && stale == stale_) return kNothing;
  result_ = std::move(result);
  stale_ = stale;
  return kResult;
}

unsigned Converter::setNote(std::string note, NoteKind kind) {
  if (note == note_ && kind == noteKind_) return kNothing;
  note_ = std::move(note);
  noteKind_ = kind;
  return kNote;
}

unsigned Converter::recalculate() {
  arithmetic_.reset();
  QuantityConverter conversion({&category(), quantityUnitAt(category(), from_),
                                quantityUnitAt(category(), to_), definitions_, numberStyle_});
  const ConversionOutcome& outcome =
      conversion.convert(number_, ResultTexts::Shown, TodayDetail::WithArithmetic);
  const bool byToday = definitions_ == Definitions::Today;
  switch (outcome.kind) {
    case ConversionOutcome::Kind::Fault:
      // The result keeps what it showed; the note says why it did not change.
      return setResult(result_, outcome.fault) |
             setNote(std::string(faultName(outcome.fault)), NoteKind::Fault);
    case ConversionOutcome::Kind::NoDefinitionToday:
      return setResult({}, std::nullopt) |
             setNote(std::string(conversion.refusal()), NoteKind::NoneToday);
    case ConversionOutcome::Kind::OutOfRange:
      return setResult(std::string(kInvalidNumber), std::nullopt) |
             setNote("By today's definitions, which take numbers of " + std::string(kExactRange),
                     NoteKind::ByToday);
    case ConversionOutcome::Kind::InvalidNumber:
      if (byToday) {
        return setResult(std::string(kInvalidNumber), std::nullopt) |
               setNote("By today's definitions", NoteKind::ByToday);
      }
      // "0.500" under a decimal comma is most likely a fraction typed in the other style.
      if (std::optional<std::string> note = zeroGroupNote(number_, numberStyle_)) {
        return setResult(std::string(kInvalidNumber), std::nullopt) |
               setNote(std::move(*note), NoteKind::NoNumberInStyle);
      }
      break;
    case ConversionOutcome::Kind::Result:
      break;
  }
  if (byToday) {
    if (outcome.arithmetic != nullptr) arithmetic_ = *outcome.arithmetic;
    std::string note = "By today's definitions, exactly, rounded once";
    if (!conversion.measured().empty()) note.append("; ").append(conversion.measured());
    return setResult(std::string(outcome.shown), std::nullopt) |
           setNote(std::move(note), NoteKind::ByToday);
  }
  std::string note = unitSizes();
  NoteKind kind = note.empty() ? NoteKind::None : NoteKind::UnitSize;
  const std::string far = conversion.definitionsNote(NoteDetail::Short);
  if (!far.empty()) {
    note.append(note.empty() ? "" : "; ").append(far);
    if (kind == NoteKind::None) kind = NoteKind::FarFromToday;
  }
  return setResult(std::string(outcome.shown), std::nullopt) | setNote(std::move(note), kind);
}

std::string Converter::unitSizes() const {
  std::string sizes;
  const auto add = [&](std::string_view label) {
    const std::string_view note = unitSizeNote(category(), label);
    if (!note.empty())
      sizes.append(sizes.empty() ? "" : "; ").append(unitSizeSentence(label, note));
  };
  add(fromLabel());
  if (toLabel() != fromLabel()) add(toLabel());
  return sizes;
}

unsigned Converter::adopt(Definitions definitions) {
  if (definitions == definitions_) return kNothing;
  definitions_ = definitions;
  arithmetic_.reset();
  return kDefinitions;
}

unsigned Converter::setDefinitions(Definitions definitions) {
  return adopt(definitions) | recalculate();
}

bool Converter::convertsByToday(std::size_t unit) const {
  return hasDefinitionToday(category(), quantityUnitAt(category(), unit));
}

std::string Converter::restyled(std::string text, const NumberStyle& from,
                                const NumberStyle& to) const {
  std::optional<std::string> written =
      restyledQuantityText(category(), quantityUnitAt(category(), from_), text, from, to);
  if (written) return std::move(*written);
  return text;
}

unsigned Converter::setNumberStyle(const NumberStyle& style) {
  std::string number = restyled(number_, numberStyle_, style);
  const unsigned changed = number != number_ ? kNumber : kNothing;
  number_ = std::move(number);
  numberStyle_ = style;
  return changed | recalculate();
}

std::string Converter::numberInOwnForm() const { return restyled(number_, numberStyle_, {}); }

unsigned Converter::chooseCategory(std::size_t index) {
  // Choosing the current category again refills its lists: a view redraws them all the same.
  unsigned changed = kCategory;
  if (from_ != 0 || to_ != 0) changed |= kUnits;
  category_ = index;
  from_ = 0;
  to_ = 0;
  return changed | recalculate();
}

unsigned Converter::chooseFrom(std::size_t unit) {
  const unsigned changed = unit != from_ ? kUnits : kNothing;
  from_ = unit;
  return changed | recalculate();
}

unsigned Converter::chooseTo(std::size_t unit) {
  const unsigned changed = unit != to_ ? kUnits : kNothing;
  to_ = unit;
  return changed | recalculate();
}

unsigned Converter::chooseUnit(std::size_t category, Side side, std::size_t unit) {
  std::size_t from = category == category_ ? from_ : 0;
  std::size_t to = category == category_ ? to_ : 0;
  (side == Side::From ? from : to) = unit;
  return setUnits(category, from, to) | recalculate();
}

unsigned Converter::swapUnits() { return setUnits(category_, to_, from_) | recalculate(); }

unsigned Converter::setUnits(std::size_t category, std::size_t from, std::size_t to) {
  unsigned changed = category != category_ ? kCategory : kNothing;
  if (from != from_ || to != to_) changed |= kUnits;
  category_ = category;
  from_ = from;
  to_ = to;
  return changed;
}

unsigned Converter::setNumber(std::string_view text) {
  if (utf16Length(text) > kLongestNumber) return refuseLongText();
  std::string number = withLineBreaksAsBlanks(text);
  const unsigned changed = number != number_ ? kNumber : kNothing;
  number_ = std::move(number);
  return changed | recalculate();
}

unsigned Converter::refuseLongText() { return setNote(tooLongNote(), NoteKind::TooLong); }

Converter::Cut Converter::cut() {
  std::string clipboard = number_;
  return {setNumber({}), std::move(clipboard)};
}

std::string Converter::copy(CopyForm form) const {
  const std::string_view shown = stale_ ? faultName(*stale_) : std::string_view(result_);
  std::string line;
  if (form == CopyForm::Sentence)
    line.append(number_).append(" ").append(fromLabel()).append(" = ");
  line.append(shown);
  // A compound result names its parts' units ("5 ft 7 in"): with its unit, it stands alone.
  const bool namesItsUnit = quantityUnitAt(category(), to_).compound && !stale_;
  if (form == CopyForm::Sentence || (form == CopyForm::ResultWithUnit && !namesItsUnit))
    line.append(" ").append(toLabel());
  return line;
}

unsigned Converter::reset() {
  const unsigned changed = setNumber({});
  // Emptied after the conversion the empty number causes, so the result ends empty.
  return changed | setResult({}, std::nullopt);
}

unsigned Converter::openConversion(std::size_t category, std::size_t from, std::size_t to,
                                   std::string_view number, Definitions definitions) {
  if (utf16Length(number) > kLongestNumber) {
    return openUnknownLink("This link was refused: its number is over " +
                           std::to_string(kLongestNumber) + " characters");
  }
  unsigned changed = setUnits(category, from, to) | adopt(definitions);
  std::string text = restyled(withLineBreaksAsBlanks(number), {}, numberStyle_);
  if (text != number_) changed |= kNumber;
  number_ = std::move(text);
  changed |= recalculate();
  // A link carries no result of its own to keep: on a fault none shows, and the note and Copy
  // name the fault. No number is what Reset leaves: no result either.
  if (stale_ || number_.empty()) changed |= setResult({}, stale_);
  return changed;
}

unsigned Converter::openUnknownLink(std::string note) {
  return showStart() | setNote(std::move(note), NoteKind::UnknownLink);
}

}  // namespace vardeln
