// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "category.h"
#include "conversion.h"
#include "definitions.h"
#include "number_style.h"
#include "today_conversion.h"

namespace vardeln {

/// The converter as a user sees and works it, whatever shows it: the window, the page.
///
/// It holds the category, the unit on each side, the number's text, the result's text, why
/// the result is stale when it is, and the note under the lists. Every command is one the
/// user gives and answers what it changed (a set of Change bits), so a view redraws only that.
///
/// The number is recalculated after every command that touches it or a unit: a number writes
/// its result or "Invalid Number" and clears the note, or, where either unit is off by 0.1 %
/// or more from its definition today, says so in it; a floating-point fault keeps the result
/// as it was, marks it stale and names the fault in the note, until the next result is
/// written. While stale, Copy puts the fault's name where the result would stand.
///
/// A text offered as the number is refused whole when it is longer than kLongestNumber: the
/// number keeps what it held and the note says so. Nothing is ever cut short to fit, since a
/// shortened text can be another number. Every line break in an accepted text (CR, LF or
/// CR LF) becomes one blank: the number is one line, so a text of several lines is never read
/// as their digits run together, and Copy's summary stays one line. A number followed by a
/// line break, as many programs copy it, stays that number.
class Converter {
 public:
  /// What a command changed.
  enum Change : unsigned {
    kNothing = 0,
    kCategory = 1u << 0,  ///< the category, and with it both lists' units
    kUnits = 1u << 1,     ///< the unit chosen on either side
    kNumber = 1u << 2,
    kResult = 1u << 3,  ///< the result's text, or whether it is stale
    kNote = 1u << 4,
    kDefinitions = 1u << 5,  ///< which definitions the conversion follows
  };

  /// What the note under the lists says: nothing, the fault that left the result stale, that a
  /// text was too long, why a link was refused (a name the converter does not know), or that a unit
  /// of the conversion is off by 0.1 % or more from its definition today; by the legacy
  /// tables, which of its regional sizes a unit is ("Bigha here is the Punjab bigha …", any
  /// unit far from today's after it); under today's definitions, that they were followed
  /// (with any measured unit), or why a unit has none; or why a number typed is none in the
  /// number style (a first group of zeros).
  enum class NoteKind {
    None,
    Fault,
    TooLong,
    UnknownLink,
    FarFromToday,
    ByToday,
    NoneToday,
    UnitSize,
    NoNumberInStyle
  };

  /// Which definitions a conversion follows: the legacy tables (the start, and all the window
  /// offers), or today's definitions, by which the typed decimal is converted exactly and
  /// rounded once, compound units too.
  using Definitions = vardeln::Definitions;

  /// Longer than any number a user can mean (every double written out in full takes at most
  /// 1077 characters), short enough that every front end stays instant with a full box.
  /// Counted in UTF-16 code units, as the window's and the page's text boxes count.
  static constexpr std::size_t kLongestNumber = 4096;

  /// The start: Area, the number 0 from the first unit to the first unit, converted.
  Converter();

  std::size_t categoryIndex() const { return category_; }
  const Category& category() const;
  /// The chosen units, by position among the category's units and then its compound units
  /// (quantityUnitLabels): the window offers the units alone, the page both; a compound
  /// unit's number is read and its result written in parts ("5 ft 7 3/16 in").
  std::size_t fromUnit() const { return from_; }
  std::size_t toUnit() const { return to_; }
  /// The labels of the chosen units; they also name the boxes beside the lists.
  std::string_view fromLabel() const;
  std::string_view toLabel() const;
  const std::string& number() const { return number_; }
  const std::string& result() const { return result_; }
  /// The fault that stopped the last conversion while the result still shows an earlier one.
  std::optional<FloatingPointFault> staleBecause() const { return stale_; }
  const std::string& note() const { return note_; }
  NoteKind noteKind() const { return noteKind_; }
  /// How the result is computed: the source unit's rule to the base unit and the target
  /// unit's rule from it, each a line of arithmetic as `vardeln-convert --explain` writes it
  /// ("to Meters: B = x × FootInMetres, where FootInMetres = 1 ÷ 3.28084 =
  /// 0.3047999902464003", "from Meters: result = B"). By today's definitions, the exact
  /// arithmetic: the typed decimal and the source's definition as fractions, then the target's,
  /// the exact result and its one rounding; empty where nothing was converted.
  std::string howToBase() const;
  std::string howFromBase() const;
  /// Each unit's definition today, its source and how far the table's rule is from it, as
  /// `vardeln-convert --explain` ends ("Grain: this table's is 100 times today's: 1 gr = …").
  std::string todayOfFrom() const;
  std::string todayOfTo() const;

  Definitions definitions() const { return definitions_; }
  /// Converts by `definitions` from now on, and converts again.
  unsigned setDefinitions(Definitions definitions);
  /// Whether a unit of the current category converts by today's definitions: one with a single
  /// definition today, or a compound unit whose every part has one.
  bool convertsByToday(std::size_t unit) const;

  /// How the number is read and the result written: the converter's own form unless a view
  /// or the user sets another (the window sets the system's decimal mark and grouping).
  const NumberStyle& numberStyle() const { return numberStyle_; }
  /// Reads and writes numbers in `style` from now on, and converts again. A number that
  /// reads in the style before is rewritten as typed in the new one ("1.5" becomes "1,5"
  /// under a decimal comma), so the same quantity stays in the box.
  unsigned setNumberStyle(const NumberStyle& style);
  /// The number in the converter's own form (a point, no groups), as a link carries it so
  /// that it reads the same under every style; the text as it stands where it reads none.
  std::string numberInOwnForm() const;

  /// Makes a category current, both sides at its first unit, and converts. Also when it
  /// already was: the units chosen before are given up.
  unsigned chooseCategory(std::size_t index);
  unsigned chooseFrom(std::size_t unit);
  unsigned chooseTo(std::size_t unit);
  /// Which side of the conversion a unit is chosen for.
  enum class Side { From, To };
  /// Makes a unit of any category the source or the target, as one act that converts once (a
  /// finder that searches every category offers it). In another category than the current
  /// one, the other side starts at that category's first unit, as a category chosen does.
  unsigned chooseUnit(std::size_t category, Side side, std::size_t unit);
  /// Exchanges the source and the target unit; the number stays, and is converted again.
  unsigned swapUnits();
  /// The number box now holds `text` (typed, pasted into it, dropped).
  unsigned setNumber(std::string_view text);
  /// Replaces the whole number with the clipboard's text.
  unsigned paste(std::string_view clipboardText) { return setNumber(clipboardText); }
  /// A text over kLongestNumber was offered and refused before it reached the number (a view
  /// that weighs a text's length before taking it in says so with this).
  unsigned refuseLongText();

  /// The number moves to the clipboard; the number box is emptied.
  struct Cut {
    unsigned changed;
    std::string clipboard;
  };
  Cut cut();
  /// What Copy puts on the clipboard: the conversion as one line, "1 Hectares = 10000
  /// Meters Square"; the result alone, "10000", to paste into a sheet; or the result and its
  /// unit, "10000 Meters Square" (a compound result, "5 ft 7 in", names its units itself).
  /// Each exactly as the boxes and lists show it (no trimming); while stale, the fault's name
  /// stands for the result.
  enum class CopyForm { Sentence, Result, ResultWithUnit };
  std::string copy(CopyForm form = CopyForm::Sentence) const;
  /// Empties the number and the result.
  unsigned reset();

  /// Opens the conversion a link names, its category, units, number (in the converter's own
  /// form, shown in the number style) and definitions, as one act: it converts once. A result shown
  /// before belongs to another conversion: on a fault the result is empty and stale, so that the
  /// note and Copy name the fault and no number shows. An empty number is what Reset leaves, with
  /// no result either; a number over kLongestNumber refuses the link (as openUnknownLink), since
  /// nothing is cut short.
  unsigned openConversion(std::size_t category, std::size_t from, std::size_t to,
                          std::string_view number, Definitions definitions);
  /// A link that names no conversion of the converter's: the start's conversion by the legacy
  /// tables, and the note says what the link named (until the next result).
  unsigned openUnknownLink(std::string note);

 private:
  std::string howLine(std::string_view direction, const std::string& ruleText,
                      std::string_view formulas) const;
  // A text typed in the source unit under `from`, as it is typed under `to`; the text as it
  // stands where it reads nothing under `from`.
  std::string restyled(std::string text, const NumberStyle& from, const NumberStyle& to) const;
  // Area, the number 0 from the first unit to the first unit, converted.
  unsigned showStart();
  // Converts the number and answers what that changed of the result and the note.
  unsigned recalculate();
  // Which size each unit of several sizes in the conversion is, each once.
  std::string unitSizes() const;
  // Follows `definitions` from now on, without converting; answers what changed.
  unsigned adopt(Definitions definitions);
  // Makes a category and its two units current, without converting; answers what changed.
  unsigned setUnits(std::size_t category, std::size_t from, std::size_t to);
  unsigned setResult(std::string result, std::optional<FloatingPointFault> stale);
  unsigned setNote(std::string note, NoteKind kind);

  NumberStyle numberStyle_;
  Definitions definitions_ = Definitions::LegacyTables;
  // The arithmetic of the last conversion by today's definitions that gave a result.
  std::optional<TodayArithmetic> arithmetic_;
  std::size_t category_ = 0;
  std::size_t from_ = 0;
  std::size_t to_ = 0;
  std::string number_;
  std::string result_;
  std::optional<FloatingPointFault> stale_;
  std::string note_;
  NoteKind noteKind_ = NoteKind::None;
};

}  // namespace vardeln
